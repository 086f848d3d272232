#!/usr/bin/env bash
# orvel-tool compile and decompile: round trips byte for byte, error messages, the files written.
tool=$1
source "$(dirname "$0")/lib/check.sh"
sample=$(cd "$(dirname "$0")/../../data/sample" 2>/dev/null && pwd)

cat >"$dir/words.ors" <<'SRC'
@vocabulary GreekEndings
10	ου

@articles
λόγος{end:ου} {ὁ}
{1} слово, речь {a:Hom.}; {s:см.} {gr}{n}λέγω
{-} разум {a:Plat.}.
SRC
cat >"$dir/more.ors" <<'SRC'
@articles
ἀγαθός{end:εια}{end:αι} {1} хороший {a:Hom.}

ἄλφα {1} альфа
SRC
"$tool" compile "$dir/words.ors" "$dir/more.ors" -o "$dir/out" >"$dir/log"
check "compile" 0 $?
check "compile report" "orvel.dic: 3 articles, $(stat -c %s "$dir/out/orvel.dic") bytes" \
    "$(head -n 1 "$dir/log")"
grep -q '^orvel.voc: not written, [0-9]* vocabulary rows unknown$' "$dir/log" ||
    fail "incomplete vocabulary reported"
[ -e "$dir/out/orvel.voc" ] && fail "an incomplete vocabulary is not written"
check "articles in key order" "$(printf '0 \xc3acah\xc0or\n1 \xc5akva\n2 k\xc0ocor')" \
    "$(for i in 0 1 2; do echo "$i $("$tool" headword --dic "$dir/out/orvel.dic" $i)"; done)"

"$tool" decompile --dic "$dir/out/orvel.dic" -o "$dir/back.ors"
check "decompile" 0 $?
grep -q '{x:' "$dir/back.ors" && fail "natural articles decompile without escapes"
"$tool" compile "$dir/back.ors" -o "$dir/again" >/dev/null
cmp -s "$dir/out/orvel.dic" "$dir/again/orvel.dic" || fail "compile, decompile, compile: same bytes"

# Any bytes survive: a dictionary (in key order) of every byte value but the record end.
{
    printf '\x01\x02\x01'
    for i in $(seq 0 255); do [ "$i" -ne 2 ] && printf "\\x$(printf %02x "$i")"; done
    printf '\x02\x01ab \x81\xf0\x85\x02'
} >"$dir/bytes.dic"
"$tool" decompile --dic "$dir/bytes.dic" -o "$dir/bytes.ors" &&
    "$tool" compile "$dir/bytes.ors" -o "$dir/bytes" >/dev/null
cmp -s "$dir/bytes.dic" "$dir/bytes/orvel.dic" || fail "arbitrary bytes round trip"

# The sample edition carries a whole vocabulary: orvel.voc is written and survives too.
if [ -n "$sample" ] && ls "$sample"/*.ors >/dev/null 2>&1; then
    "$tool" compile "$sample"/*.ors -o "$dir/sample" | grep -q '^orvel.voc: written$' ||
        fail "sample vocabulary written"
    "$tool" decompile --dic "$dir/sample/orvel.dic" -o "$dir/sample.ors" &&
        "$tool" compile "$dir/sample.ors" -o "$dir/sample2" >/dev/null
    cmp -s "$dir/sample/orvel.dic" "$dir/sample2/orvel.dic" || fail "sample round trip (.dic)"
    cmp -s "$dir/sample/orvel.voc" "$dir/sample2/orvel.voc" || fail "sample round trip (.voc)"
    # Compiling an edition without a whole vocabulary removes the one left from before.
    "$tool" compile "$dir/words.ors" -o "$dir/sample" >/dev/null
    [ -e "$dir/sample/orvel.voc" ] && fail "a stale orvel.voc is removed"
fi

# Errors: FILE:LINE:COL on standard error, exit status 2, nothing written.
printf '@articles\nλόγος {1} слово\n\nαβ {zz} x\n' >"$dir/bad.ors"
"$tool" compile "$dir/bad.ors" -o "$dir/bad" 2>"$dir/err" >/dev/null
check "errors exit 2" 2 $?
check "error messages" "$(printf '%s\n%s' "$dir/bad.ors:4:4: unknown tag {zz}" \
    "$dir/bad.ors:4:9: Latin letter 'x' (U+0078) in Greek text (switch with {la})")" \
    "$(cat "$dir/err")"
[ -e "$dir/bad/orvel.dic" ] && fail "nothing is written after errors"
"$tool" compile "$dir/words.ors" 2>/dev/null
check "-o is required" 2 $?
"$tool" compile "$dir/missing.ors" -o "$dir/x" 2>/dev/null
check "unreadable source" 2 $?

finish "source command"
