// Times opening the note editor on a notes file of 10 000 notes of the full-size synthetic
// edition, each with a short Russian text: from creating the window to its first showing done
// (the note rendered, the list built), and closing it unchanged. Without a display.
//
//     orvel_note_editor_bench [--runs N]
#include "core/article/VocabularyTables.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/settings/Preference.h"
#include "core/synth/SyntheticEdition.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"
#include "ui/noteeditor/FormUserEditor.h"

#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace orvel;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int runs = 20;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));

    testing::TTempDir dir;
    const std::string dic = dir.Path() + "/orvel.dic";
    testing::WriteFile(dic, GenerateSyntheticEdition(1).Dic);
    TMainDictionary dictionary;
    dictionary.Open(dic);
    dictionary.LoadIndex();

    TUserDictionary notes(dir.Path(), "bench", true, &dictionary);
    const int32_t step = dictionary.Count() / 10000;
    const std::string text = "\x07\x03" + Utf8ToCp1251("заметка к статье");
    for (int i = 0; i < 10000; ++i)
        TUserArticle::Create(notes, i * step)->SetText(text);
    notes.Modified = false;

    TPreference preference;
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        TUserArticle* note = notes.Items((run * 997) % notes.Count());
        const auto start = std::chrono::steady_clock::now();
        TFormUserEditor editor(note, preference, TVocabulary::BuiltIn(), {});
        editor.resize(960, 680);
        editor.show();
        const auto shown = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
        if (editor.ListBox->count() == 0)
            return 1;
        editor.done(QDialog::Accepted);
    }
    std::sort(samples.begin(), samples.end());
    std::printf(
        "open the note editor, 10000 notes       median %7.3f ms   max %7.3f ms   (%d runs)\n",
        samples[samples.size() / 2], samples.back(), runs);
    return 0;
}
