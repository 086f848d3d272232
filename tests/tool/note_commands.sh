#!/usr/bin/env bash
# orvel-tool note-from-rtf: an RTF document converted as the note editor converts its text.
tool=$1
source "$(dirname "$0")/lib/check.sh"

hex() { od -An -tx1 -v | tr -d ' \n'; }

# A note as a word processor saves it: λογος in Orvel000 bold, "слово, " in Russian, the author
# Plat. in navy, a blue "1) " and "дом.".
header='{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\froman\fcharset204 Times New Roman;}{\f2\fnil\fcharset0 Orvel000;}{\f3\fswiss\fcharset204 Arial;}}
{\colortbl ;\red0\green0\blue128;\red0\green0\blue255;}
\pard\plain'
printf '%s%s' "$header" '\f2\b logo~\f1\b0  \'"'"'f1\'"'"'eb\'"'"'ee\'"'"'e2\'"'"'ee, \f0\cf1 Plat.\cf0\f1  \f0\cf2 1) \cf0\f1\'"'"'e4\'"'"'ee\'"'"'ec.\par}' >"$dir/note.rtf"
check "a whole note" "6b6f636f72200703f1ebeee2ee2c2081670ae4eeec" "$("$tool" note-from-rtf "$dir/note.rtf" | hex)"

# A refusal: exit 1, the position of the character to select and the message.
printf '%s%s' "$header" '\f1 \'"'"'e4\'"'"'ee\'"'"'ec \f3 x\par}' >"$dir/arial.rtf"
out=$("$tool" note-from-rtf "$dir/arial.rtf" 2>"$dir/err"); status=$?
check "refused: exit status" 1 $status
check "refused: nothing written" "" "$out"
check "refused: position and message" "4: Недопустимый шрифт: Arial" "$(cat "$dir/err")"
printf '%s%s' "$header" '\f1 \'"'"'e4\'"'"'ee\'"'"'ec \'"'"'b8\par}' >"$dir/yo.rtf"
check "refused: ё" "4: Недопустимый шрифт для этого символа" \
    "$("$tool" note-from-rtf "$dir/yo.rtf" 2>&1 >/dev/null)"

printf '%s%s' "$header" '\par}' >"$dir/empty.rtf"
check "an empty document" "" "$("$tool" note-from-rtf "$dir/empty.rtf" | hex)"

# A note shown by the renderer converts back to its bytes.
printf '\x07\x03\xe4\xee\xec \x81\x67\x0a\x82\x40 \x06word' >"$dir/stored"
"$tool" render --text-file "$dir/stored" >"$dir/rendered.rtf"
check "render and back" "$(hex <"$dir/stored")" "$("$tool" note-from-rtf "$dir/rendered.rtf" | hex)"

printf 'plain text' >"$dir/plain.rtf"
"$tool" note-from-rtf "$dir/plain.rtf" 2>/dev/null; check "no RTF" 2 $?
"$tool" note-from-rtf "$dir/missing.rtf" 2>/dev/null; check "no file" 2 $?
"$tool" note-from-rtf "$dir" 2>/dev/null; check "a folder" 2 $?

finish "note command"
