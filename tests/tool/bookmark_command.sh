#!/usr/bin/env bash
# orvel-tool bookmarks: lists a bookmark file, moves a version-0 file's indexes, and reports a
# file it cannot read with the stream layer's message and exit status 1.
tool=$1
source "$(dirname "$0")/lib/check.sh"

header='\x06\x0eOrvelBookmarks\x02'
# Version 1: 7 "ab" in the article; 300 "g" in a note of Mine with the selection 200, 5.
printf "${header}"'\x01\x01\x02\x07\x06\x02ab\x08\x06\x00\x02\x00\x02\x00\x03\x2c\x01\x06\x01g\x09\x06\x04Mine\x03\xc8\x00\x02\x05\x00' >"$dir/Default.bmr"
check "listing" "$(printf '7\tαβ\t0\t\t0\t0\n300\tη\t1\tMine\t200\t5')" "$("$tool" bookmarks "$dir/Default.bmr")"

# Version 0: 100, 23761 and 45516 of the previous edition.
printf "${header}"'\x00\x01\x02\x64\x06\x01a\x08\x06\x00\x02\x00\x02\x00\x03\xd1\x5c\x06\x01b\x08\x06\x00\x02\x00\x02\x00\x04\xcc\xb1\x00\x00\x06\x01c\x08\x06\x00\x02\x00\x02\x00\x00' >"$dir/Old.bmr"
check "version 0" "100 23762 45527" "$("$tool" bookmarks "$dir/Old.bmr" | cut -f1 | tr '\n' ' ' | sed 's/ $//')"

printf '\x06\x13OrvelUserDictionary\x02\x01\x08\x01\x00' >"$dir/notes.bmr"
message=$("$tool" bookmarks "$dir/notes.bmr" 2>&1); status=$?
check "wrong signature" "1 orvel-tool: Нарушена структура файла" "$status $message"
printf "${header}"'\x02\x01\x00' >"$dir/new.bmr"
message=$("$tool" bookmarks "$dir/new.bmr" 2>&1); status=$?
check "version 2" "1 orvel-tool: Некорректная версия файла" "$status $message"
head -c 30 "$dir/Default.bmr" >"$dir/cut.bmr"
message=$("$tool" bookmarks "$dir/cut.bmr" 2>&1); status=$?
check "truncated" "1 orvel-tool: Stream read error" "$status $message"
message=$("$tool" bookmarks "$dir/none.bmr" 2>&1); status=$?
check "missing" "1 orvel-tool: Cannot open file $dir/none.bmr" "$status $message"
"$tool" bookmarks 2>/dev/null; check "no file named" 2 $?

finish "bookmarks command"
