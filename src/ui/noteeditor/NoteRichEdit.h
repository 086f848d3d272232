// The note editor's text control: rich text of at most NoteMaxLength characters on one
// paragraph (Enter inserts no line break). Copies offer RTF and Orvel's own format; pastes and
// drops take only rich text, whose fonts and charsets the note needs, never plain text.
#pragma once

#include <QTextEdit>

namespace orvel {

class TPreference;

inline constexpr int NoteMaxLength = 16000;

// Whether data offers rich text the editor can paste.
bool OffersRichText(const class QMimeData* data);

class TNoteRichEdit : public QTextEdit {
    Q_OBJECT

public:
    TNoteRichEdit(const TPreference& preference, QWidget* parent = nullptr);

    // The number of characters of the text.
    int TextLength() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Removes what an edit inserted beyond the limit.
    void LimitLength(int position, int added);

    const TPreference& FPreference;
    bool FLimiting = false;
};

} // namespace orvel
