#include "platform/Clipboard.h"

#include "core/article/SelectionRtf.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/DisplayGlyphs.h"
#include "platform/RichTextAdapter.h"
#include "platform/RtfReader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

namespace orvel {
namespace {

constexpr int kMaxCharset = 255;
constexpr double kMaxSize = 1638;

QJsonObject RunToJson(const TRichTextRun& run) {
    const TRichTextAttributes& a = run.Attributes;
    QJsonObject object{{"text", run.Text},
                       {"font", a.FontName},
                       {"bold", a.Bold},
                       {"italic", a.Italic},
                       {"size", a.Size}};
    if (a.Charset)
        object.insert("charset", *a.Charset);
    if (a.Color)
        object.insert("color", qint64(*a.Color));
    return object;
}

std::optional<TRichTextRun> RunFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    if (!object.value("text").isString())
        return std::nullopt;
    TRichTextRun run;
    run.Text = object.value("text").toString();
    TRichTextAttributes& a = run.Attributes;
    a.FontName = object.value("font").toString();
    a.Bold = object.value("bold").toBool();
    a.Italic = object.value("italic").toBool();
    const double size = object.value("size").toDouble();
    a.Size = size > 0 && size <= kMaxSize ? size : 0;
    if (const QJsonValue charset = object.value("charset"); charset.isDouble()) {
        const int value = charset.toInt(-1);
        if (value >= 0 && value <= kMaxCharset)
            a.Charset = value;
    }
    if (const QJsonValue color = object.value("color"); color.isDouble()) {
        const qint64 value = color.toInteger(-1);
        if (value >= 0 && value <= 0xFFFFFF)
            a.Color = uint32_t(value);
    }
    return run;
}

std::string_view View(const QByteArray& data) {
    return std::string_view(data.constData(), size_t(data.size()));
}

} // namespace

QString UnicodePlainText(const TRichTextAdapter& text, int start, int length) {
    const int end = std::min(start + std::max(length, 0), text.Length());
    QString out;
    std::string glyphs;
    auto flushGlyphs = [&out, &glyphs] {
        const std::u32string unicode = DisplayGlyphsToUnicode(glyphs);
        out += QString::fromUcs4(unicode.data(), qsizetype(unicode.size()));
        glyphs.clear();
    };
    for (int i = std::max(start, 0); i < end; ++i) {
        const char32_t c = text.CodePoint(i);
        if (c <= 0xFF && c >= 0x20 && text.FontName(i) == QtFontName(GreekFontName)) {
            glyphs += char(c);
            continue;
        }
        flushGlyphs();
        if (c == '\r' || c == '\v') {
            out += u'\n';
        } else if (c != 0) {
            out += QString::fromUcs4(&c, 1);
            if (c > 0xFFFF)
                ++i;
        }
    }
    flushGlyphs();
    return out;
}

std::unique_ptr<QMimeData> SelectionMimeData(const TRichTextAdapter& text,
                                             const TPreference& preference) {
    const int start = text.SelectionStart();
    const int length = text.SelectionLength();
    auto data = std::make_unique<QMimeData>();
    data->setData(RtfMimeType, QByteArray::fromStdString(BuildSelectionRtf(
                                   text.RichCharacters(start, length), preference)));
    data->setText(UnicodePlainText(text, start, length));
    data->setData(OrvelRichTextMimeType, EncodeRichTextRuns(text.Runs(start, length)));
    return data;
}

void CopySelectionToClipboard(const TRichTextAdapter& text, const TPreference& preference) {
    QGuiApplication::clipboard()->setMimeData(SelectionMimeData(text, preference).release());
}

QByteArray EncodeRichTextRuns(const std::vector<TRichTextRun>& runs) {
    QJsonArray array;
    for (const TRichTextRun& run : runs)
        array.append(RunToJson(run));
    return QJsonDocument(QJsonObject{{"version", 1}, {"runs", array}})
        .toJson(QJsonDocument::Compact);
}

std::optional<std::vector<TRichTextRun>> DecodeRichTextRuns(const QByteArray& data) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().value("runs").isArray())
        return std::nullopt;
    std::vector<TRichTextRun> runs;
    for (const QJsonValue& value : document.object().value("runs").toArray()) {
        std::optional<TRichTextRun> run = RunFromJson(value);
        if (!run)
            return std::nullopt;
        runs.push_back(std::move(*run));
    }
    return runs;
}

bool InsertMimeData(QTextCursor& cursor, const QMimeData* data) {
    if (!data)
        return false;
    if (data->hasFormat(OrvelRichTextMimeType)) {
        if (const auto runs = DecodeRichTextRuns(data->data(OrvelRichTextMimeType))) {
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            for (const TRichTextRun& run : *runs)
                cursor.insertText(run.Text, MakeCharFormat(run.Attributes));
            cursor.endEditBlock();
            return true;
        }
    }
    // LibreOffice offers its RTF as text/richtext too.
    for (const char* type : {RtfMimeType, "application/rtf", "text/richtext"}) {
        if (data->hasFormat(type) && InsertRtf(cursor, View(data->data(type))))
            return true;
    }
    if (data->hasText()) {
        // Plain text takes no charset: each character's comes from its script.
        cursor.insertText(data->text(), QTextCharFormat());
        return true;
    }
    return false;
}

bool ReadMimeDataInto(const QMimeData* data, QTextDocument& buffer) {
    buffer.clear();
    const bool undo = buffer.isUndoRedoEnabled();
    buffer.setUndoRedoEnabled(false);
    QTextCursor cursor(&buffer);
    const bool read = InsertMimeData(cursor, data);
    buffer.setUndoRedoEnabled(undo);
    buffer.setModified(false);
    return read;
}

bool PasteClipboardInto(QTextDocument& buffer) {
    return ReadMimeDataInto(QGuiApplication::clipboard()->mimeData(), buffer);
}

std::vector<TRichTextRun> SearchLinePasteRuns(const TRichTextAdapter& buffer, bool allowSpaces) {
    const int limit = std::min(buffer.Length(), SearchLinePasteLimit);
    std::vector<TRichTextRun> runs;
    TRichTextAttributes first;
    for (int i = 0; i < limit; ++i) {
        const char32_t c = buffer.CodePoint(i);
        if (c < 0x20 || (c == ' ' && !allowSpaces) || (c > 0xFFFF && i + 1 >= limit))
            break;
        TRichTextAttributes attributes = buffer.Attributes(i);
        if (i == 0)
            first = attributes;
        else if (attributes.FontName != first.FontName || attributes.Charset != first.Charset)
            break;
        if (runs.empty() || !(runs.back().Attributes == attributes))
            runs.push_back({QString(), std::move(attributes)});
        runs.back().Text += QString::fromUcs4(&c, 1);
        if (c > 0xFFFF)
            ++i;
    }
    return runs;
}

} // namespace orvel
