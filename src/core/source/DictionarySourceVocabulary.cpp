#include "core/source/DictionarySourceVocabulary.h"

#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"
#include "core/source/DictionarySourceTags.h"
#include "core/source/DictionarySourceText.h"

#include <algorithm>
#include <map>

namespace orvel {

namespace {

// A row text as the person writing the source sees it.
std::string Shown(TVocabularyTable table, const std::string& text) {
    std::string shown = "'";
    shown += TableScript(table) == TSourceScript::TableGreek ? InternalToUnicode(text)
                                                             : Cp1251ToUtf8(text);
    shown += '\'';
    return shown;
}

// Reads one field: text in the table's script and {x:..} escapes.
bool ParseField(const TSourceChars& source, size_t begin, size_t end, TVocabularyTable table,
                std::string& out, std::string_view file, int line, TSourceErrors& errors) {
    const std::u32string_view chars(source.Chars);
    for (size_t i = begin; i < end;) {
        const int column = source.Columns[i];
        if (chars[i] == '{') {
            const size_t close = chars.find(U'}', i);
            if (chars.substr(i, 3) != U"{x:" || close == std::u32string_view::npos ||
                close >= end || !ParseHexBytes(chars.substr(i + 3, close - i - 3), out)) {
                errors.Add(file, line, column,
                           "a row text holds '{' only in {x:..} escapes (write { as {x:7B})");
                return false;
            }
            i = close + 1;
            continue;
        }
        std::string error;
        if (!EncodeSourceUnit(TableScript(table), chars.substr(0, end), i, out, error)) {
            errors.Add(file, line, column, error);
            return false;
        }
    }
    return true;
}

// A field written back: units that read back as the same bytes, escapes for the rest. Spaces
// at the end of a line are escaped too, since editors strip them.
std::string WriteField(TVocabularyTable table, const std::string& text, bool lastOnLine) {
    size_t keep = text.size();
    if (lastOnLine)
        while (keep > 0 && text[keep - 1] == ' ')
            --keep;
    std::string out, escaped;
    size_t length = 0;
    for (size_t p = 0; p < text.size(); p += length) {
        std::string unit =
            p < keep ? DecodeSourceUnit(TableScript(table), text, p, length) : std::string();
        if (unit.empty()) {
            length = 1;
            escaped += text[p];
            continue;
        }
        if (!escaped.empty())
            out += HexEscape(escaped);
        escaped.clear();
        out += unit;
    }
    if (!escaped.empty())
        out += HexEscape(escaped);
    return out;
}

} // namespace

std::optional<TVocabularyTable> FindVocabularyTable(std::string_view Name) {
    for (int t = 0; t < VocabularyTableCount; ++t)
        if (Name == TableInfo(TVocabularyTable(t)).Name)
            return TVocabularyTable(t);
    return std::nullopt;
}

bool ParseVocabularyRow(std::string_view File, int Line, std::string_view Text,
                        TVocabularyTable Table, TSourceVocabularyRow& Row, TSourceErrors& Errors) {
    TSourceChars source;
    DecodeSourceLine(Text, source);
    const std::u32string& chars = source.Chars;
    const TVocabularyTableInfo& info = TableInfo(Table);
    // A row with an empty text may be its number alone.
    const size_t tab = std::min(chars.find(U'\t'), chars.size());
    int number = 0;
    bool digits = tab != 0;
    for (size_t i = 0; digits && i < tab; ++i) {
        digits = chars[i] >= '0' && chars[i] <= '9' && number < 100000;
        number = number * 10 + int(chars[i] - '0');
    }
    if (!digits) {
        Errors.Add(File, Line, 1, "a row is its number, a tab and its text");
        return false;
    }
    if (number >= info.Rows) {
        Errors.Add(File, Line, 1,
                   "no row " + std::to_string(number) + " in " + info.Name + " (rows 0.." +
                       std::to_string(info.Rows - 1) + ")");
        return false;
    }
    Row = {Table, number, {}, std::nullopt, File, Line};

    const size_t textBegin = std::min(tab + 1, chars.size());
    size_t textEnd = chars.find(U'\t', textBegin);
    size_t extra = std::u32string::npos;
    if (textEnd == std::u32string::npos) {
        textEnd = chars.size();
    } else if (!info.Signs) {
        extra = textEnd;
    } else {
        extra = chars.find(U'\t', textEnd + 1);
    }
    if (extra != std::u32string::npos) {
        Errors.Add(
            File, Line, source.Columns[extra],
            std::string("too many fields: a row of ") + info.Name +
                (info.Signs ? " is its number, text and explanation" : " is its number and text"));
        return false;
    }
    bool ok = ParseField(source, textBegin, textEnd, Table, Row.Text, File, Line, Errors);
    if (info.Signs) {
        Row.Explanation.emplace();
        if (textEnd < chars.size())
            ok = ParseField(source, textEnd + 1, chars.size(), Table, *Row.Explanation, File, Line,
                            Errors) &&
                 ok;
    }
    return ok;
}

TVocabulary MergeVocabulary(const std::vector<TSourceVocabularyRow>& Rows, TSourceErrors& Errors) {
    const TVocabulary& builtIn = TVocabulary::BuiltIn();
    TVocabulary vocabulary = builtIn;
    std::map<std::pair<int, int>, const TSourceVocabularyRow*> given;
    for (const auto& row : Rows) {
        const TVocabularyRow& known = *builtIn.Row(row.Table, row.Row);
        const char* table = TableInfo(row.Table).Name;
        const std::string where = std::string(table) + " row " + std::to_string(row.Row);
        if (known.Text && *known.Text != row.Text) {
            Errors.Add(row.File, row.Line, 1,
                       where + " differs from the program's " + Shown(row.Table, *known.Text));
            continue;
        }
        if (known.Explanation && row.Explanation && *known.Explanation != *row.Explanation) {
            Errors.Add(row.File, row.Line, 1,
                       where + ": the explanation differs from the program's " +
                           Shown(row.Table, *known.Explanation));
            continue;
        }
        auto [earlier, first] = given.try_emplace({int(row.Table), row.Row}, &row);
        if (!first) {
            const TSourceVocabularyRow& other = *earlier->second;
            if (other.Text != row.Text || other.Explanation != row.Explanation)
                Errors.Add(row.File, row.Line, 1,
                           where + " differs from the same row at " + std::string(other.File) +
                               ":" + std::to_string(other.Line));
            continue;
        }
        TVocabularyRow& target = vocabulary.Tables[size_t(row.Table)][size_t(row.Row)];
        target.Text = row.Text;
        if (row.Explanation)
            target.Explanation = row.Explanation;
    }
    return vocabulary;
}

TVocabulary WithBuiltIn(const TVocabulary& Vocabulary) {
    TVocabulary merged = TVocabulary::BuiltIn();
    for (int t = 0; t < VocabularyTableCount; ++t) {
        auto& rows = merged.Tables[size_t(t)];
        const auto& own = Vocabulary.Tables[size_t(t)];
        for (size_t r = 0; r < rows.size() && r < own.size(); ++r) {
            if (!rows[r].Text && own[r].Text)
                rows[r].Text = own[r].Text;
            if (!rows[r].Explanation && own[r].Explanation && TableInfo(TVocabularyTable(t)).Signs)
                rows[r].Explanation = own[r].Explanation;
        }
    }
    return merged;
}

std::string VocabularySections(const TVocabulary& Vocabulary) {
    const TVocabulary& builtIn = TVocabulary::BuiltIn();
    std::string out;
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const auto table = TVocabularyTable(t);
        const TVocabularyTableInfo& info = TableInfo(table);
        const auto& rows = Vocabulary.Tables[size_t(t)];
        bool started = false;
        for (size_t r = 0; r < rows.size() && r < size_t(info.Rows); ++r) {
            const TVocabularyRow& row = rows[r];
            const TVocabularyRow& known = builtIn.Tables[size_t(t)][r];
            const bool newText = row.Text && !known.Text;
            const bool newExplanation =
                info.Signs && row.Text && row.Explanation && !known.Explanation;
            if (!newText && !newExplanation)
                continue;
            if (!started)
                out += std::string(out.empty() ? "" : "\n") + "@vocabulary " + info.Name + "\n";
            started = true;
            const bool explained = info.Signs && row.Explanation && !row.Explanation->empty();
            out += std::to_string(r);
            if (!row.Text->empty() || explained) {
                out += '\t';
                out += WriteField(table, *row.Text, !explained);
            }
            if (explained) {
                out += '\t';
                out += WriteField(table, *row.Explanation, true);
            }
            out += "\n";
        }
    }
    return out;
}

} // namespace orvel
