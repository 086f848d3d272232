// A copy of the program's data (the sample edition, its fonts and documents) in a folder of its
// own, so that tests may change it without touching the build's files, and main windows made
// over it with a settings file of their own.
#pragma once

#include "platform/Paths.h"
#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/DialogBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace orvel::testing {

inline QString BinDir() {
    return qEnvironmentVariable("ORVEL_BIN_DIR");
}

class TUiTestData {
public:
    TUiTestData() {
        const QDir bin(BinDir());
        for (const char* name : {"orvel.dic", "orvel.idx", "orvel.idz", "orvel.voc", "Orvel000.ttf",
                                 "Orvel001.ttf", "readme.rtf"}) {
            const QString source = bin.filePath(QString::fromLatin1(name));
            if (QFile::exists(source))
                QFile::copy(source, File(QString::fromLatin1(name)));
        }
        QDir().mkpath(File(QStringLiteral("help")));
        QFile::copy(bin.filePath(QStringLiteral("help/index.html")),
                    File(QStringLiteral("help/index.html")));
    }

    QString Folder() const { return QString::fromStdString(FDir.Path()); }
    QString File(const QString& name) const { return QDir(Folder()).filePath(name); }
    // The program as if it lay in the folder: its data folder is the folder.
    QString Executable() const { return File(QStringLiteral("orvel")); }
    QString SettingsFile() const { return File(QStringLiteral("Orvel.conf")); }

    // A window over the folder; the desktop takes no document unless desktopOpener does, so
    // that no test starts a program of the desktop.
    std::unique_ptr<TFormOrvel> MakeForm(std::function<bool(const QString&)> desktopOpener =
                                             [](const QString&) { return false; }) const {
        TFormOrvel::TEnvironment environment{TPaths(Executable(), Folder()),
                                             std::make_unique<TQtSettingsStore>(SettingsFile()),
                                             nullptr, std::move(desktopOpener)};
        return std::make_unique<TFormOrvel>(std::move(environment));
    }

private:
    TTempDir FDir;
};

// The window's control of that name; a test without it cannot go on.
template <typename T>
T* Control(const TFormOrvel& form, const char* name) {
    T* control = form.findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("The window has no control %s", name);
    return control;
}

// Shows the form and waits for the loading sequence to end; answers whether it loaded.
inline bool ShowAndLoad(TFormOrvel& form) {
    QSignalSpy finished(&form, &TFormOrvel::LoadingFinished);
    form.show();
    if (!finished.wait(10000))
        return false;
    return finished.first().first().toBool();
}

// Closes the error boxes that open while it lives with their "Ok" button and keeps their texts.
class TErrorBoxCatcher : public QObject {
public:
    TErrorBoxCatcher() {
        connect(&FTimer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<TDlgBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            Texts << box->lblMessage->text();
            box->btnYes->click();
        });
        FTimer.start(10);
    }

    QStringList Texts;

private:
    QTimer FTimer;
};

} // namespace orvel::testing
