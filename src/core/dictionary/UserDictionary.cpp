#include "core/dictionary/UserDictionary.h"

#include "core/article/ArticleCodes.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/HeadWord.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/WordDescriptor.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Windows1251.h"
#include "core/storage/VkrStream.h"

#include <unordered_map>
#include <utility>

namespace orvel {

namespace {

// Put between two notes for the same article when they are joined: the start state of a text
// (Greek, bold), so that the second text reads as it did on its own, and the mark "¶" between
// spaces (the mark is a word character: without the space it would join the next word).
constexpr char NoteJoint[] = {' ', char(CodeGreek), char(CodeBold), char(CodeMark), ' ', 0};

} // namespace

// ---- TUserArticle ----

TUserArticle::TUserArticle(TUserDictionary& Owner, int32_t ArticleIndex, std::string Text)
    : FOwner(&Owner), FText(std::move(Text)), FArticleIndex(ArticleIndex) {}

TUserArticle* TUserArticle::Insert(std::unique_ptr<TUserArticle> Note) {
    TUserDictionary& owner = *Note->FOwner;
    TMainDictionary* dictionary = owner.Dictionary();
    const bool attach = dictionary && Note->FArticleIndex >= 0;
    if (attach && Note->FArticleIndex >= dictionary->Count())
        throw EAssertionFailed("Source/UnitDictionary", "note article index in range");
    TUserArticle* note = Note.get();
    owner.Add(std::move(Note));
    if (attach)
        dictionary->AttachNote(note);
    return note;
}

TUserArticle* TUserArticle::Create(TUserDictionary& Owner, int32_t ArticleIndex) {
    return Insert(std::unique_ptr<TUserArticle>(new TUserArticle(Owner, ArticleIndex, {})));
}

std::pair<int32_t, std::string> TUserArticle::Read(const TUserDictionary& Owner,
                                                   int32_t FileVersion, TValueReader& Reader) {
    int32_t index = Reader.ReadInteger();
    if (index < 0)
        throw EOrvelError("Нарушена структура файла (Index < 0)");
    // A note for an article the dictionary does not have could not be attached anywhere; the
    // bound is checked before the version-0 shift as well, which keeps that sum in range.
    const int32_t limit = Owner.Dictionary() ? Owner.Dictionary()->Count() : MaxArticles;
    if (index >= limit)
        throw EOrvelError("Нарушена структура файла (Index >= Count)");
    if (FileVersion == 0) {
        index = MigrateArticleIndexFromVersion0(index);
        if (index >= limit)
            throw EOrvelError("Нарушена структура файла (Index >= Count)");
    }
    return {index, Reader.ReadString()};
}

TUserArticle::~TUserArticle() {
    FOwner->Remove(this);
    if (FArticleIndex >= 0 && FOwner->Dictionary())
        FOwner->Dictionary()->DetachNote(this);
}

void TUserArticle::Save(TValueWriter& Writer) const {
    if (FArticleIndex < 0)
        return;
    Writer.WriteInteger(FArticleIndex);
    Writer.WriteString(FText);
}

void TUserArticle::SetText(std::string Text) {
    if (Text == FText)
        return;
    FText = std::move(Text);
    FOwner->Modified = true;
}

std::string TUserArticle::GetHeadWord() const {
    if (!FOwner->Kind())
        return std::string(HeadWordOfText(FText));
    const TMainDictionary* dictionary = FOwner->Dictionary();
    if (!dictionary || FArticleIndex < 0 || FArticleIndex >= dictionary->Count())
        return {};
    return dictionary->GetHeadWord(FArticleIndex);
}

std::string TUserArticle::GetDisplayWord() const {
    const std::string word = GetHeadWord();
    return word.empty() ? "?" : InternalToFontWord(word);
}

// ---- TUserDictionary ----

TUserDictionary::TUserDictionary(std::string Folder, std::string Name, bool Kind,
                                 TMainDictionary* Dictionary)
    : FFolder(std::move(Folder)), FName(std::move(Name)), FKind(Kind), FDictionary(Dictionary) {}

TUserDictionary::~TUserDictionary() {
    // The list lets go of each note before destroying it, so the notes need not search it for
    // themselves; that search made destroying a large collection quadratic.
    FDestroying = true;
    FItems.Clear();
}

std::string TUserDictionary::FileName() const {
    const std::string extension = !FExtension.empty() ? FExtension : FKind ? "not" : "dic";
    return FFolder + "/" + Cp1251ToUtf8(FName) + "." + extension;
}

void TUserDictionary::Add(std::unique_ptr<TUserArticle> Note) {
    FItems.Add(std::move(Note));
    Modified = true;
}

void TUserDictionary::Remove(TUserArticle* Note) {
    if (FDestroying)
        return;
    // The note is being destroyed by whoever holds it; the list only lets go of it.
    FItems.Extract(Note);
    Modified = true;
}

TUserArticle* TUserDictionary::Find(int32_t ArticleIndex) const {
    // Every note is looked at, so that a file written out of order is still searched whole.
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems[i]->ArticleIndex() == ArticleIndex)
            return FItems[i];
    return nullptr;
}

void TUserDictionary::Sort() {
    FItems.Sort([](const TUserArticle* a, const TUserArticle* b) {
        return a->ArticleIndex() < b->ArticleIndex();
    });
}

void TUserDictionary::Load() {
    try {
        TFileLoadStream stream(FileName(), NotesBufferSize, NotesVersion, NotesSignature);
        stream.Header();
        const bool kind = stream.Reader->ReadBoolean();
        // The file's name follows its kind: a file of the other kind would be saved elsewhere.
        if (kind != FKind)
            FDamaged = true;
        FKind = kind;
        stream.Reader->ReadListBegin();
        // A file holds one note per article; a second one is joined to the first rather than
        // kept apart, where the note pane, the editor and the next save would each take
        // another of the two.
        std::unordered_map<int32_t, TUserArticle*> byArticle;
        bool joined = false;
        while (!stream.Reader->EndOfList()) {
            auto [index, text] = TUserArticle::Read(*this, stream.FileVersion, *stream.Reader);
            if (const auto found = byArticle.find(index); found != byArticle.end()) {
                found->second->FText += NoteJoint + text;
                joined = true;
                continue;
            }
            byArticle.emplace(index, TUserArticle::Insert(std::unique_ptr<TUserArticle>(
                                         new TUserArticle(*this, index, std::move(text)))));
        }
        stream.Reader->ReadListEnd();
        Modified = stream.FileVersion != NotesVersion || joined;
    } catch (...) {
        // Writing back only the part that was read would lose the rest of the file.
        FDamaged = true;
        throw;
    }
}

void TUserDictionary::CheckNotDamaged() const {
    if (FDamaged)
        throw EOrvelError("Файл заметок " + Cp1251ToUtf8(FName) +
                          " повреждён и не может быть сохранён: исправьте или удалите его");
}

void TUserDictionary::Save() {
    if (!Modified)
        return;
    CheckNotDamaged();
    TFileSaveStream stream(FileName(), NotesBufferSize, NotesVersion, NotesSignature);
    stream.Header();
    stream.Writer->WriteBoolean(FKind);
    stream.Writer->WriteListBegin();
    for (int i = 0; i < FItems.Count(); ++i)
        FItems[i]->Save(*stream.Writer);
    stream.Writer->WriteListEnd();
    stream.Commit();
    Modified = false;
}

} // namespace orvel
