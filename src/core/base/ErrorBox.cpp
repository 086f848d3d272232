#include "core/base/ErrorBox.h"

#include "core/base/OrvelError.h"

#include <utility>

namespace orvel {

namespace {
TErrorBoxHandler& Handler() {
    static TErrorBoxHandler handler;
    return handler;
}
} // namespace

TErrorBoxHandler SetErrorBoxHandler(TErrorBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void ShowErrorBox(const std::string& message) {
    if (Handler())
        Handler()(message);
}

void FailWithErrorBox(const std::string& message) {
    ShowErrorBox(message);
    throw EOrvelError(message);
}

} // namespace orvel
