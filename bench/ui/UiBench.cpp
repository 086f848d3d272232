// Times the main window on the full-size synthetic edition, without a display: from creating
// the window to "Словарь готов к работе", a keystroke in the search line to the repainted word
// list, opening articles (render, load, show) with and without a note in the note pane, a
// full-text search that finds nothing (Ctrl+F to the warning, the progress dialog included), and
// the resident memory of the running window.
//
//     orvel_ui_bench [--keystrokes N] [--articles N] [--searches N]
#include "core/article/ArticleRenderer.h"
#include "core/dictionary/MainDictionary.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Windows1251.h"
#include "core/search/FullTextSearch.h"
#include "core/synth/SyntheticEdition.h"
#include "platform/Paths.h"
#include "platform/QtSettingsStore.h"
#include "platform/RtfReader.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"
#include "ui/article/ArticlePane.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTextDocument>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <thread>

using namespace orvel;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct TFigures {
    std::vector<double> Samples;

    void Add(double ms) { Samples.push_back(ms); }
    double Percentile(double p) {
        std::sort(Samples.begin(), Samples.end());
        return Samples[std::min(Samples.size() - 1, size_t(p * double(Samples.size())))];
    }
    void Print(const char* what) {
        std::printf("%-44s median %7.3f ms   p99 %7.3f ms   max %7.3f ms   (%zu runs)\n", what,
                    Percentile(0.5), Percentile(0.99), Percentile(1.0), Samples.size());
    }
};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The synthetic edition with its index files, and the fonts and readme of the program's folder.
void PrepareData(const std::string& folder, const QString& programFolder) {
    const std::string dic = folder + "/orvel.dic";
    testing::WriteFile(dic, GenerateSyntheticEdition(1).Dic);
    // The index files must be younger than the .dic by the file system's clock.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    TMainDictionary dictionary;
    dictionary.Open(dic);
    dictionary.LoadIndex();
    for (const char* name : {"Orvel000.ttf", "Orvel001.ttf", "readme.rtf"})
        QFile::copy(QDir(programFolder).filePath(name),
                    QDir(QString::fromStdString(folder)).filePath(name));
}

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int keystrokeWords = 200, articles = 500, searches = 50;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--keystrokes")
            keystrokeWords = std::atoi(argv[i + 1]);
        else if (std::string(argv[i]) == "--articles")
            articles = std::atoi(argv[i + 1]);
        else if (std::string(argv[i]) == "--searches")
            searches = std::atoi(argv[i + 1]);
    }

    const auto processStart = Clock::now();
    QApplication application(argc, argv);
    const double applicationMs = Milliseconds(Clock::now() - processStart);

    testing::TTempDir data;
    std::printf("Generating the full-size synthetic edition in %s...\n", data.Path().c_str());
    PrepareData(data.Path(), QCoreApplication::applicationDirPath());
    const QString folder = QString::fromStdString(data.Path());

    // Start-up: the window created and shown, the loading sequence run, the readme shown.
    const auto startup = Clock::now();
    TFormOrvel::TEnvironment environment{
        TPaths(QDir(folder).filePath("orvel"), folder),
        std::make_unique<TQtSettingsStore>(QDir(folder).filePath("Orvel.conf")), nullptr};
    TFormOrvel form(std::move(environment));
    Clock::time_point ready;
    QObject::connect(&form, &TFormOrvel::LoadingFinished, [&] { ready = Clock::now(); });
    form.show();
    while (ready == Clock::time_point())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!form.Loaded()) {
        std::fprintf(stderr, "the synthetic edition did not load\n");
        return 1;
    }
    const double startupMs = Milliseconds(ready - startup);
    QCoreApplication::processEvents();

    TMainDictionary& dictionary = form.Dictionary();
    // The controls the measurements type into and repaint, by their names.
    auto* searchLine = form.findChild<TSearchLine*>(QStringLiteral("RichEditSearch"));
    auto* wordList = form.findChild<TWordListBox*>(QStringLiteral("ListBoxWords"));
    auto* articlePane = form.findChild<TArticlePane*>(QStringLiteral("RichEditArticle"));
    if (!searchLine || !wordList || !articlePane) {
        std::fprintf(stderr, "the window lacks a control the bench measures\n");
        return 1;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> anyArticle(0, dictionary.Count() - 1);

    // A keystroke: the key event, the lookup it posts, the word list rebuilt and repainted.
    TFigures keystroke, keyPart, lookupPart, paintPart;
    // The first words also fill the glyph caches of the list font; they are not counted.
    const int warmUp = 50;
    for (int w = -warmUp; w < keystrokeWords; ++w) {
        const std::string word = InternalToFontWord(dictionary.GetHeadWord(anyArticle(random)));
        searchLine->clear();
        searchLine->setFocus();
        for (const char c : word) {
            const QString text = QChar(char16_t(uint8_t(c)));
            const auto t0 = Clock::now();
            SendKey(searchLine, Qt::Key_unknown, text);
            const auto t1 = Clock::now();
            QCoreApplication::sendPostedEvents(&form);
            const auto t2 = Clock::now();
            wordList->viewport()->repaint();
            const auto t3 = Clock::now();
            if (w < 0)
                continue;
            keystroke.Add(Milliseconds(t3 - t0));
            keyPart.Add(Milliseconds(t1 - t0));
            lookupPart.Add(Milliseconds(t2 - t1));
            paintPart.Add(Milliseconds(t3 - t2));
        }
    }

    // Opening an article: rendered, loaded into the pane and painted.
    TFigures opening;
    for (int i = 0; i < articles; ++i) {
        const int32_t index = anyArticle(random);
        const auto t0 = Clock::now();
        form.GoToArticle({.Index = index, .Show = true});
        articlePane->viewport()->repaint();
        opening.Add(Milliseconds(Clock::now() - t0));
    }
    int32_t longest = 0;
    for (int32_t i = 1; i < dictionary.Count(); ++i)
        if (dictionary.ArticleLength(i) > dictionary.ArticleLength(longest))
            longest = i;
    TFigures openingLongest;
    for (int i = 0; i < 20; ++i) {
        form.GoToArticle({.Index = longest == 0 ? 1 : 0, .Show = true});
        const auto t0 = Clock::now();
        form.GoToArticle({.Index = longest, .Show = true});
        articlePane->viewport()->repaint();
        openingLongest.Add(Milliseconds(Clock::now() - t0));
    }
    QCoreApplication::processEvents();

    // A full-text search that finds nothing: the Russian keys of a word no article holds, then
    // Ctrl+F until the warning is drawn, the progress dialog shown and closed on the way.
    const char* absentKeys = "o;o;o;"; // щжщжщж
    const QString notFound = QStringLiteral(" Указанное слово не найдено");
    auto* statusBar = form.findChild<TVkrStatusBar*>(QStringLiteral("StatusBar"));
    QAction* searchRussian = form.findChild<QAction*>(QStringLiteral("actSearchRussian"));
    QAction* searchText = form.findChild<QAction*>(QStringLiteral("actSearchText"));
    TFigures fullText, fullTextScan;
    if (statusBar && searchRussian && searchText) {
        form.UpdateActions();
        searchRussian->trigger();
        for (const char* key = absentKeys; *key; ++key)
            SendKey(searchLine, Qt::Key_unknown, QString(QChar(*key)));
        QCoreApplication::processEvents();
        Clock::time_point warned;
        QObject::connect(statusBar, &TVkrStatusBar::Drawn, [&](int, const QString& text) {
            if (text == notFound)
                warned = Clock::now();
        });
        for (int i = -3; i < searches; ++i) {
            // Ctrl+F on a window at rest: what the previous search left to do is done first.
            for (const auto rest = Clock::now() + std::chrono::milliseconds(30);
                 Clock::now() < rest;) {
                QCoreApplication::processEvents();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            form.UpdateActions();
            warned = Clock::time_point();
            const auto t0 = Clock::now();
            searchText->trigger();
            while (warned == Clock::time_point())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (i >= 0)
                fullText.Add(Milliseconds(warned - t0));
        }
        // The scan alone, for comparison.
        TSearchSession session;
        const std::string key = char(ScriptRussian) + Utf8ToCp1251("щжщжщж");
        for (int i = 0; i < searches; ++i) {
            TVkrObjectList<TWordDescriptor> hits(true);
            const auto t0 = Clock::now();
            Search(dictionary, session, key, hits, false, 8);
            fullTextScan.Add(Milliseconds(Clock::now() - t0));
            if (hits.Count() != 0)
                std::fprintf(stderr, "the absent word was found\n");
        }
    }
    // Opening an article with a note: the article and its note rendered, loaded and painted.
    // Each note is as long as an article, another article's text.
    const std::string userFolder = QFile::encodeName(form.Paths().UserFolder()).toStdString();
    std::vector<int32_t> noted;
    for (int i = 0; i < articles; ++i) {
        const int32_t index = anyArticle(random);
        dictionary.GetNote(index, "bench", userFolder)
            ->SetText(dictionary.GetArticleText(anyArticle(random)));
        noted.push_back(index);
    }
    auto* notePane = form.findChild<TArticlePane*>(QStringLiteral("RichEditNote"));
    TFigures openingNoted;
    for (const int32_t index : noted) {
        const auto t0 = Clock::now();
        form.GoToArticle({.Index = index, .Show = true});
        articlePane->viewport()->repaint();
        notePane->viewport()->repaint();
        openingNoted.Add(Milliseconds(Clock::now() - t0));
    }
    QCoreApplication::processEvents();

    // Where the time of the longest goes.
    {
        const std::string text = dictionary.GetArticleText(longest);
        auto t0 = Clock::now();
        const std::string rtf = RenderArticle(text, form.Preference(), form.Vocabulary());
        auto t1 = Clock::now();
        QTextDocument document;
        LoadRtf(document, rtf);
        auto t2 = Clock::now();
        std::printf("longest: render %.3f ms (%zu bytes of RTF), load %.3f ms\n",
                    Milliseconds(t1 - t0), rtf.size(), Milliseconds(t2 - t1));
    }

    std::printf("\nOrvel main window, full-size synthetic edition (%d articles)\n",
                dictionary.Count());
    std::printf("%-44s %7.1f ms\n", "QApplication created", applicationMs);
    std::printf("%-44s %7.1f ms\n", "window created to \"Словарь готов к работе\"", startupMs);
    keystroke.Print("keystroke to repainted word list");
    keyPart.Print("  the key in the search line");
    lookupPart.Print("  the lookup and the list rebuilt");
    paintPart.Print("  the list painted");
    opening.Print("open a random article");
    char longestLabel[96];
    std::snprintf(longestLabel, sizeof longestLabel, "open the longest article (%d bytes)",
                  dictionary.ArticleLength(longest));
    openingLongest.Print(longestLabel);
    if (!fullText.Samples.empty()) {
        fullText.Print("full-text search finding nothing, to warning");
        fullTextScan.Print("  the scan alone");
    }
    openingNoted.Print("open a random article with a note");
    std::printf("%-44s %7.1f MB\n", "resident memory", double(ResidentKilobytes()) / 1024.0);
    return 0;
}
