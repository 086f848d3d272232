#include "core/article/VocabularyTables.h"

#include "core/article/ArticleRenderer.h"
#include "core/base/OrvelError.h"
#include "core/encoding/Windows1251.h"
#include "core/settings/Preference.h"
#include "core/storage/VkrStream.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

using T = TVocabularyTable;

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// A complete vocabulary: the compiled-in rows and made-up content for the rest.
TVocabulary CompleteVocabulary() {
    TVocabulary vocabulary = TVocabulary::BuiltIn();
    for (int t = 0; t < VocabularyTableCount; ++t)
        for (size_t r = 0; r < vocabulary.Tables[size_t(t)].size(); ++r) {
            auto& row = vocabulary.Tables[size_t(t)][r];
            if (!row.Text)
                row.Text = "row" + std::to_string(r);
            if (TableInfo(TVocabularyTable(t)).Signs && !row.Explanation)
                row.Explanation = r % 2 ? "" : "explained " + std::to_string(r);
        }
    return vocabulary;
}

TEST(VocabularyTablesTest, RowCountsAndKnownRows) {
    const TVocabulary& v = TVocabulary::BuiltIn();
    const int rows[] = {26, 141, 192, 93, 107, 2161, 156, 109};
    for (int t = 0; t < VocabularyTableCount; ++t)
        EXPECT_EQ(v.Tables[size_t(t)].size(), size_t(rows[t])) << TableInfo(T(t)).Name;
    EXPECT_EQ(*v.Row(T::ArticleMarks, 19)->Explanation, "\xA9 "); // "© "
    EXPECT_EQ(*v.Text(T::Authors, 39), "Plat.");
    EXPECT_EQ(*v.Text(T::Authors, 140), "Dioklen.");
    EXPECT_EQ(*v.Row(T::Authors, 25)->Explanation, Cp("Гомер X-IX вв. до н.э."));
    EXPECT_FALSE(v.Row(T::Authors, 1)->Explanation); // known only to the edition
    EXPECT_EQ(*v.Text(T::RussianSigns, 191), Cp("греч.-евр."));
    EXPECT_EQ(*v.Row(T::RussianSigns, 54)->Explanation, ""); // "см." has none
    EXPECT_EQ(*v.Text(T::LatinSigns, 92), "et.");
    EXPECT_EQ(*v.Text(T::IndefinitePhrases, 106), Cp("(перед кем-л.)"));
    EXPECT_EQ(*v.Text(T::RussianWords, 2160), Cp("4-й"));
    EXPECT_EQ(v.Text(T::RussianWords, 10), nullptr);
    EXPECT_EQ(*v.Text(T::GreekEndings, 4), "pqae\xC2ia");
    EXPECT_EQ(*v.Text(T::VowelQuantities, 108), "\xCC"
                                                "a");
    EXPECT_EQ(v.Row(T::VowelQuantities, 109), nullptr);
    EXPECT_EQ(v.Row(T::ArticleMarks, -1), nullptr);
    EXPECT_FALSE(v.Complete());
}

TEST(VocabularyTablesTest, FileRoundTripAndUseByTheRenderer) {
    TTempDir dir;
    const std::string file = VocabularyFileName(dir.File("orvel.dic"));
    EXPECT_EQ(file, dir.File("orvel.voc"));
    TVocabulary written = CompleteVocabulary();
    written.Tables[size_t(T::RussianWords)][10].Text = Cp("слово");
    SaveVocabularyFile(file, written);

    TVocabulary read = LoadVocabularyFile(file);
    EXPECT_TRUE(read.Complete());
    EXPECT_EQ(read.Tables, written.Tables);
    const std::string rtf = RenderArticle("a\x85\x4A", TPreference(), read);
    EXPECT_NE(rtf.find("\\'f1\\'eb\\'ee\\'e2\\'ee"), std::string::npos);
}

TEST(VocabularyTablesTest, IncompleteVocabularyIsNotWritten) {
    TTempDir dir;
    EXPECT_THROW(SaveVocabularyFile(dir.File("x.voc"), TVocabulary::BuiltIn()), EOrvelError);
}

TEST(VocabularyTablesTest, FileThatContradictsTheProgramIsRefused) {
    TTempDir dir;
    const std::string file = dir.File("orvel.voc");
    TVocabulary vocabulary = CompleteVocabulary();
    vocabulary.Tables[size_t(T::Authors)][39].Text = "Plato";
    SaveVocabularyFile(file, vocabulary);
    try {
        LoadVocabularyFile(file);
        FAIL() << "a contradicting file was accepted";
    } catch (const EOrvelError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Ошибка чтения файла словаря orvel.voc: таблица Authors, строка 39 "
                  "расходится со встроенной");
    }
    vocabulary = CompleteVocabulary();
    vocabulary.Tables[size_t(T::RussianSigns)][54].Explanation = "x"; // has none
    SaveVocabularyFile(file, vocabulary);
    EXPECT_THROW(LoadVocabularyFile(file), EOrvelError);
}

TEST(VocabularyTablesTest, DamagedFilesAreRefused) {
    TTempDir dir;
    const std::string file = dir.File("orvel.voc");
    EXPECT_THROW(LoadVocabularyFile(file), EOrvelError); // missing
    SaveVocabularyFile(file, CompleteVocabulary());
    const std::string good = ReadFile(file);
    for (size_t cut : {size_t(5), good.size() / 2, good.size() - 1}) {
        WriteFile(file, good.substr(0, cut));
        EXPECT_THROW(LoadVocabularyFile(file), EOrvelError) << cut;
    }
    // Anything after the eighth table, even one more value, is not this format.
    for (const std::string_view extra : {std::string_view("\0", 1), std::string_view("\x02\x05")}) {
        WriteFile(file, good + std::string(extra));
        try {
            LoadVocabularyFile(file);
            ADD_FAILURE() << "bytes after the last table were accepted";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Ошибка чтения файла словаря orvel.voc: Нарушена структура файла");
        }
    }
    // A table with a row count of its own is not this program's table.
    TFileSaveStream stream(file, 4096, 1, "OrvelVocabulary");
    stream.Header();
    stream.Writer->WriteString("ArticleMarks");
    stream.Writer->WriteInteger(27);
    stream.Commit();
    EXPECT_THROW(LoadVocabularyFile(file), EOrvelError);
}

} // namespace
