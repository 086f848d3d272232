#!/usr/bin/env bash
# orvel-tool synth: the synthetic edition with the standard edition's file sizes, its vocabulary
# file, index files that the next load reads, the seed, and the exit status of bad arguments.
tool=$1
source "$(dirname "$0")/lib/check.sh"

out=$("$tool" synth -o "$dir/a"); status=$?
check "synth status" 0 $status
check "synth report" "$dir/a/orvel.dic 7968875
$dir/a/orvel.idx 282108
$dir/a/orvel.idz 2600
$dir/a/orvel.voc $(stat -c %s "$dir/a/orvel.voc")" "$out"
check "sizes on disk" "7968875 282108 2600" \
    "$(stat -c %s "$dir/a/orvel.dic" "$dir/a/orvel.idx" "$dir/a/orvel.idz" | tr '\n' ' ' | sed 's/ $//')"
check "index files read" "count: 70526 dic-size: 7968875 idx: read idz: read" \
    "$("$tool" info --dic "$dir/a/orvel.dic" | tr '\n' ' ' | sed 's/ $//')"
check "no temporary files left" "orvel.dic orvel.idx orvel.idz orvel.voc" \
    "$(ls "$dir/a" | tr '\n' ' ' | sed 's/ $//')"
# The vocabulary file is read with the edition and gives the rows the program lacks.
"$tool" render --dic "$dir/a/orvel.dic" 0 >"$dir/with.rtf" || fail "render with the vocabulary"
mv "$dir/a/orvel.voc" "$dir/orvel.voc"
"$tool" render --dic "$dir/a/orvel.dic" 0 >"$dir/without.rtf" || fail "render without it"
mv "$dir/orvel.voc" "$dir/a/orvel.voc"
cmp -s "$dir/with.rtf" "$dir/without.rtf" && fail "the vocabulary file adds nothing"

"$tool" synth --output "$dir/b" --seed 1 >/dev/null || fail "synth --seed 1"
cmp -s "$dir/a/orvel.dic" "$dir/b/orvel.dic" || fail "seed 1 is the default"
cmp -s "$dir/a/orvel.idz" "$dir/b/orvel.idz" || fail "same letter index for the same seed"
cmp -s "$dir/a/orvel.voc" "$dir/b/orvel.voc" || fail "same vocabulary for the same seed"
"$tool" synth -o "$dir/b" --seed 4294967295 >/dev/null || fail "synth over an existing edition"
cmp -s "$dir/a/orvel.dic" "$dir/b/orvel.dic" && fail "another seed gives another edition"
check "another seed, same size" 7968875 "$(stat -c %s "$dir/b/orvel.dic")"
check "index rebuilt for the new edition" "idx: read idz: read" \
    "$("$tool" info --dic "$dir/b/orvel.dic" | tail -2 | tr '\n' ' ' | sed 's/ $//')"

"$tool" synth 2>/dev/null; check "missing -o" 2 $?
"$tool" synth -o "$dir/c" --seed x 2>/dev/null; check "bad seed" 2 $?
"$tool" synth -o "$dir/c" --seed 4294967296 2>/dev/null; check "seed out of range" 2 $?
"$tool" synth -o "$dir/c" extra 2>/dev/null; check "extra argument" 2 $?
check "nothing written on bad arguments" "" "$(ls "$dir" | grep -x c)"
touch "$dir/file"
"$tool" synth -o "$dir/file/sub" 2>/dev/null; check "unwritable folder" 2 $?

finish "synth command"
