// Reads arbitrary bytes as RTF (and as Orvel's own clipboard format): reading must never fail,
// every character must come out with a charset, and what the document gives for a copy must be
// readable again.
#include "core/article/SelectionRtf.h"
#include "core/base/OrvelError.h"
#include "core/search/SearchTextConversion.h"
#include "core/settings/Preference.h"
#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"
#include "platform/RtfReader.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Fonts and text layout need a GUI application; it lives as long as the process.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf_reader";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    if (orvel::LoadRtf(document, rtf) != orvel::IsRtf(rtf))
        std::abort();
    const orvel::TRichTextAdapter text(&document);
    // The adapter looks at neighbours for some characters: a bounded prefix keeps runs short.
    const int length = std::min(text.Length(), 4000);
    for (int i = 0; i < length; ++i) {
        const auto charset = text.Attributes(i).Charset;
        if (!charset || *charset < 0 || *charset > 255)
            std::abort();
        (void)text.Byte(i);
    }
    (void)orvel::UnicodePlainText(text, 0, length);
    try {
        (void)orvel::RichTextToInternal(text, true);
    } catch (const orvel::EOrvelError&) {
        // Mixed or unreadable fonts are reported, not failures.
    }
    static const orvel::TPreference preference;
    QTextDocument copy;
    if (!orvel::LoadRtf(copy, orvel::BuildSelectionRtf(text.RichCharacters(0, length), preference)))
        std::abort();

    QTextCursor cursor(&document);
    cursor.setPosition(text.Length() / 2);
    orvel::InsertRtf(cursor, rtf);
    (void)orvel::DecodeRichTextRuns(QByteArray::fromRawData(rtf.data(), qsizetype(size)));
    return 0;
}
