// The loading sequence that runs once after the window is first shown, and the window state
// kept in the settings store.
#include "core/SampleEdition.h"
#include "core/dictionary/DataFileCheck.h"
#include "core/dictionary/MainDictionary.h"
#include "core/storage/SettingsStore.h"
#include "platform/FileReading.h"
#include "platform/QtSettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/article/ArticleView.h"
#include "ui/lookup/LookupPanel.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>

namespace orvel {

namespace {

constexpr int DesignedWidth = 960;
constexpr int DesignedHeight = 680;

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The editions whose files the program accepts: the full dictionary and the sample edition
// that comes with the program.
std::vector<TEdition> KnownEditions() {
    return {StandardEdition(),
            TEdition{"sample", SampleEditionDicSize, SampleEditionIdxSize, SampleEditionIdzSize}};
}

QRect AvailableScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void TFormOrvel::StartupLoad() {
    if (FLoaded)
        return;
    {
        TBusyScope busy(*this);
        Guarded(TReport::Error, [&] { LoadDictionary(); });
        if (FLoaded) {
            // The word list shows the dictionary's first words rather than nothing; no article
            // opens, the readme keeps the pane.
            Guarded(TReport::InternalError, [&] { FLookupPanel->BuildWordBlock(0); });
            try {
                // A missing fonts file is the graver warning: the readme's does not hide it.
                const QString failure = LoadDocumentIntoArticlePane(TDocument::Readme);
                if (!failure.isEmpty() && FMissingFonts.isEmpty())
                    StatusWarning(failure);
            } catch (...) {
                // Whatever goes wrong with the readme leaves the pane as it was.
            }
        }
        // Set before the busy scope ends, which lets the actions come back by their rules.
        FLoadingEnded = true;
    }
    emit LoadingFinished(FLoaded);
}

void TFormOrvel::LoadDictionary() {
    DisableActionsWithProgress(QStringLiteral("Выполняется загрузка словаря"));
    const TPaths& paths = FEnvironment.Paths;
    const std::string dic = LocalPath(paths.DictionaryFile(QStringLiteral(".dic")));
    CheckDataFiles(dic, LocalPath(paths.DictionaryFile(QStringLiteral(".idx"))),
                   LocalPath(paths.DictionaryFile(QStringLiteral(".idz"))), KnownEditions());
    FDictionary->Open(dic);
    // The edition's own vocabulary rows; without its file the rows known to the program serve.
    const std::string voc = VocabularyFileName(dic);
    if (QFileInfo::exists(QFile::decodeName(voc.c_str())))
        FVocabulary = LoadVocabularyFile(voc);

    StatusProgress(QStringLiteral("Выполняется индексирование словаря"));
    FDictionary->LoadIndex();

    StatusProgress(QStringLiteral("Выполняется загрузка закладок"));
    LoadBookmarks();

    StatusProgress(QStringLiteral("Выполняется загрузка заметок"));
    FDictionary->LoadAllNotes(LocalPath(paths.UserFolder()));

    FLoaded = true;
    StatusInfo(QStringLiteral("Словарь готов к работе"), 100);
    if (!FMissingFonts.isEmpty())
        StatusWarning(QStringLiteral("Не найден файл шрифта: ") + FMissingFonts.join(", "));
}

QString TFormOrvel::LoadDocumentIntoArticlePane(TDocument document) {
    const QString path = FEnvironment.Paths.DocumentPath(document);
    const TFileContent content = ReadWholeFile(path);
    if (!content.Read())
        return content.Error;
    if (!FArticleView->ShowDocument(
            std::string_view(content.Bytes.constData(), size_t(content.Bytes.size()))))
        return QStringLiteral("Не удалось открыть файл: ") + path;
    return {};
}

void TFormOrvel::ReadWindowState() {
    const QRect screen = AvailableScreen();
    const int width = std::min(DesignedWidth, screen.width());
    const int height = std::min(DesignedHeight, screen.height());
    const QRect designed(screen.x() + (screen.width() - width) / 2,
                         screen.y() + (screen.height() - height) / 2, width, height);
    const TWindowState state = LoadMainWindowState(*FEnvironment.Store, designed, screen);
    const QRect rect = ToQRect(state.Rect);
    resize(rect.size());
    move(rect.topLeft());
    if (state.Maximize)
        setWindowState(windowState() | Qt::WindowMaximized);
    FStartLeftWidth = state.LeftWidth;
}

void TFormOrvel::ApplyLeftWidth() {
    if (QLayout* layout = this->layout())
        layout->activate();
    const int total = std::max(SplitterLeftRight->width(), FStartLeftWidth + 1);
    SplitterLeftRight->setSizes({FStartLeftWidth, total - FStartLeftWidth});
}

void TFormOrvel::WriteWindowState() {
    TWindowState state;
    state.Maximize = isMaximized();
    state.Rect = {x(), y(), width(), height()};
    state.LeftWidth = PanelLeft->width();
    SaveMainWindowState(*FEnvironment.Store, state);
}

} // namespace orvel
