#!/bin/sh
# Backs up one user's folder of a Lexiton application folder.
#   save.sh <user folder> <backup name>
# The program starts it with the application folder as the working directory; the backup
# is written to <application folder>/backup/<backup name>.tar.gz, where the application
# folder is the folder that holds the user folder. Every table file (*.db) is taken
# through SQLite's backup API, so a table in use is copied consistently; the other files
# are copied as they are. The user folder itself is only read.
set -eu

fail() {
    printf 'save.sh: %s\n' "$*" >&2
    exit 1
}

[ $# -eq 2 ] || {
    printf 'usage: save.sh <user folder> <backup name>\n' >&2
    exit 2
}
name=$2
case $name in
'' | */* | . | ..) fail "invalid backup name: \"$name\"" ;;
esac
[ -d "$1" ] || fail "user folder not found: \"$1\""
command -v sqlite3 >/dev/null 2>&1 || fail "the program sqlite3 is not installed"

user_folder=$(cd "$1" && pwd -P) || fail "cannot enter the user folder \"$1\""
user=$(basename "$user_folder")
app=$(dirname "$user_folder")
backup_folder=$app/backup
archive=$backup_folder/$name.tar.gz

staging=$(mktemp -d "${TMPDIR:-/tmp}/lexiton-save.XXXXXX") || fail "cannot create a staging folder"
trap 'rm -rf "$staging"' EXIT
trap 'exit 1' HUP INT TERM
copy=$staging/$user
mkdir "$copy" || fail "cannot create a staging folder"

cd "$user_folder" || fail "cannot enter the user folder \"$user_folder\""

# The folders, then the plain files. The journal files of SQLite belong to their table and
# are taken with it by the backup below.
find . -type d -exec sh -c 'for d; do mkdir -p "$0/$d" || exit 1; done' "$copy" {} + ||
    fail "cannot create the folders of the copy"
find . -type f ! -name '*.db' ! -name '*.db-wal' ! -name '*.db-shm' ! -name '*.db-journal' \
    -exec sh -c 'for f; do cp -p "$f" "$0/$f" || exit 1; done' "$copy" {} + ||
    fail "cannot copy the files of \"$user_folder\""

# Each table through the backup API, into a fixed name inside the staging folder (so that
# no path has to be written into a SQLite command), then moved to its place. A read-only
# connection is not used: on a table in WAL mode it would leave -wal and -shm files behind.
work=$staging/.table
mkdir "$work" || fail "cannot create a staging folder"
find . -type f -name '*.db' -exec sh -c '
    work=$1; copy=$2; shift 2
    top=$PWD
    for f; do
        f=${f#./}
        (cd "$work" && sqlite3 -bail -init /dev/null -cmd ".timeout 10000" "$top/$f" \
            ".backup main table.db") && mv "$work/table.db" "$copy/$f" || {
            printf "save.sh: cannot back up the table \"%s\"\n" "$top/$f" >&2
            exit 1
        }
    done' sh "$work" "$copy" {} + || fail "the tables of \"$user_folder\" were not saved"
rmdir "$work"

mkdir -p "$backup_folder" || fail "cannot create the folder \"$backup_folder\""
partial=$backup_folder/.$name.tar.gz.part
tar -C "$staging" -czf "$partial" -- "$user" || {
    rm -f "$partial"
    fail "cannot write the archive \"$archive\""
}
mv -f "$partial" "$archive" || {
    rm -f "$partial"
    fail "cannot write the archive \"$archive\""
}
