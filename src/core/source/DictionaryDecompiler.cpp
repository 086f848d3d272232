#include "core/source/DictionaryDecompiler.h"

#include "core/article/ArticleCodes.h"
#include "core/article/ArticleReadingState.h"
#include "core/article/VocabularyTables.h"
#include "core/source/DictionarySourceTags.h"
#include "core/source/DictionarySourceText.h"
#include "core/source/DictionarySourceVocabulary.h"

namespace orvel {

namespace {

// Lines are broken at spaces once they are this long.
constexpr size_t WrapColumn = 96;

struct TPiece {
    enum TKind { Text, Tag, Switch, Meaning, Escape, Space } Kind = Text;
    std::string Source;       // the bytes themselves for an escape
    bool SpaceBefore = false; // the reader shows a space before it (layout only)
    bool Storable = false;    // a stored space that whitespace between two texts gives
};

class TArticleDecompiler {
public:
    TArticleDecompiler(std::string_view bytes, const TVocabulary& vocabulary)
        : Bytes(bytes), Vocabulary(vocabulary), State(vocabulary) {}

    std::string Run() {
        if (Bytes.empty())
            return "{x:}";
        for (size_t p = 0; p < Bytes.size();)
            p = Read(p);
        return Layout();
    }

private:
    // Reads the item at p into a piece and answers the position after it.
    size_t Read(size_t p) {
        const auto b = uint8_t(Bytes[p]);
        const TFixedTag* tag = FixedTagOfByte(b);
        TPiece piece;
        size_t length = 1;
        if (b == ' ') {
            piece.Kind = TPiece::Space;
            piece.Storable = p + 1 < Bytes.size() && !State.SpaceBefore(uint8_t(Bytes[p + 1]));
        } else if (tag && tag->Kind != TTagKind::Sign) {
            piece.Kind = tag->Kind == TTagKind::Switch    ? TPiece::Switch
                         : tag->Kind == TTagKind::Meaning ? TPiece::Meaning
                                                          : TPiece::Tag;
            piece.Source = std::string("{") + tag->Name + "}";
            piece.SpaceBefore = tag->Kind == TTagKind::Mark
                                    ? State.SpaceBefore(b)
                                    : tag->Kind == TTagKind::Word && State.PendingSpace();
        } else if (IsReferenceCode(b)) {
            TVocabularyTable table{};
            int row = 0;
            if (p + 1 < Bytes.size() && ReferenceRow(b, uint8_t(Bytes[p + 1]), table, row)) {
                piece.Kind = TPiece::Tag;
                piece.Source = ReferenceTagSource(Vocabulary, table, row);
                piece.SpaceBefore = State.PendingSpace() && b != CodeArticleMark &&
                                    b != CodeGreekEnding && Vocabulary.Text(table, row) != nullptr;
            } else {
                piece.Kind = TPiece::Escape;
            }
            length = std::min<size_t>(2, Bytes.size() - p);
        } else {
            piece.Source = DecodeSourceUnit(SourceScriptOf(State.Language()), Bytes, p, length);
            // A line that starts with "//" would be a comment.
            if (piece.Source.empty() || (Pieces.empty() && piece.Source == "/")) {
                piece.Kind = TPiece::Escape;
                length = 1;
            } else {
                piece.SpaceBefore = State.SpaceBefore(b);
                if (piece.Source == "\"" || piece.Source == "'")
                    piece.Source = piece.Source == "\"" ? "{[}" : "{]}";
            }
        }
        if (piece.Kind == TPiece::Escape)
            piece.Source = std::string(Bytes.substr(p, length));
        for (size_t i = 0; i < length; ++i)
            State.Feed(uint8_t(Bytes[p + i]));
        Pieces.push_back(std::move(piece));
        return p + length;
    }

    bool IsText(size_t i) const { return i < Pieces.size() && Pieces[i].Kind == TPiece::Text; }

    // Whitespace that compiles to nothing or to one stored space; a line break when the line is
    // long, unless the next line would start with "//".
    void Gap(size_t next) {
        const bool slash = next < Pieces.size() && Pieces[next].Source.starts_with('/');
        if (Column >= WrapColumn && !slash)
            Write("\n");
        else
            Write(" ");
    }

    void Write(std::string_view text) {
        Out += text;
        for (char c : text) {
            if (c == '\n')
                Column = 0;
            else if ((uint8_t(c) & 0xC0) != 0x80)
                ++Column;
        }
    }

    std::string Layout() {
        for (size_t i = 0; i < Pieces.size();) {
            TPiece& piece = Pieces[i];
            if (piece.Kind == TPiece::Space) {
                size_t end = i;
                while (end < Pieces.size() && Pieces[end].Kind == TPiece::Space)
                    ++end;
                if (end == i + 1 && i > 0 && IsText(i - 1) && IsText(end) && piece.Storable) {
                    Gap(end);
                } else {
                    for (size_t k = i; k < end; ++k)
                        Write("{_}");
                }
                i = end;
                continue;
            }
            if (i > 0 && piece.Kind == TPiece::Meaning) {
                Write("\n");
            } else if (i > 0 && Pieces[i - 1].Kind != TPiece::Space) {
                if (Pieces[i - 1].Kind == TPiece::Meaning)
                    Write(" ");
                else if (piece.SpaceBefore)
                    Gap(i);
                else if (piece.Kind == TPiece::Switch)
                    SpaceBeforeSwitches(i);
            }
            if (piece.Kind == TPiece::Escape) {
                std::string bytes;
                for (; i < Pieces.size() && Pieces[i].Kind == TPiece::Escape; ++i)
                    bytes += Pieces[i].Source;
                Write(HexEscape(bytes));
                continue;
            }
            Write(piece.Source);
            ++i;
        }
        return std::move(Out);
    }

    // A space due before what follows a run of language and style switches goes before the
    // run: "слово {gr}λόγος" rather than "слово{gr} λόγος".
    void SpaceBeforeSwitches(size_t i) {
        size_t next = i;
        while (next < Pieces.size() && Pieces[next].Kind == TPiece::Switch)
            ++next;
        if (next < Pieces.size() && Pieces[next].SpaceBefore) {
            Pieces[next].SpaceBefore = false;
            Gap(i);
        }
    }

    std::string_view Bytes;
    const TVocabulary& Vocabulary;
    TArticleReadingState State;
    std::vector<TPiece> Pieces;
    std::string Out;
    size_t Column = 0;
};

} // namespace

std::string DecompileArticle(std::string_view Article, const TVocabulary& Vocabulary) {
    return TArticleDecompiler(Article, Vocabulary).Run();
}

std::string DecompileSource(const std::vector<std::string_view>& Articles,
                            const TVocabulary& Vocabulary) {
    const TVocabulary vocabulary = WithBuiltIn(Vocabulary);
    std::string out = VocabularySections(vocabulary);
    if (!out.empty())
        out += "\n";
    out += "@articles\n";
    for (size_t i = 0; i < Articles.size(); ++i) {
        out += i ? "\n" : "";
        out += DecompileArticle(Articles[i], vocabulary);
        out += "\n";
    }
    return out;
}

} // namespace orvel
