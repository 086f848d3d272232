// A Qt plug-in for the installation test. Loaded into the installed program, unchanged, through
// QT_QPA_GENERIC_PLUGINS=orvelstatusprobe, it prints every message of the main window's status
// line and, once loading is over, which display fonts the program has; then it closes the
// window, so that the program ends as a user ends it.
#include <QApplication>
#include <QFontDatabase>
#include <QGenericPlugin>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

const QString ReadyText = QStringLiteral("Словарь готов к работе");

void Print(const QString& line) {
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

class TStatusProbe : public QObject {
    Q_OBJECT

public:
    TStatusProbe() { QCoreApplication::instance()->installEventFilter(this); }

    // The status line, a status bar that announces each message, is polished when the window
    // first shows, before the loading starts.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!FStatusBar && event->type() == QEvent::Polish && qobject_cast<QStatusBar*>(watched) &&
            watched->metaObject()->indexOfSignal("Drawn(int,QString)") >= 0 &&
            connect(watched, SIGNAL(Drawn(int, QString)), this, SLOT(Drawn(int, QString))))
            FStatusBar = qobject_cast<QWidget*>(watched);
        return false;
    }

private slots:
    void Drawn(int kind, const QString& text) {
        Print(QStringLiteral("status %1:%2").arg(kind).arg(text));
        if (text.trimmed() != ReadyText || !FStatusBar)
            return;
        QStringList fonts;
        for (const QString& family : {QStringLiteral("Orvel000"), QStringLiteral("Orvel001")})
            if (QFontDatabase::families().contains(family))
                fonts << family;
        Print(QStringLiteral("fonts: ") + fonts.join(' '));
        QTimer::singleShot(0, FStatusBar->window(), &QWidget::close);
    }

private:
    QPointer<QWidget> FStatusBar;
};

class TStatusProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StatusProbe.json")

public:
    QObject* create(const QString& name, const QString&) override {
        return name == QStringLiteral("orvelstatusprobe") ? new TStatusProbe : nullptr;
    }
};

} // namespace

#include "StatusProbe.moc"
