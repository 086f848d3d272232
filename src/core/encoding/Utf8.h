// UTF-8, the form of text that leaves or enters the program outside its 8-bit encodings: source
// files, plain text for other programs, Unicode Greek. One encoder and one reader of a sequence
// serve every conversion, so that all of them agree on what is well-formed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvel {

// Appends the one to four bytes of a code point. A surrogate or a value above U+10FFFF, which
// UTF-8 cannot hold, is written as U+FFFD, so the result is always well-formed.
void AppendUtf8(std::string& out, char32_t codePoint);

// The length (1 to 4) of the well-formed sequence at text[i], with its code point in codePoint;
// 0 when the bytes there begin none: a continuation byte, a lead byte that no sequence starts
// with, a truncated sequence, an overlong form, a surrogate or a value above U+10FFFF.
size_t ReadUtf8(std::string_view text, size_t i, char32_t& codePoint);

// The code points of UTF-8 text; a byte that does not begin a well-formed sequence is skipped.
std::u32string DecodeUtf8(std::string_view text);

} // namespace orvel
