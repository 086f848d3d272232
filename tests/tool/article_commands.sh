#!/usr/bin/env bash
# orvel-tool's article subcommands: render, search, notes, unicode.
tool=$1
source "$(dirname "$0")/lib/check.sh"

# λόγος with a Russian word and an author; "ab cd"; a word in a note.
printf '\x01k\xc0ocor \x07\xf1\xeb\xee\xe2\xee\x81\x67\x02\x01ab cd\x02\x01ef\x02' >"$dir/orvel.dic"
mkdir "$dir/User"
printf '\x06\x13OrvelUserDictionary\x02\x01\x09\x01\x02\x02\x06\x05ab \x07\xe0\x00' >"$dir/User/mine.not"

"$tool" render --dic "$dir/orvel.dic" 0 >"$dir/a.rtf"
check "render ends with one zero byte" "00" "$(tail -c 1 "$dir/a.rtf" | od -An -tx1 | tr -d ' ')"
check "render header" "{\\rtf1\\ansi" "$(head -c 11 "$dir/a.rtf")"
grep -q 'cf2\\fs30 Plat\.' "$dir/a.rtf" || fail "author"
"$tool" render --dic "$dir/orvel.dic" --pref TextFontSize=12 --pref TextAuthorSizePercent=1 0 |
    grep -aq 'cf2\\fs12 Plat\.' || fail "--pref with clamping"
printf 'ab' >"$dir/text"
check "render --text-file" "$("$tool" render --dic "$dir/orvel.dic" 1 | head -c 300 | md5sum)" \
    "$(printf 'ab cd' >"$dir/text"; "$tool" render --text-file "$dir/text" | head -c 300 | md5sum)"

check "search greek" "$(printf '1\t0\t5\t\nlast-found: -1')" \
    "$("$tool" search --dic "$dir/orvel.dic" --greek 'ab cd')"
check "search with notes" "$(printf '1\t0\t2\t\n2\t0\t2\tmine\nlast-found: -1')" \
    "$("$tool" search --dic "$dir/orvel.dic" --notes "$dir/User" --greek ab)"
check "search limit" "$(printf '1\t0\t2\t\nlast-found: 1')" \
    "$("$tool" search --dic "$dir/orvel.dic" --notes "$dir/User" --max 1 --greek ab)"
check "search from" "$(printf '2\t0\t2\tmine\nlast-found: -1')" \
    "$("$tool" search --dic "$dir/orvel.dic" --notes "$dir/User" --from 1 --greek ab)"
check "search russian" "$(printf '0\t8\t5\t\nlast-found: -1')" \
    "$("$tool" search --dic "$dir/orvel.dic" --russian "СЛОВО")"
"$tool" search --dic "$dir/orvel.dic" --greek zz >/dev/null; check "nothing found" 1 $?
"$tool" search --dic "$dir/orvel.dic" --greek ' ab' 2>/dev/null; check "bad search string" 2 $?

check "notes" "$(printf '2\tαβ а.')" "$("$tool" notes "$dir/User/mine.not")"
cp "$dir/User/mine.not" "$dir/User/copied.NOT"
check "notes copied from Windows" "$(printf '2\tαβ а.')" "$("$tool" notes "$dir/User/copied.NOT")"
"$tool" notes "$dir/User/mine.txt" 2>/dev/null; check "notes of another name" 2 $?
check "unicode" "λόγος" "$("$tool" unicode --dic "$dir/orvel.dic" 0)"

finish "article command"
