#include "ui/automation/OrvelDictionary.h"

#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace orvel {

TOrvelDictionary::TOrvelDictionary(TFormOrvel& form) : QObject(&form), FForm(form) {
    setObjectName(QStringLiteral("OrvelDictionary"));
}

bool TOrvelDictionary::Register() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.registerObject(QString::fromLatin1(ObjectPath), this,
                                                   QDBusConnection::ExportScriptableSlots |
                                                       QDBusConnection::ExportScriptableProperties);
}

uint TOrvelDictionary::AppHandle() const {
    return WinHandle();
}

uint TOrvelDictionary::WinHandle() const {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return 0;
    return uint(FForm.winId());
}

void TOrvelDictionary::WordSearch() {
    if (FForm.Loaded())
        FForm.PostMessage(WM_SEARCH_LINE, SEARCH_PASTE);
}

void TOrvelDictionary::WordEdit() {
    FForm.PostMessage(WM_WORD_EDIT);
}

void TOrvelDictionary::OrvelSave() {
    if (!FForm.OrvelSave() && calledFromDBus())
        sendErrorReply(QString::fromLatin1(SaveFailedError),
                       QStringLiteral("Закладки не сохранены"));
}

void TOrvelDictionary::ExtSearch() {
    FForm.PostMessage(WM_SEARCH_LINE, SEARCH_ACTIVATE | SEARCH_PASTE | SEARCH_SHOW);
}

void TOrvelDictionary::ExtWordEdit() {
    FForm.PostMessage(WM_WORD_EDIT);
}

void TOrvelDictionary::LookUpWord(const QString& word) {
    FForm.LookUpWord(word);
}

} // namespace orvel
