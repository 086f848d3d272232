// A Greek word handed to the program from outside (the command line, another program) as UTF-8:
// either Unicode Greek, monotonic or polytonic, or the display layout typed on Latin keys.
#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The word in the display layout, ready for the search line. Text with a Greek letter is read
// as Unicode Greek; other text is taken as the display layout, its characters up to U+00FF
// being the layout's bytes. Empty when nothing of the word is left.
std::string ExternalWordToDisplay(std::string_view utf8);

} // namespace orvel
