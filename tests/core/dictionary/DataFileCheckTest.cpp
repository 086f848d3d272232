#include "core/dictionary/DataFileCheck.h"

#include "core/base/ErrorBox.h"
#include "core/base/OrvelError.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvel;
using orvel::testing::TTempDir;

namespace {

const TEdition Sample{"sample", 1000, 44, 2600};

// Messages show paths in lower case (and the scratch folder's name may hold capitals).
std::string Lower(std::string path) {
    for (char& c : path)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return path;
}

class DataFileCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetErrorBoxHandler([this](const std::string& m) { shown.push_back(m); });
    }
    void TearDown() override { SetErrorBoxHandler(previous); }

    // A file of the size (its contents do not matter to the check).
    void Make(const std::string& name, uintmax_t size) {
        std::ofstream(folder.File(name)).close();
        std::filesystem::resize_file(folder.File(name), size);
    }
    void MakeStandard() {
        Make("orvel.dic", 7968875);
        Make("orvel.idx", 282108);
        Make("orvel.idz", 2600);
    }

    std::string Shown(const std::string& name) const { return Lower(folder.File(name)); }

    TEdition Check(const std::string& base = "orvel") {
        return CheckDataFiles(folder.File(base + ".dic"), folder.File(base + ".idx"),
                              folder.File(base + ".idz"), {StandardEdition(), Sample});
    }

    // The check fails with the short text and shows the long one in the error box, once.
    void ExpectFailure(const std::string& text, const std::string& box) {
        try {
            Check();
            ADD_FAILURE() << "the check passed";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(error.what(), text);
        }
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], box);
    }
    static std::string MissingBox(const std::string& path) {
        return "Отсутствует обязательный файл: " + path +
               "\r\n\r\nЦелесообразно полностью переустановить словарь.";
    }
    static std::string ChangedBox(const std::string& path) {
        return "Обнаружено изменение файла: " + path +
               "\r\n\r\nЭто может случиться, например, по следующим причинам: повреждение файла "
               "на диске, смешение файлов из различных версий словаря, заражение вирусом.\r\n\r\n"
               "Целесообразно полностью переустановить словарь.";
    }

    TTempDir folder;
    std::vector<std::string> shown;
    TErrorBoxHandler previous;
};

TEST_F(DataFileCheckTest, TheDicSizeChoosesTheEditionAndItsIndexSizes) {
    MakeStandard();
    EXPECT_STREQ(Check().Name, "standard");

    Make("orvel.dic", 1000);
    Make("orvel.idx", 44);
    EXPECT_STREQ(Check().Name, "sample");
    EXPECT_TRUE(shown.empty());

    // The sample's .dic with the standard edition's .idx is a mixture of editions.
    Make("orvel.idx", 282108);
    ExpectFailure("Обнаружено изменение файла: " + Shown("orvel.idx"),
                  ChangedBox(Shown("orvel.idx")));
}

TEST_F(DataFileCheckTest, AMissingDicFailsAsMissing) {
    Make("orvel.idx", 282108);
    Make("orvel.idz", 2600);
    ExpectFailure("Отсутствует файл: " + Shown("orvel.dic"), MissingBox(Shown("orvel.dic")));

    // A folder by the file's name is no file either.
    shown.clear();
    std::filesystem::create_directory(folder.File("orvel.dic"));
    ExpectFailure("Отсутствует файл: " + Shown("orvel.dic"), MissingBox(Shown("orvel.dic")));
}

TEST_F(DataFileCheckTest, TheFirstFileOfAWrongSizeIsReported) {
    MakeStandard();
    Make("orvel.idx", 282107);
    Make("orvel.idz", 2599);
    ExpectFailure("Обнаружено изменение файла: " + Shown("orvel.idx"),
                  ChangedBox(Shown("orvel.idx")));

    shown.clear();
    Make("orvel.idx", 282108);
    ExpectFailure("Обнаружено изменение файла: " + Shown("orvel.idz"),
                  ChangedBox(Shown("orvel.idz")));

    // A .dic of no edition's size is reported before the index files.
    shown.clear();
    Make("orvel.dic", 7968874);
    ExpectFailure("Обнаружено изменение файла: " + Shown("orvel.dic"),
                  ChangedBox(Shown("orvel.dic")));
}

TEST_F(DataFileCheckTest, MissingIndexFilesPassBecauseLoadingRebuildsThem) {
    Make("orvel.dic", 7968875);
    EXPECT_STREQ(Check().Name, "standard");
    Make("orvel.idz", 2600);
    EXPECT_STREQ(Check().Name, "standard");
    EXPECT_TRUE(shown.empty());
}

TEST_F(DataFileCheckTest, MessagesNameThePathInLowerCaseButTheRealFileIsChecked) {
    std::filesystem::create_directory(folder.File("Data"));
    Make("Data/Orvel.dic", 7968875);
    Make("Data/Orvel.idx", 100);
    try {
        Check("Data/Orvel");
        ADD_FAILURE() << "the check passed";
    } catch (const EOrvelError& error) {
        EXPECT_EQ(error.what(), "Обнаружено изменение файла: " + Shown("data/orvel.idx"));
    }
}

} // namespace
