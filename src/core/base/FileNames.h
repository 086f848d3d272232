// Names of files inside a folder the program owns (the User folder).
#pragma once

#include <string_view>

namespace orvel {

// Whether Name, put after a folder and "/", names a visible entry of that folder itself: it is
// not empty, holds no "/" and no NUL byte (which would end the path early), and does not start
// with "." (neither "." nor "..", nor a hidden file, which the program's folder listings skip).
inline bool IsPlainFileName(std::string_view Name) {
    return !Name.empty() && Name.front() != '.' && Name.find('/') == std::string_view::npos &&
           Name.find('\0') == std::string_view::npos;
}

} // namespace orvel
