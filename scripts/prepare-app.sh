#!/bin/sh
# Prepares a ready application folder: the empty table templates, the shared tables
# with the users "administrator" and "demo", and the demo user's folder with a small
# dictionary. Only what is missing is made, so the data of earlier runs stays.
#   prepare-app.sh <mktable program> <data folder> <application folder>
set -eu
mktable=$1
data=$2
app=$3

make_table() { # kind, file, [records]
    [ -e "$2" ] || "$mktable" "$1" "$2" ${3:+"$3"}
}

mkdir -p "$app/_EmptyTable_" "$app/_other_" "$app/Temp" "$app/Sounds" "$app/help"
make_table dictonary "$app/_EmptyTable_/dictonary.db"
make_table exam "$app/_EmptyTable_/exam.db"
make_table user "$app/_other_/user.db" "$data/seed/users.tsv"
make_table runtime "$app/_other_/runtime.db"
make_table deprun "$app/_other_/deprun.db"
make_table runzn "$app/_other_/runzn.db"

demo="$app/demo"
mkdir -p "$demo/results" "$demo/practice" "$demo/Angličtina"
make_table exam "$demo/exam.db"
make_table dictonary "$demo/Angličtina/dictonary.db" "$data/seed/demo-dictionary.tsv"
