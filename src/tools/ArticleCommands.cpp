// Subcommands over article texts: rendering and the full-text search.
#include "core/article/ArticlePlainText.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"
#include "core/search/FullTextSearch.h"
#include "core/settings/Preference.h"
#include "core/storage/SettingsStore.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/stat.h>

namespace orvel::tool {

namespace {

std::unique_ptr<TMainDictionary> OpenDictionary(const std::string& path) {
    auto dictionary = std::make_unique<TMainDictionary>();
    dictionary->Open(path);
    dictionary->LoadIndex();
    return dictionary;
}

void Write(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// Preferences given as Name=Value go through the settings store, so that they take the same
// ranges and fallbacks as stored ones.
TPreference PreferencesFrom(const std::vector<std::string>& settings) {
    TMemorySettingsStore store;
    TPreference preference;
    preference.SavePreference(store, OrvelKeyPath);
    const std::string key = std::string(OrvelKeyPath) + "\\Preference";
    for (const std::string& setting : settings) {
        size_t equals = setting.find('=');
        if (equals == std::string::npos || equals == 0)
            throw EUsageError("a preference is Name=Value: '" + setting + "'");
        const std::string name = setting.substr(0, equals), text = setting.substr(equals + 1);
        if (store.Value(key, name).index() == 0)
            throw EUsageError("unknown preference " + name);
        std::optional<int32_t> number = ParseStrictInteger(text);
        if (number)
            store.SetValue(key, name, *number);
        else
            store.SetValue(key, name, Utf8ToCp1251(text));
    }
    preference.LoadPreference(store, OrvelKeyPath);
    return preference;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EOrvelError("Cannot open file " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

int RunRender(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic", "--text-file", "--pref"}, {});
    const TPreference preference = PreferencesFrom(arguments.Values("--pref"));
    std::string text, vocabularyFile;
    if (arguments.Has("--text-file")) {
        if (arguments.Has("--dic") || !arguments.Positional().empty())
            throw EUsageError("--text-file takes neither --dic nor an article index");
        text = ReadWholeFile(arguments.Value("--text-file"));
    } else {
        auto dictionary = OpenDictionary(arguments.Value("--dic"));
        int index = ParseInt(arguments.Single("article index"), "article index");
        if (index < 0 || index > dictionary->LastIndex())
            throw EUsageError("article index out of range 0.." +
                              std::to_string(dictionary->LastIndex()));
        text = dictionary->GetArticleText(index);
        vocabularyFile = VocabularyFileName(arguments.Value("--dic"));
    }
    const TVocabulary vocabulary = !vocabularyFile.empty() && Exists(vocabularyFile)
                                       ? LoadVocabularyFile(vocabularyFile)
                                       : TVocabulary::BuiltIn();
    Write(RenderArticle(text, preference, vocabulary));
    return 0;
}

int RunSearch(const TArguments& Arguments) {
    TToolArguments arguments(Arguments,
                             {"--dic", "--notes", "--max", "--from", "--greek", "--russian"}, {});
    if (arguments.Has("--greek") == arguments.Has("--russian") || !arguments.Positional().empty())
        throw EUsageError("give the words with either --greek or --russian");
    auto dictionary = OpenDictionary(arguments.Value("--dic"));
    if (arguments.Has("--notes"))
        dictionary->LoadAllNotes(arguments.Value("--notes"));
    int limit = arguments.Has("--max") ? ParseInt(arguments.Value("--max"), "--max") : 8;
    if (limit < 1)
        throw EUsageError("--max must be at least 1");
    TSearchSession session;
    bool next = arguments.Has("--from");
    if (next)
        session.LastFound = ParseInt(arguments.Value("--from"), "--from");
    const std::string search =
        arguments.Has("--greek") ? char(ScriptGreek) + arguments.Value("--greek")
                                 : char(ScriptRussian) + Utf8ToCp1251(arguments.Value("--russian"));
    TVkrObjectList<TWordDescriptor> results;
    Search(*dictionary, session, search, results, next, limit);
    for (int i = 0; i < results.Count(); ++i) {
        const TWordDescriptor& hit = *results[i];
        Write(std::to_string(hit.ArticleIndex) + "\t" + std::to_string(hit.SelStart) + "\t" +
              std::to_string(hit.SelLength) + "\t" + Cp1251ToUtf8(hit.NoteFile) + "\n");
    }
    Write("last-found: " + std::to_string(session.LastFound) + "\n");
    return results.Count() > 0 ? 0 : 1;
}

int RunNotes(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--voc"}, {});
    const std::string& path = arguments.Single("notes file");
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    // The extension in any case: files copied from Windows often end in ".NOT".
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::string lower = extension;
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    if (lower != "not")
        throw EUsageError("a notes file is named *.not");
    name.resize(dot);
    const TVocabulary vocabulary = arguments.Has("--voc")
                                       ? LoadVocabularyFile(arguments.Value("--voc"))
                                       : TVocabulary::BuiltIn();
    TUserDictionary notes(folder, Utf8ToCp1251(name), true);
    notes.SetFileExtension(extension);
    std::string failure;
    try {
        notes.Load();
    } catch (const EOrvelError& error) {
        failure = error.what(); // the notes read before the damage are still listed
    }
    for (int i = 0; i < notes.Count(); ++i) {
        std::string text = ArticleToPlainText(notes.Items(i)->Text(), vocabulary);
        for (char& c : text)
            c = c == '\n' ? ' ' : c;
        Write(std::to_string(notes.Items(i)->ArticleIndex()) + "\t" + text + "\n");
    }
    if (!failure.empty())
        throw EOrvelError(failure);
    return 0;
}

int RunUnicode(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {});
    auto dictionary = OpenDictionary(arguments.Value("--dic"));
    int index = ParseInt(arguments.Single("article index"), "article index");
    if (index < 0 || index > dictionary->LastIndex())
        throw EUsageError("article index out of range 0.." +
                          std::to_string(dictionary->LastIndex()));
    Write(InternalToUnicode(dictionary->GetHeadWord(index)) + "\n");
    return 0;
}

} // namespace orvel::tool
