#!/bin/sh
# Prepares a ready application folder: the empty table templates, the shared tables
# with the users "administrator" and "demo", the settings files, templates, help pages
# and the backup script, and the demo user's folder with a small dictionary whose words
# without a recorded sound get a spoken one. Only what is missing is made or copied, so the
# data and settings of earlier runs stay.
#   prepare-app.sh <mktable program> <data folder> <application folder> [lexiton-cli program]
set -eu
mktable=$1
data=$2
app=$3
cli=${4:-}

make_table() { # kind, file, [records]
    [ -e "$2" ] || "$mktable" "$1" "$2" ${3:+"$3"}
}

copy_missing() { # source file, target file
    [ -e "$2" ] || cp "$1" "$2"
}

copy_folder_missing() { # source folder, target folder: its files, not sub-folders
    mkdir -p "$2"
    for file in "$1"/*; do
        if [ -f "$file" ]; then
            copy_missing "$file" "$2/$(basename "$file")"
        fi
    done
}

# A first start opens the installation page of the help; the program deletes the marker
# when it ends.
first_run=no
[ -e "$app/_other_/user.db" ] || first_run=yes

mkdir -p "$app/_EmptyTable_" "$app/_other_" "$app/Temp" "$app/Sounds" "$app/help"
make_table dictonary "$app/_EmptyTable_/dictonary.db"
make_table exam "$app/_EmptyTable_/exam.db"
make_table user "$app/_other_/user.db" "$data/seed/users.tsv"
make_table runtime "$app/_other_/runtime.db"
make_table deprun "$app/_other_/deprun.db"
make_table runzn "$app/_other_/runzn.db"

for file in setting.ini exam.ini code.ini key.ini klayout.ini bg.bmp save.sh; do
    copy_missing "$data/$file" "$app/$file"
done
copy_folder_missing "$data/help" "$app/help"
# Pronunciations of some demo words, recorded with a speech synthesizer.
copy_folder_missing "$data/Sounds" "$app/Sounds"
copy_folder_missing "$data/_other_/setinis" "$app/_other_/setinis"
copy_missing "$data/_other_/template.html" "$app/_other_/template.html"
copy_missing "$data/_other_/templateEX.html" "$app/_other_/templateEX.html"

# The demo user, set up as the program sets up a new user, with one dictionary.
demo="$app/demo"
mkdir -p "$demo/results" "$demo/practice" "$demo/Angličtina"
make_table exam "$demo/exam.db"
for file in exam.ini code.ini setting.ini bg.bmp; do
    copy_missing "$data/$file" "$demo/$file"
done
make_table dictonary "$demo/Angličtina/dictonary.db" "$data/seed/demo-dictionary.tsv"
copy_missing "$data/demo/Angličtina/set.ini" "$demo/Angličtina/set.ini"
copy_missing "$data/code.ini" "$demo/Angličtina/code.ini"
# Short articles to practise at once, spoken by a speech synthesizer, each with its text and
# picture.
for article in "$data"/practice/*/; do
    copy_folder_missing "$article" "$demo/practice/$(basename "$article")"
done

# The demo words without a recording are spoken by the speech synthesizer; words that have a
# sound keep it.
if [ -n "$cli" ]; then
    "$cli" speak --app "$app" --user demo --dictionary Angličtina >/dev/null
fi

if [ "$first_run" = yes ]; then
    printf 'Lexiton\r\n' >"$app/first.txt"
fi
