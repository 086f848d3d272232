// The icons of the tool buttons, drawn at run time.
#pragma once

#include "core/appmodel/MainActions.h"

#include <QIcon>

namespace orvel {

// The icon of an action's tool button; a null icon for actions without one.
QIcon ToolIcon(TMainAction action);

} // namespace orvel
