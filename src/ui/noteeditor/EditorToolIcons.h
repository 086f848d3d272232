// The icons of the note editor's tool buttons, drawn at run time.
#pragma once

#include "core/appmodel/NoteEditorActions.h"

#include <QIcon>

namespace orvel {

// The icon of an editor action's tool button; a null icon for actions on no tool bar.
QIcon EditorToolIcon(TEditorAction action);

} // namespace orvel
