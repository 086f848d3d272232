// The 11 x 11 images of the note pane's header, drawn at run time: previous and next enabled
// (0, 1), previous and next disabled (2, 3), a note of the current notes file (4) and a note of
// another notes file (5).
#pragma once

#include <QList>
#include <QPixmap>

namespace orvel {

enum TNoteImage {
    NoteImagePrevious = 0,
    NoteImageNext = 1,
    NoteImagePreviousDisabled = 2,
    NoteImageNextDisabled = 3,
    NoteImageCurrentFile = 4,
    NoteImageOtherFile = 5,
};

QList<QPixmap> DrawNoteImages(qreal devicePixelRatio = 1.0);

} // namespace orvel
