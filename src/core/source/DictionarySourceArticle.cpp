#include "core/source/DictionarySourceArticle.h"

#include "core/article/ArticleCodes.h"
#include "core/article/ArticleReadingState.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/Utf8.h"
#include "core/source/DictionarySourceTags.h"
#include "core/source/DictionarySourceText.h"

namespace orvel {

namespace {

std::string ToUtf8(std::u32string_view chars) {
    std::string text;
    for (char32_t c : chars)
        AppendUtf8(text, c);
    return text;
}

class TArticleCompiler {
public:
    TArticleCompiler(std::string_view file, const TVocabulary& vocabulary, TSourceErrors& errors)
        : File(file), Vocabulary(vocabulary), Errors(errors), State(vocabulary) {}

    void Line(const TSourceLine& line) {
        if (LineNumber != 0)
            Whitespace = true; // the line break
        LineNumber = line.Number;
        TSourceChars source;
        if (DecodeSourceLine(line.Text, source) != 0)
            return; // reported where the lines were read
        const std::u32string& chars = source.Chars;
        for (size_t i = 0; i < chars.size();) {
            const char32_t c = chars[i];
            const int column = source.Columns[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                Whitespace = true;
                ++i;
            } else if (c == '{') {
                const size_t close = chars.find(U'}', i + 1);
                if (close == std::u32string::npos) {
                    Error(column, "'{' without '}' on its line");
                    return;
                }
                Tag(std::u32string_view(chars).substr(i + 1, close - i - 1), column);
                i = close + 1;
            } else if (c == '}') {
                Error(column, "'}' outside a tag (write {x:7D})");
                ++i;
            } else {
                std::string bytes, error;
                if (EncodeSourceUnit(SourceScriptOf(State.Language()), chars, i, bytes, error))
                    Text(bytes);
                else
                    Error(column, error);
            }
        }
    }

    std::string Finish() { return std::move(Out); }

private:
    void Put(std::string_view bytes) {
        for (char b : bytes)
            State.Feed(uint8_t(b));
        Out += bytes;
    }

    // Whitespace between two stretches of text is a stored space unless the reader puts a
    // space there anyway.
    void Text(std::string_view bytes) {
        if (Whitespace && LastText && !State.SpaceBefore(uint8_t(bytes[0])))
            Put(" ");
        Put(bytes);
        LastText = true;
        Whitespace = false;
    }

    // Whitespace next to a tag is only layout.
    void Code(std::string_view bytes) {
        Put(bytes);
        LastText = false;
        Whitespace = false;
    }

    void Tag(std::u32string_view name, int column) {
        if (name.substr(0, 2) == U"x:") {
            std::string bytes;
            if (!ParseHexBytes(name.substr(2), bytes))
                Error(column, "{x:..} holds hexadecimal bytes, such as {x:1F 80}");
            else if (bytes.find(char(RecordEnd)) != std::string::npos)
                Error(column,
                      "the byte 02 ends a dictionary record and cannot stand in an article");
            else
                Code(bytes);
            return;
        }
        const std::string utf8 = ToUtf8(name);
        if (const TFixedTag* tag = FindFixedTag(utf8)) {
            if (tag->Kind == TTagKind::Sign)
                Text(std::string(1, char(tag->Byte)));
            else
                Code(std::string(1, char(tag->Byte)));
            return;
        }
        const size_t split = name.find_first_of(U":#");
        const TReferenceTag* reference = split == std::u32string_view::npos
                                             ? nullptr
                                             : FindReferenceTag(ToUtf8(name.substr(0, split)));
        if (!reference) {
            Error(column, "unknown tag {" + utf8 + "}");
            return;
        }
        const TVocabularyTable table = reference->Table;
        const std::u32string_view argument = name.substr(split + 1);
        const char* tableName = TableInfo(table).Name;
        int row = -1;
        if (name[split] == '#') {
            row = 0;
            for (char32_t c : argument)
                row = c >= '0' && c <= '9' && row < 100000 ? row * 10 + int(c - '0') : -1;
            if (argument.empty() || row < 0 || row >= TableInfo(table).Rows) {
                Error(column, std::string("no row ") + ToUtf8(argument) + " in " + tableName +
                                  " (rows 0.." + std::to_string(TableInfo(table).Rows - 1) + ")");
                return;
            }
        } else {
            std::string text, error;
            if (argument.empty()) {
                Error(column, std::string("an empty name: give the row by number, as {") +
                                  reference->Name + "#N}");
                return;
            }
            if (!ParseReferenceName(table, argument, text, error)) {
                Error(column, error);
                return;
            }
            row = FindRowByText(Vocabulary, table, text);
            if (row < 0) {
                Error(column,
                      std::string("no row of ") + tableName + " reads '" + ToUtf8(argument) + "'");
                return;
            }
        }
        Code(ReferenceBytes(table, row));
    }

    void Error(int column, std::string message) {
        Errors.Add(File, LineNumber, column, std::move(message));
    }

    std::string_view File;
    const TVocabulary& Vocabulary;
    TSourceErrors& Errors;
    TArticleReadingState State;
    std::string Out;
    int LineNumber = 0;
    bool Whitespace = false; // whitespace since the last text or tag
    bool LastText = false;   // the last thing written was text, not a tag
};

} // namespace

std::string CompileArticleSource(std::string_view File, const std::vector<TSourceLine>& Lines,
                                 const TVocabulary& Vocabulary, TSourceErrors& Errors) {
    TArticleCompiler compiler(File, Vocabulary, Errors);
    for (const auto& line : Lines)
        compiler.Line(line);
    return compiler.Finish();
}

} // namespace orvel
