// A read-only rich-text pane that shows an article (or a note): it keeps its selection visible
// without the focus, scrolls one line per wheel step and leaves letter keys and Enter to the
// window, which acts on the word at the caret. Every left press is reported with its time and
// place, so that the view can tell a double click by its own rule; the control's own double
// click (which selects by another rule) is taken as a plain press.
#pragma once

#include <QTextEdit>
#include <string_view>

namespace orvel {

class TArticlePane : public QTextEdit {
    Q_OBJECT

public:
    explicit TArticlePane(QWidget* parent = nullptr);

    // The height of one line of the pane's text, the distance of one wheel step.
    int LineStep() const;

    // Replaces the pane's text by the RTF document's; false, leaving the pane as it was, when
    // the bytes are no RTF. The text is built apart and laid out once, not after every piece.
    bool LoadRtfText(std::string_view rtf);

    // Whether the pane's menu opens on the right button's release (the article pane) or as the
    // desktop opens context menus (the note pane).
    void SetMenuOnRightRelease(bool onRelease) { FMenuOnRightRelease = onRelease; }

signals:
    void EnterReleased();
    void LeftPressed(const QPoint& globalPosition, quint64 timestamp);
    void ContextMenuRequested(const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int FWheelRemainder = 0; // eighths of a degree not yet turned into a step
    bool FMenuOnRightRelease = true;
};

} // namespace orvel
