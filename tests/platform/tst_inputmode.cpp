// The input-mode filter on a control: what text reaches the control and with which format.
#include "platform/InputMode.h"
#include "platform/TextProperties.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace orvel;

namespace {

// Stands in for a text control: records the text of what reaches it.
class TReceiver : public QObject {
public:
    QStringList Typed;
    QStringList Committed;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            Typed << static_cast<QKeyEvent*>(event)->text();
        else if (event->type() == QEvent::InputMethod)
            Committed << static_cast<QInputMethodEvent*>(event)->commitString();
        else
            return QObject::event(event);
        event->accept();
        return true;
    }
};

// A control with the filter installed; the formats asked for, as "font/charset".
struct TControl {
    TReceiver Receiver;
    TInputModeFilter Filter;
    QStringList Formats;

    explicit TControl(TInputMode mode) : Filter(mode) {
        Receiver.installEventFilter(&Filter);
        QObject::connect(&Filter, &TInputModeFilter::CharFormatRequested,
                         [this](const QTextCharFormat& format) {
                             Formats << QString("%1/%2")
                                            .arg(format.fontFamilies().toStringList().join(','))
                                            .arg(format.intProperty(CharsetProperty));
                         });
    }

    void Press(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, modifiers, text);
        QCoreApplication::sendEvent(&Receiver, &event);
    }

    void Commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&Receiver, &event);
    }
};

const QString Russian = "Times New Roman/204";
const QString Greek = "Orvel000/0";

} // namespace

class TestInputMode : public QObject {
    Q_OBJECT

private slots:
    void russianModeTypesCyrillicOnLatinKeys() {
        TControl control(TInputMode::Russian);
        for (const QString key : {"q", "W", "[", "/", "?", "ж", "5", " "})
            control.Press(key);
        QCOMPARE(control.Receiver.Typed, QStringList({"й", "Ц", "х", ".", ",", "ж", "5", " "}));
        QCOMPARE(control.Formats, QStringList(8, Russian));
    }

    void greekModeTakesKeysAsTyped() {
        TControl control(TInputMode::Greek);
        for (const QString key : {"q", "/", "ж", "λ"})
            control.Press(key);
        QCOMPARE(control.Receiver.Typed, QStringList({"q", "/", "ж", "λ"}));
        // Cyrillic or Greek from a system layout keeps the format of its script.
        QCOMPARE(control.Formats,
                 QStringList({Greek, Greek, Russian, QString("Times New Roman/161")}));
    }

    void controlKeysAndShortcutsPassUntouched() {
        TControl control(TInputMode::Russian);
        control.Press("\r");
        control.Press("\x08");
        control.Press("r", Qt::ControlModifier);
        control.Press("");
        QCOMPARE(control.Receiver.Typed, QStringList({"\r", "\x08", "r", ""}));
        QVERIFY(control.Formats.isEmpty());
    }

    void switchingTheModeWithOrWithoutTheKeyboard() {
        TControl control(TInputMode::Greek);
        control.Filter.SetMode(TInputMode::Russian, false);
        control.Press("q");
        control.Filter.SetMode(TInputMode::Russian, true);
        control.Press("q");
        control.Filter.SetMode(TInputMode::Greek, true);
        control.Press("q");
        QCOMPARE(control.Receiver.Typed, QStringList({"q", "й", "q"}));
        QCOMPARE(control.Formats, QStringList({Russian, Russian, Greek}));
    }

    void textOfTwoScriptsArrivesInRunsOfOneFormat() {
        TControl control(TInputMode::Greek);
        control.Press("ab\u0436c");
        QCOMPARE(control.Receiver.Typed, QStringList({"ab", "ж", "c"}));
        QCOMPARE(control.Formats, QStringList({Greek, Russian, Greek}));
    }

    void inputMethodCommitsAreMappedToo() {
        TControl control(TInputMode::Russian);
        control.Commit("hello");
        control.Commit("");
        QCOMPARE(control.Receiver.Committed, QStringList({"руддщ", ""}));
        QCOMPARE(control.Formats, QStringList({Russian}));
    }

    void modeFormatsNameFontAndCharset() {
        const QTextCharFormat russian = InputModeCharFormat(TInputMode::Russian);
        QCOMPARE(russian.fontFamilies().toStringList(), QStringList("Times New Roman"));
        QCOMPARE(russian.intProperty(CharsetProperty), 204);
        const QTextCharFormat greek = InputModeCharFormat(TInputMode::Greek);
        QCOMPARE(greek.fontFamilies().toStringList(), QStringList("Orvel000"));
        QVERIFY(greek.hasProperty(CharsetProperty));
        QCOMPARE(greek.intProperty(CharsetProperty), 0);
    }
};

QTEST_GUILESS_MAIN(TestInputMode)
#include "tst_inputmode.moc"
