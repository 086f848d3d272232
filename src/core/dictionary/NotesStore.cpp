// The dictionary's side of the notes: loading the notes files of the User folder, the chains
// of notes attached to each article, and the note handed to the editor.
#include "core/base/AtomicFile.h"
#include "core/base/ErrorBox.h"
#include "core/base/FileNames.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace orvel {

namespace {

const char* const NotesReadError = "Ошибка чтения файла заметок: ";

// Windows-1251 text in small letters: Latin and Cyrillic capitals, the extra Cyrillic letters
// of the code page included.
std::string LowerCp1251(std::string Text) {
    static constexpr unsigned char Pairs[][2] = {
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
        {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
        {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (char& ch : Text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
            ch = char(c + 0x20);
        else
            for (const auto& pair : Pairs)
                if (pair[0] == c)
                    ch = char(pair[1]);
    }
    return Text;
}

// The collection's name as shown in messages: in small letters, UTF-8.
std::string MessageName(const std::string& Name) {
    return Cp1251ToUtf8(LowerCp1251(Name));
}

bool FileExists(const std::string& Path) {
    struct stat status {};
    return ::stat(Path.c_str(), &status) == 0;
}

// "not" in any case: files copied from Windows often carry "NOT".
bool IsNotesExtension(std::string_view Extension) {
    if (Extension.size() != 3)
        return false;
    for (size_t i = 0; i < 3; ++i)
        if ((Extension[i] | 0x20) != "not"[i])
            return false;
    return true;
}

// The extension of the notes file Folder/Name as spelt on disk: "not" when that file is there or
// none is, else the first other spelling in byte order.
std::string NotesFileExtension(const std::string& Folder, const std::string& Name) {
    const std::string base = Cp1251ToUtf8(Name) + ".";
    if (FileExists(Folder + "/" + base + "not"))
        return "not";
    std::string found;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(Folder.c_str()), ::closedir);
    while (const dirent* entry = folder ? ::readdir(folder.get()) : nullptr) {
        const std::string_view entryName = entry->d_name;
        if (entryName.size() != base.size() + 3 || !entryName.starts_with(base))
            continue;
        const std::string_view extension = entryName.substr(base.size());
        if (IsNotesExtension(extension) && (found.empty() || extension < found))
            found = extension;
    }
    return found.empty() ? "not" : found;
}

// Appends the collection Folder/Name to the dictionary's notes files and reads its file
// (Name.Extension) when there is one. A file that fails to load is reported and kept with what
// was read.
TUserDictionary* AddNotesFile(TMainDictionary& Dictionary, const std::string& Folder,
                              const std::string& Name, std::string Extension) {
    auto* file = new TUserDictionary(Folder, Name, true, &Dictionary);
    file->SetFileExtension(std::move(Extension));
    Dictionary.UserDictionaries.Add(std::unique_ptr<TUserDictionary>(file));
    // Temporary files that a save of this file, killed half-way, left behind.
    RemoveStaleTemporaries(file->FileName());
    if (!FileExists(file->FileName()))
        return file;
    try {
        file->Load();
        if (!file->Kind())
            ShowErrorBox("Ошибка чтения файла заметок. Нарушена структура данных: " +
                         MessageName(Name));
    } catch (const std::exception& error) {
        ShowErrorBox(NotesReadError + MessageName(Name) + "\r\n\r\n" + error.what());
    }
    return file;
}

} // namespace

TMainDictionary::~TMainDictionary() {
    UserDictionaries.Clear();
}

void TMainDictionary::AttachNote(TUserArticle* Note) {
    CheckIndex(Note->ArticleIndex());
    TUserArticle*& head = NoteChains[size_t(Note->ArticleIndex())];
    Note->FNext = head;
    head = Note;
}

void TMainDictionary::DetachNote(TUserArticle* Note) {
    const int32_t index = Note->ArticleIndex();
    if (index < 0 || index >= FCount)
        return;
    for (TUserArticle** link = &NoteChains[size_t(index)]; *link; link = &(*link)->FNext)
        if (*link == Note) {
            *link = Note->FNext;
            Note->FNext = nullptr;
            return;
        }
}

TUserArticle* TMainDictionary::NoteChain(int32_t ArticleIndex) const {
    if (ArticleIndex < 0 || ArticleIndex >= FCount)
        return nullptr;
    return NoteChains[size_t(ArticleIndex)];
}

TUserArticle* TMainDictionary::FirstNote(int32_t ArticleIndex) const {
    if (UserDictionaries.Count() == 0)
        return nullptr;
    for (TUserArticle* note = NoteChain(ArticleIndex); note; note = note->Next())
        if (note->Owner()->Kind())
            return note;
    return nullptr;
}

TUserDictionary* TMainDictionary::LoadNotesFile(const std::string& FilePath) {
    const size_t slash = FilePath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : FilePath.substr(0, slash);
    std::string base = slash == std::string::npos ? FilePath : FilePath.substr(slash + 1);
    const size_t dot = base.rfind('.');
    std::string extension = "not";
    if (dot != std::string::npos) {
        if (IsNotesExtension(std::string_view(base).substr(dot + 1)))
            extension = base.substr(dot + 1);
        base.erase(dot);
    }

    // The collection is named in program text; a file whose name that cannot hold could not
    // be found again under it, so it is left alone.
    const std::string name = Utf8ToCp1251(base);
    if (Cp1251ToUtf8(name) != base) {
        ShowErrorBox(NotesReadError + MessageName(name) +
                     "\r\n\r\nИмя файла содержит знаки, которых нет в кодировке Windows-1251: "
                     "переименуйте файл");
        return nullptr;
    }
    return AddNotesFile(*this, folder, name, extension);
}

void TMainDictionary::LoadAllNotes(const std::string& UserFolder) {
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(UserFolder.c_str()), ::closedir);
    if (!folder) {
        const int error = errno;
        if (error != ENOENT)
            ShowErrorBox("Ошибка чтения папки заметок: " + UserFolder + "\r\n\r\n" +
                         std::strerror(error));
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.' || name.size() <= 4 || name[name.size() - 4] != '.' ||
            !IsNotesExtension(std::string_view(name).substr(name.size() - 3)))
            continue;
        struct stat status {};
        if (::stat((UserFolder + "/" + name).c_str(), &status) == 0 && S_ISREG(status.st_mode))
            names.push_back(name);
    }
    folder.reset();
    // Byte order, so that the file loaded last (whose note is shown first) does not depend on
    // the file system.
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        LoadNotesFile(UserFolder + "/" + name);
}

TUserArticle* TMainDictionary::GetNote(int32_t ArticleIndex, const std::string& CurrentNoteFile,
                                       const std::string& UserFolder) {
    // A name that is no plain file name of the User folder ("../x", "a/b", a hidden file) would
    // read and write elsewhere: it counts as no notes file at all.
    if (!IsPlainFileName(CurrentNoteFile))
        return nullptr;
    CheckIndex(ArticleIndex);
    // Files whose extensions differ only in case are loaded under one name. The latest loaded
    // that holds a note for the article is the one whose note the pane shows; without such a
    // note, new notes go to the latest loaded.
    TUserDictionary* file = nullptr;
    for (int i = UserDictionaries.Count() - 1; i >= 0; --i) {
        TUserDictionary* candidate = UserDictionaries[i];
        if (candidate->Name() != CurrentNoteFile)
            continue;
        if (candidate->Find(ArticleIndex)) {
            file = candidate;
            break;
        }
        if (!file)
            file = candidate;
    }
    if (!file) {
        // A file of that name that is not loaded yet is read first, so that the first save
        // does not replace it with the new notes alone.
        file = AddNotesFile(*this, UserFolder, CurrentNoteFile,
                            NotesFileExtension(UserFolder, CurrentNoteFile));
        if (!FileExists(file->FileName()))
            file->Modified = true;
    }
    // Nothing written into a damaged collection could be saved; the editor is not opened.
    file->CheckNotDamaged();
    if (TUserArticle* note = file->Find(ArticleIndex))
        return note;
    TUserArticle* note = TUserArticle::Create(*file, ArticleIndex);
    file->Sort();
    file->Modified = true;
    return note;
}

} // namespace orvel
