#include "core/base/ErrorBox.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/GreekEncoding.h"
#include "core/storage/TaggedValues.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

struct TNote {
    int32_t Index;
    std::string Text;
};

std::string NotesFile(const std::vector<TNote>& Notes, int32_t Version = 1, bool Kind = true) {
    TValueWriter writer;
    writer.WriteString("OrvelUserDictionary");
    writer.WriteInteger(Version);
    writer.WriteBoolean(Kind);
    writer.WriteListBegin();
    for (const TNote& note : Notes) {
        writer.WriteInteger(note.Index);
        writer.WriteString(note.Text);
    }
    writer.WriteListEnd();
    return writer.Data();
}

class NotesStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetErrorBoxHandler([this](const std::string& m) { shown.push_back(m); });
        std::filesystem::create_directory(User());
        Open(10);
    }
    void TearDown() override {
        dictionary.reset();
        SetErrorBoxHandler(previous);
    }

    // A fresh dictionary of Count articles, each with the head word "a".
    void Open(int32_t Count) {
        dictionary.reset();
        WriteFile(dir.File("orvel.dic"), BuildDic(std::vector<std::string>(size_t(Count), "a")));
        dictionary = std::make_unique<TMainDictionary>();
        dictionary->Open(dir.File("orvel.dic"));
        dictionary->LoadIndex();
    }

    std::string User() const { return dir.File("User"); }
    std::string UserFile(const std::string& Name) const { return User() + "/" + Name; }

    std::vector<std::string> Chain(int32_t Index) const {
        std::vector<std::string> texts;
        for (TUserArticle* note = dictionary->NoteChain(Index); note; note = note->Next())
            texts.push_back(note->Text());
        return texts;
    }

    TTempDir dir;
    std::unique_ptr<TMainDictionary> dictionary;
    std::vector<std::string> shown;
    TErrorBoxHandler previous;
};

TEST_F(NotesStoreTest, SavesTheExampleFileByteForByteAndReadsItBack) {
    Open(70001);
    const std::string cyrillic = "\xEF\xF0\xE8"; // "при" in Windows-1251
    dictionary->GetNote(70000, "ex", User())->SetText(cyrillic);
    dictionary->GetNote(5, "ex", User())->SetText("abc");
    TUserDictionary* file = dictionary->UserDictionaries[0];
    EXPECT_EQ(file->Items(0)->ArticleIndex(), 5); // kept sorted
    file->Save();
    EXPECT_FALSE(file->Modified);
    EXPECT_EQ(ReadFile(UserFile("ex.not")),
              std::string("\x06\x13OrvelUserDictionary\x02\x01\x09\x01"
                          "\x02\x05\x06\x03"
                          "abc"
                          "\x04\x70\x11\x01\x00"
                          "\x14\x06\x00\x00\x00\xD0\xBF\xD1\x80\xD0\xB8"
                          "\x00",
                          49));

    Open(70001);
    dictionary->LoadAllNotes(User());
    ASSERT_NE(dictionary->FirstNote(70000), nullptr);
    EXPECT_EQ(dictionary->FirstNote(70000)->Text(), cyrillic);
    EXPECT_EQ(dictionary->FirstNote(5)->Text(), "abc");
    EXPECT_FALSE(dictionary->UserDictionaries[0]->Modified);
    EXPECT_TRUE(shown.empty());
}

TEST_F(NotesStoreTest, Version0FileIsRenumberedAndWrittenBackAsVersion1) {
    Open(70001);
    WriteFile(UserFile("old.not"), NotesFile({{3, "y"}, {25229, "x"}}, 0));
    dictionary->LoadAllNotes(User());
    EXPECT_EQ(Chain(25238), std::vector<std::string>{"x"});
    EXPECT_TRUE(Chain(25229).empty());
    TUserDictionary* file = dictionary->UserDictionaries[0];
    EXPECT_TRUE(file->Modified);
    file->Save();
    EXPECT_EQ(ReadFile(UserFile("old.not")), NotesFile({{3, "y"}, {25238, "x"}}));
}

TEST_F(NotesStoreTest, LoadsNotFilesInNameOrderAndShowsTheLastLoaded) {
    WriteFile(UserFile("b.not"), NotesFile({{2, "from b"}}));
    WriteFile(UserFile("a.not"), NotesFile({{2, "from a"}, {7, "a only"}}));
    WriteFile(UserFile(".hidden.not"), NotesFile({{2, "hidden"}}));
    WriteFile(UserFile("c.txt"), NotesFile({{2, "txt"}}));
    std::filesystem::create_directory(UserFile("d.not"));
    dictionary->LoadAllNotes(User());

    ASSERT_EQ(dictionary->UserDictionaries.Count(), 2);
    EXPECT_EQ(dictionary->UserDictionaries[0]->Name(), "a");
    EXPECT_EQ(dictionary->UserDictionaries[1]->Name(), "b");
    EXPECT_EQ(Chain(2), (std::vector<std::string>{"from b", "from a"}));
    EXPECT_EQ(dictionary->FirstNote(2)->Text(), "from b");
    EXPECT_EQ(dictionary->FirstNote(7)->Text(), "a only");
    EXPECT_EQ(dictionary->FirstNote(3), nullptr);
    EXPECT_EQ(dictionary->FirstNote(-1), nullptr);
    EXPECT_EQ(dictionary->FirstNote(10), nullptr);
    EXPECT_TRUE(shown.empty());

    // Destroying a note unlinks it from its article and leaves its file to be written.
    TUserDictionary* b = dictionary->UserDictionaries[1];
    delete b->Items(0);
    EXPECT_EQ(Chain(2), std::vector<std::string>{"from a"});
    EXPECT_EQ(b->Count(), 0);
    EXPECT_TRUE(b->Modified);
    dictionary->UserDictionaries.Delete(0);
    EXPECT_TRUE(Chain(2).empty());
    EXPECT_TRUE(Chain(7).empty());
}

TEST_F(NotesStoreTest, ExtensionInAnyCaseIsLoadedAndSavedBackToTheSameFile) {
    WriteFile(UserFile("Lex.NOT"), NotesFile({{2, "upper"}}));
    WriteFile(UserFile("b.not"), NotesFile({{3, "b"}}));
    WriteFile(UserFile("c.NOTE"), NotesFile({{4, "note"}}));
    dictionary->LoadAllNotes(User());
    ASSERT_EQ(dictionary->UserDictionaries.Count(), 2);
    EXPECT_EQ(dictionary->FirstNote(2)->Text(), "upper");

    dictionary->GetNote(5, "Lex", User())->SetText("five");
    TUserDictionary* lex = dictionary->UserDictionaries[0];
    EXPECT_EQ(lex->FileName(), UserFile("Lex.NOT"));
    lex->Save();
    EXPECT_EQ(ReadFile(UserFile("Lex.NOT")), NotesFile({{2, "upper"}, {5, "five"}}));
    EXPECT_FALSE(std::filesystem::exists(UserFile("Lex.not")));

    // A collection read only when a note is asked for finds its file the same way.
    WriteFile(UserFile("Late.Not"), NotesFile({{1, "late"}}));
    TUserArticle* late = dictionary->GetNote(1, "Late", User());
    EXPECT_EQ(late->Text(), "late");
    late->SetText("later");
    late->Owner()->Save();
    EXPECT_EQ(ReadFile(UserFile("Late.Not")), NotesFile({{1, "later"}}));
    EXPECT_FALSE(std::filesystem::exists(UserFile("Late.not")));
    EXPECT_TRUE(shown.empty());
}

TEST_F(NotesStoreTest, FilesWhoseExtensionsDifferInCaseShareTheirNameConsistently) {
    WriteFile(UserFile("n.NOT"), NotesFile({{1, "upper"}, {2, "upper only"}}));
    WriteFile(UserFile("n.not"), NotesFile({{1, "lower"}}));
    dictionary->LoadAllNotes(User());
    ASSERT_EQ(dictionary->UserDictionaries.Count(), 2);
    // The editor opens the note the pane shows.
    for (int32_t article : {1, 2})
        EXPECT_EQ(dictionary->GetNote(article, "n", User()), dictionary->FirstNote(article));
    // A new note goes to the file loaded last.
    EXPECT_EQ(dictionary->GetNote(3, "n", User())->Owner(), dictionary->UserDictionaries[1]);
}

TEST_F(NotesStoreTest, TwoNotesForOneArticleInOneFileAreJoinedInFileOrder) {
    WriteFile(UserFile("a.not"), NotesFile({{3, "other"}}));
    WriteFile(UserFile("n.not"), NotesFile({{3, "one"}, {5, "x"}, {3, "two"}, {3, "three"}}));
    dictionary->LoadAllNotes(User());
    const std::string joined = "one \x08\x04\x1F two \x08\x04\x1F three";
    EXPECT_EQ(Chain(3), (std::vector<std::string>{joined, "other"}));
    TUserDictionary* n = dictionary->UserDictionaries[1];
    EXPECT_EQ(n->Count(), 2);
    EXPECT_EQ(dictionary->FirstNote(3), dictionary->GetNote(3, "n", User()));
    EXPECT_EQ(dictionary->FirstNote(3)->Text(), joined);
    EXPECT_FALSE(n->Damaged());
    EXPECT_TRUE(shown.empty());
    // Written back with one note per article.
    EXPECT_TRUE(n->Modified);
    n->Save();
    EXPECT_EQ(ReadFile(UserFile("n.not")), NotesFile({{3, joined}, {5, "x"}}));
}

TEST_F(NotesStoreTest, EmptyOrMissingUserFolderLoadsNothingSilently) {
    dictionary->LoadAllNotes(User());
    dictionary->LoadAllNotes(dir.File("missing"));
    EXPECT_EQ(dictionary->UserDictionaries.Count(), 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(NotesStoreTest, GetNoteCreatesTheCollectionInMemoryUntilSaved) {
    const std::string name = "\xCC\xEE\xE8"; // "Мои"
    TUserArticle* note = dictionary->GetNote(4, name, User());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Text(), "");
    EXPECT_EQ(dictionary->FirstNote(4), note);
    TUserDictionary* file = note->Owner();
    EXPECT_EQ(file->Name(), name);
    EXPECT_TRUE(file->Modified);
    EXPECT_TRUE(std::filesystem::is_empty(User()));

    EXPECT_EQ(dictionary->GetNote(4, "", User()), nullptr);
    EXPECT_THROW(dictionary->GetNote(10, name, User()), EAssertionFailed);
    EXPECT_EQ(dictionary->UserDictionaries.Count(), 1);
    EXPECT_THROW(dictionary->GetNote(-1, name, User()), EAssertionFailed);

    note->SetText("t");
    file->Save();
    EXPECT_EQ(ReadFile(UserFile("Мои.not")), NotesFile({{4, "t"}}));
}

TEST_F(NotesStoreTest, GetNoteRefusesNamesOutsideTheUserFolder) {
    WriteFile(dir.File("x.not"), NotesFile({{4, "outside"}}));
    std::filesystem::create_directory(UserFile("sub"));
    for (const std::string& name : {std::string("../x"), std::string("sub/y"), std::string(".."),
                                    std::string(".hidden"), std::string("x\0", 2)}) {
        EXPECT_EQ(dictionary->GetNote(4, name, User()), nullptr) << name;
        EXPECT_EQ(dictionary->UserDictionaries.Count(), 0) << name;
    }
    EXPECT_EQ(dictionary->FirstNote(4), nullptr);
    EXPECT_TRUE(shown.empty());
}

TEST_F(NotesStoreTest, GetNoteAnswersAnExistingNoteAndChangesNothing) {
    // Written out of order: the note is still found rather than duplicated.
    WriteFile(UserFile("n.not"), NotesFile({{6, "six"}, {4, "four"}}));
    dictionary->LoadAllNotes(User());
    TUserDictionary* file = dictionary->UserDictionaries[0];
    EXPECT_EQ(dictionary->GetNote(4, "n", User()), dictionary->FirstNote(4));
    EXPECT_EQ(file->Count(), 2);
    EXPECT_FALSE(file->Modified);
}

TEST_F(NotesStoreTest, GetNoteReadsACollectionWhoseFileWasNotLoaded) {
    dictionary->LoadAllNotes(User());
    WriteFile(UserFile("late.not"), NotesFile({{4, "kept"}}));
    TUserArticle* note = dictionary->GetNote(4, "late", User());
    EXPECT_EQ(note->Text(), "kept");
    EXPECT_FALSE(note->Owner()->Modified);
}

TEST_F(NotesStoreTest, LoadingAFileRemovesWhatAKilledSaveOfItLeft) {
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string stale = UserFile("n.not.tmp" + std::to_string(ended) + "-abc123");
    WriteFile(stale, "part of a save");
    dictionary->GetNote(1, "n", User());
    EXPECT_FALSE(std::filesystem::exists(stale));
}

// Opening a named pipe would wait for a writer for ever; it is reported like a file that
// cannot be read. Run in a child process that an alarm ends if it waits.
TEST_F(NotesStoreTest, PipeInPlaceOfANotesFileIsReportedNotWaitedFor) {
    ASSERT_EQ(::mkfifo(UserFile("pipe.not").c_str(), 0644), 0);
    EXPECT_EXIT(
        {
            ::alarm(10);
            dictionary->LoadNotesFile(UserFile("pipe.not"));
            const std::string expected =
                "Ошибка чтения файла заметок: pipe\r\n\r\nCannot open file ";
            std::_Exit(shown == std::vector<std::string>{expected + UserFile("pipe.not")} ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(NotesStoreTest, UnreadableFileIsReportedKeptVisibleAndNeverWrittenBack) {
    const std::string file = NotesFile({{1, "a"}, {2, "bb"}});
    std::string badIndex = NotesFile({{1, "a"}});
    badIndex.insert(badIndex.size() - 1, "\x06\x01x");
    const struct {
        std::string Bytes, Message;
        int Left;
    } rows[] = {
        {"\x06\x03"
         "abc\x02\x01\x09\x01\x00",
         "Нарушена структура файла", 0},
        {NotesFile({{1, "a"}}, 2), "Некорректная версия файла", 0},
        {NotesFile({{1, "a"}, {-3, "b"}, {4, "c"}}), "Нарушена структура файла (Index < 0)", 1},
        {NotesFile({{1, "a"}, {10, "b"}}), "Нарушена структура файла (Index >= Count)", 1},
        {file.substr(0, file.size() - 3), "Stream read error", 1},
        {badIndex, "Invalid property value", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Message);
        dictionary->UserDictionaries.Clear();
        shown.clear();
        WriteFile(UserFile("Заметки.not"), row.Bytes);
        dictionary->LoadAllNotes(User());

        EXPECT_EQ(shown, std::vector<std::string>{"Ошибка чтения файла заметок: заметки\r\n\r\n" +
                                                  row.Message});
        ASSERT_EQ(dictionary->UserDictionaries.Count(), 1);
        TUserDictionary* notes = dictionary->UserDictionaries[0];
        EXPECT_TRUE(notes->Damaged());
        EXPECT_EQ(notes->Count(), row.Left);
        EXPECT_EQ(dictionary->FirstNote(1) != nullptr, row.Left > 0);

        // No note is handed to the editor, new or old: it could never be saved.
        const std::string damaged =
            "Файл заметок Заметки повреждён и не может быть сохранён: исправьте или удалите его";
        for (int32_t article : {5, 1}) {
            try {
                dictionary->GetNote(article, "\xC7\xE0\xEC\xE5\xF2\xEA\xE8", User());
                ADD_FAILURE() << "a note of a damaged file was handed out";
            } catch (const EOrvelError& error) {
                EXPECT_EQ(std::string(error.what()), damaged);
            }
        }
        EXPECT_EQ(notes->Count(), row.Left);
        EXPECT_EQ(dictionary->FirstNote(5), nullptr);

        notes->Modified = true;
        try {
            notes->Save();
            ADD_FAILURE() << "a damaged file was saved";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(std::string(error.what()), damaged);
        }
        EXPECT_TRUE(notes->Modified);
        EXPECT_EQ(ReadFile(UserFile("Заметки.not")), row.Bytes);
    }
}

TEST_F(NotesStoreTest, FileOfTheOtherKindIsReportedAndNotShown) {
    WriteFile(UserFile("ЁжNotes.not"), NotesFile({{1, "a"}}, 1, false));
    dictionary->LoadAllNotes(User());
    EXPECT_EQ(shown, std::vector<std::string>{
                         "Ошибка чтения файла заметок. Нарушена структура данных: ёжnotes"});
    EXPECT_EQ(Chain(1), std::vector<std::string>{"a"});
    EXPECT_EQ(dictionary->FirstNote(1), nullptr);
    // Saved, it would land in a ".dic" of the same name and leave the ".not" behind.
    TUserDictionary* file = dictionary->UserDictionaries[0];
    EXPECT_TRUE(file->Damaged());
    file->Modified = true;
    EXPECT_THROW(file->Save(), EOrvelError);
    EXPECT_FALSE(std::filesystem::exists(UserFile("ЁжNotes.dic")));
}

TEST_F(NotesStoreTest, FileNameOutsideWindows1251IsSkipped) {
    WriteFile(UserFile("日本.not"), NotesFile({{1, "a"}}));
    dictionary->LoadAllNotes(User());
    EXPECT_EQ(dictionary->UserDictionaries.Count(), 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Ошибка чтения файла заметок: ??\r\n\r\n", 0), 0u);
}

TEST_F(NotesStoreTest, HeadWordsOfNotesAndUserDictionaryEntries) {
    TUserArticle* note = dictionary->GetNote(3, "n", User());
    EXPECT_EQ(note->GetHeadWord(), "a");
    EXPECT_EQ(note->GetDisplayWord(), InternalToFontWord("a"));

    TUserDictionary entries(User(), "u", false);
    TUserArticle* entry = TUserArticle::Create(entries, -1);
    EXPECT_EQ(entry->GetDisplayWord(), "?");
    entry->SetText("\x80\x05lo\xC3g rest");
    EXPECT_EQ(entry->GetHeadWord(), "lo\xC3g");
    EXPECT_EQ(entries.FileName(), User() + "/u.dic");
}

} // namespace
