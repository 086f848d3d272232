#!/usr/bin/env bash
# orvel-tool's dictionary subcommands on a small dictionary: output, exit status, binary safety.
tool=$1
source "$(dirname "$0")/lib/check.sh"

# Articles: "ab" + body with a zero byte; ὁ with a mark prefix; "bg" (βη); "g".
printf '\x01ab \x00\xff\x01x\x02\x01\x80\x05\xc4o t\x02\x01bg\x02\x01g\x02' >"$dir/orvel.dic"

check "info" "count: 4
dic-size: 24
idx: rebuilt
idz: rebuilt" "$("$tool" info --dic "$dir/orvel.dic")"
sleep 0.02
check "info again" "idx: read idz: read" "$("$tool" info --dic "$dir/orvel.dic" | tail -2 | tr '\n' ' ' | sed 's/ $//')"

"$tool" article --dic "$dir/orvel.dic" 0 >"$dir/article0"
printf 'ab \x00\xff\x01x' | cmp -s - "$dir/article0" || fail "article bytes"

check "headword" "$(printf '\xc4o')" "$("$tool" headword --dic "$dir/orvel.dic" 1)"
check "headword --display" "$(printf '\xa6')" "$("$tool" headword --dic "$dir/orvel.dic" --display 1)"

check "lookup" "2 bg" "$("$tool" lookup --dic "$dir/orvel.dic" BGX)"
check "lookup --display" "2 bh" "$("$tool" lookup --dic "$dir/orvel.dic" --display bh)"
check "lookup --betacode" "2 bh" "$("$tool" lookup --dic "$dir/orvel.dic" --betacode BH)"
check "lookup --betacode marks" "3 h" "$("$tool" lookup --dic "$dir/orvel.dic" --betacode 'h(/')"
message=$("$tool" lookup --dic "$dir/orvel.dic" --betacode 'e=' 2>&1); status=$?
check "lookup --betacode refused" "2 orvel-tool: Бета-код «e=»: такой буквы нет в шрифте Orvel000" "$status $message"
"$tool" lookup --dic "$dir/orvel.dic" --betacode --display a 2>/dev/null; check "two word forms" 2 $?
out=$("$tool" lookup --dic "$dir/orvel.dic" e); status=$?
check "lookup not found" "-1 1" "$out $status"

rows=$("$tool" letter-index --dic "$dir/orvel.dic")
check "letter-index rows" "25" "$(printf '%s\n' "$rows" | wc -l)"
check "letter-index row a" "0 -1 0 $(printf -- '-1 %.0s' {1..22})-1" "$(printf '%s\n' "$rows" | head -1)"

"$tool" headword --dic "$dir/orvel.dic" 9 2>/dev/null; check "index out of range" 2 $?
"$tool" lookup --dic "$dir/orvel.dic" 2>/dev/null; check "missing word" 2 $?
"$tool" frobnicate 2>/dev/null; check "unknown command" 2 $?
message=$("$tool" info --dic "$dir/none.dic" 2>&1); status=$?
check "missing dictionary" "2 orvel-tool: Отсутствует основной файл словаря: orvel.dic" "$status $message"

finish "dictionary command"
