// Data-file errors are shown in the program's error box before they are raised. The core does
// not draw: whoever shows the box (the main window, the command-line tool, a test) installs a
// handler, and the core hands it the message and then fails with the same text.
#pragma once

#include <functional>
#include <string>

namespace orvel {

using TErrorBoxHandler = std::function<void(const std::string& message)>;

// Installs the handler and returns the previous one. An empty handler shows nothing.
TErrorBoxHandler SetErrorBoxHandler(TErrorBoxHandler handler);

// Hands the message to the installed handler, if any.
void ShowErrorBox(const std::string& message);

// Shows the message in the error box, then throws EOrvelError with the same text.
[[noreturn]] void FailWithErrorBox(const std::string& message);

} // namespace orvel
