// The rich-text adapter (bytes and charsets of characters, search keys, the characters of a
// copied selection) and the clipboard (what a copy offers, what a paste reads).
#include "core/article/ArticlePlainText.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/SelectionRtf.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/search/SearchTextConversion.h"
#include "core/settings/Preference.h"
#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"
#include "platform/RtfReader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace orvel;

namespace {

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// The display glyphs of an internal Greek word.
QString Glyphs(const std::string& internal) {
    return Latin1(InternalToFontWord(internal));
}

TRichTextAttributes Font(const QString& name, int charset, bool bold = false, bool italic = false) {
    TRichTextAttributes attributes;
    attributes.FontName = name;
    attributes.Charset = charset;
    attributes.Bold = bold;
    attributes.Italic = italic;
    attributes.Size = 12;
    return attributes;
}

const TRichTextAttributes Greek = Font("Orvel000", 0);
const TRichTextAttributes Russian = Font("Times New Roman", 204);

// The bytes of [start, start + length); '-' for a character without one.
std::string Bytes(const TRichTextAdapter& text, int start, int length) {
    std::string bytes;
    for (int i = start; i < start + length; ++i)
        bytes += char(text.Byte(i).value_or('-'));
    return bytes;
}

QString Charsets(const TRichTextAdapter& text) {
    QStringList charsets;
    for (int i = 0; i < text.Length(); ++i)
        charsets << QString::number(text.Attributes(i).Charset.value_or(-1));
    return charsets.join(' ');
}

QString RunsText(const std::vector<TRichTextRun>& runs) {
    QString text;
    for (const TRichTextRun& run : runs)
        text += run.Text;
    return text;
}

// An article rendered and loaded, as the article pane holds it.
std::string RenderedArticle(const std::string& article, const TPreference& preference) {
    return RenderArticle(article, preference, TVocabulary::BuiltIn());
}

TPreference Colours() {
    TPreference preference;
    preference.TextFontSize = 16;
    preference.TextSignColor = 0x010203;
    preference.TextAuthorColor = 0x040506;
    preference.TextEnumColor = 0x070809;
    return preference;
}

// λόγος, then in Russian italic "слово", an author and a sign.
const std::string Article = "k\xC0ocor\x05\x07\xF1\xEB\xEE\xE2\xEE\x81\x67\x82\x40";

} // namespace

class TRichTextTest : public QObject {
    Q_OBJECT

private slots:
    void bytesOfCharactersInTheirCodePages();
    void charsetOfTextWithoutOne();
    void breaksObjectsAndSelection();
    void searchKeysOfTypedText();
    void selectionAsRtfDocument();
    void selectionOfForeignTextAsRtf();
    void selectionAsRtfWithUnicodeGreek();
    void copyOffersRtfUnicodeAndOwnFormat();
    void readingPrefersOwnFormatThenRtfThenText();
    void systemClipboardRoundTrip();
    void searchLinePaste();
};

void TRichTextTest::bytesOfCharactersInTheirCodePages() {
    QTextDocument document;
    TRichTextAdapter text(&document);
    const QString word = Glyphs("k\xC0ocor");
    text.InsertText(word, Greek);
    text.InsertText("слово", Russian);
    text.InsertText("λόγος", Font("Arial", 161));
    text.InsertText("Ελλάς", Font("Times New Roman", 204)); // Greek in a Cyrillic charset
    text.InsertText("ἄ", Greek);                            // typed into the display font
    text.InsertText("ab", Font("Arial", 0, true, true));

    const int n = int(word.size());
    QCOMPARE(Bytes(text, 0, n), word.toLatin1().toStdString());
    QCOMPARE(Bytes(text, n, 5), std::string("\xF1\xEB\xEE\xE2\xEE"));
    QCOMPARE(Bytes(text, n + 5, 5), std::string("\xEB\xFC\xE3\xEF\xF2"));
    QCOMPARE(text.Attributes(n + 10).Charset, std::optional<int>(161));
    QCOMPARE(Bytes(text, n + 10, 5), std::string("\xC5\xEB\xEB\xDC\xF2"));
    QCOMPARE(text.Attributes(n + 15).Charset, std::optional<int>(0));
    QCOMPARE(text.Byte(n + 15), std::nullopt);

    const TCharacterInfo info = text.Character(n + 16);
    QCOMPARE(info.CodePoint, U'a');
    QCOMPARE(info.FontName, std::string("Arial"));
    QCOMPARE(info.Charset, uint8_t(0));
    const TRichTextAttributes a = text.Attributes(n + 16);
    QVERIFY(a.Bold && a.Italic);
    QCOMPARE(a.Size, 12.0);
    QCOMPARE(a.Color, std::nullopt);
    QCOMPARE(text.Length(), n + 18);
    QCOMPARE(text.Character(text.Length()).CodePoint, U'\0');
}

void TRichTextTest::charsetOfTextWithoutOne() {
    QTextDocument document;
    TRichTextAdapter text(&document);
    text.InsertText(" λόγος λόγου, слово 12 abc α\u0301");
    QCOMPARE(Charsets(text), QString("161 161 161 161 161 161 161 161 161 161 161 161 161 161 "
                                     "204 204 204 204 204 204 204 204 204 0 0 0 0 161 161"));
    QCOMPARE(text.Attributes(1).FontName, document.defaultFont().family());

    // A paragraph break ends the reach of a neighbour: the space takes the letter after it.
    text.Clear();
    text.InsertText("слово\n λ");
    QCOMPARE(text.Attributes(6).Charset, std::optional<int>(161));
    text.Clear();
    text.InsertText("   ");
    QCOMPARE(Charsets(text), QString("0 0 0"));
}

void TRichTextTest::breaksObjectsAndSelection() {
    QTextDocument document;
    TRichTextAdapter text(&document);
    const QString word = Glyphs("k\xC0ocor");
    text.InsertText(word + "\n", Greek);
    text.InsertText("слово\u2028x", Russian);
    const int n = int(word.size());
    QCOMPARE(text.CodePoint(n), U'\r');
    QCOMPARE(text.CodePoint(n + 6), U'\v');
    // The break belongs to the text before it, so the word ends there without mixing fonts.
    QCOMPARE(text.Character(n).FontName, std::string("Orvel000"));
    QCOMPARE(RichTextToInternal(text, false), std::string("\x08k\xC0ocor"));

    text.Select(n - 1, 4);
    QCOMPARE(text.SelectionStart(), n - 1);
    QCOMPARE(text.SelectedText(), word.right(1) + "\nсл");
    text.Select(-5, 1000);
    QCOMPARE(text.SelectionStart(), 0);
    QCOMPARE(text.SelectionLength(), text.Length());
    QCOMPARE(text.SelectedText(), word + "\nслово\nx");

    // Insertion replaces the selection; an embedded object reads as no text.
    text.Select(n + 1, 5);
    text.InsertText("речь", Russian);
    QTextCursor cursor = text.Cursor();
    cursor.insertImage("missing");
    text.SetCursor(cursor);
    text.InsertText("!", Russian);
    QCOMPARE(text.CodePoint(n + 5), U'\0');
    QCOMPARE(text.Byte(n + 5), std::nullopt);
    text.Select(n + 1, 0);
    QCOMPARE(RichTextToInternal(TRichTextAdapter(&document), true), std::string("\x08k\xC0ocor"));
    QTextDocument other;
    text.SetCursor(QTextCursor(&other)); // a cursor of another document is refused
    QCOMPARE(text.Cursor().document(), &document);
}

void TRichTextTest::searchKeysOfTypedText() {
    QTextDocument document;
    TRichTextAdapter text(&document);
    text.InsertText(" " + Glyphs("k\xC0ocor") + "-" + Glyphs("kocou"), Greek);
    QCOMPARE(RichTextToInternal(text, true), std::string("\x08k\xC0ocorkocou"));

    text.Clear();
    text.InsertText("Слово", Russian);
    QCOMPARE(RichTextToInternal(text, false), std::string("\x07\xD1\xEB\xEE\xE2\xEE"));

    // Pasted as Unicode, with no charset: the letters' script gives it, the space follows.
    text.Clear();
    text.InsertText("λόγος λόγου");
    const std::string logos = Utf8GreekToInternal("λόγος λόγου");
    QCOMPARE(RichTextToInternal(text, true), "\x08" + logos);

    text.Clear();
    text.InsertText("ab", Greek);
    text.InsertText("c", Font("Arial", 0));
    try {
        RichTextToInternal(text, false);
        QFAIL("mixed fonts were read");
    } catch (const TRtfToOrvelException& error) {
        QCOMPARE(error.Position(), 2);
    }
}

void TRichTextTest::selectionAsRtfDocument() {
    const TPreference preference = Colours();
    QTextDocument document;
    QVERIFY(LoadRtf(document, RenderedArticle(Article, preference)));
    TRichTextAdapter text(&document);
    text.SelectAll();
    const std::string rtf = BuildSelectionRtf(text.SelectedRichCharacters(), preference);
    // From the bold Greek head word to Russian italic: font, bold and italic switch before the
    // first Russian character (the space), and Cyrillic goes out in hexadecimal.
    QVERIFY2(rtf.find("\\f1\\lang1049\\b0\\i  \\'f1\\'eb\\'ee\\'e2\\'ee") != std::string::npos,
             rtf.c_str());

    // Read back, the copy has the selection's characters and attributes.
    QTextDocument copy;
    QVERIFY(LoadRtf(copy, rtf));
    const TRichTextAdapter copied(&copy);
    const auto original = text.Runs(0, text.Length());
    const auto again = copied.Runs(0, copied.Length());
    QCOMPARE(again.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i) {
        QCOMPARE(again[i].Text, original[i].Text);
        QVERIFY2(again[i].Attributes == original[i].Attributes, qPrintable(original[i].Text));
    }

    // Part of it; the adapter's selection is left as it was.
    text.Select(2, 3);
    const auto part = text.SelectedRichCharacters();
    QCOMPARE(part.size(), size_t(3));
    QCOMPARE(part[0].FontName, std::string("Orvel000"));
    QVERIFY(part[0].Bold);
    QCOMPARE(part[0].Size, 16);
    QCOMPARE(text.SelectionStart(), 2);
    QCOMPARE(text.SelectionLength(), 3);
}

void TRichTextTest::selectionAsRtfWithUnicodeGreek() {
    // With Greek copied as Unicode, an RTF reader without the display fonts gets real Greek
    // beside the Russian, and nothing in the display font.
    TPreference preference = Colours();
    preference.CopyGreekAsUnicode = true;
    QTextDocument document;
    QVERIFY(LoadRtf(document, RenderedArticle(Article, preference)));
    TRichTextAdapter text(&document);
    text.SelectAll();
    QTextDocument copy;
    QVERIFY(LoadRtf(copy, BuildSelectionRtf(text.SelectedRichCharacters(), preference)));
    const QString plain = copy.toPlainText();
    QVERIFY2(plain.startsWith(QString::fromUtf8("λόγος слово")), qPrintable(plain));
    const TRichTextAdapter copied(&copy);
    for (const TRichTextRun& run : copied.Runs(0, copied.Length()))
        QVERIFY2(run.Attributes.FontName != QStringLiteral("Orvel000"), qPrintable(run.Text));

    // Read by another program's RTF reader (unrtf, which writes HTML with character entities).
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(
        QByteArray::fromStdString(BuildSelectionRtf(text.SelectedRichCharacters(), preference)));
    file.close();
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), file.fileName()});
    QVERIFY2(unrtf.waitForFinished(10000), "unrtf, from the package of that name, is needed");
    QTextDocument read;
    read.setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    const QString unrtfText = read.toPlainText().normalized(QString::NormalizationForm_C);
    QVERIFY2(unrtfText.contains(QString::fromUtf8("λόγος")), qPrintable(unrtfText));
    QVERIFY2(unrtfText.contains(QString::fromUtf8("слово")), qPrintable(unrtfText));
}

void TRichTextTest::selectionOfForeignTextAsRtf() {
    // The document of a copied selection has the four fonts of an article: Greek from other
    // fonts goes out as display glyphs, Cyrillic in the Cyrillic font, the rest as '?'.
    QTextDocument document;
    TRichTextAdapter text(&document);
    text.InsertText("ἄνθρωπος ");
    text.InsertText("α\u0301", Font("Arial", 161, true));
    text.InsertText("ж", Greek);
    text.InsertText("中é", TRichTextAttributes());
    std::string bytes, fonts;
    for (const TRichCharacter& c : text.RichCharacters(0, text.Length())) {
        bytes += char(c.Byte);
        fonts += c.FontName == "Orvel000" ? 'G' : char('0' + c.Charset / 100);
    }
    const std::string greek = InternalToFontWord(Utf8GreekToInternal("ἄνθρωπος"));
    const std::string acute = GreekLetterToFont(0xC0, 'a');
    QCOMPARE(bytes, greek + " " + acute + "\xE6?\xE9");
    QCOMPARE(fonts, std::string(greek.size(), 'G') + "0" + std::string(acute.size(), 'G') + "200");
}

void TRichTextTest::copyOffersRtfUnicodeAndOwnFormat() {
    const TPreference preference = Colours();
    const std::string article = Article + "\x0A\xF0\xE5\xF7\xFC";
    QTextDocument document;
    QVERIFY(LoadRtf(document, RenderedArticle(article, preference)));
    TRichTextAdapter text(&document);
    text.SelectAll();
    const std::unique_ptr<QMimeData> data = SelectionMimeData(text, preference);

    QCOMPARE(data->data(RtfMimeType).toStdString(),
             BuildSelectionRtf(text.SelectedRichCharacters(), preference));
    QCOMPARE(data->text(),
             QString::fromStdString(ArticleToPlainText(article, TVocabulary::BuiltIn())));
    QVERIFY(data->text().startsWith("λόγος слово"));

    // Inside Orvel the own format brings back every character with its attributes,
    // paragraphs included.
    QTextDocument buffer;
    QVERIFY(ReadMimeDataInto(data.get(), buffer));
    const TRichTextAdapter pasted(&buffer);
    const auto original = text.Runs(0, text.Length());
    const auto again = pasted.Runs(0, pasted.Length());
    QCOMPARE(RunsText(again), RunsText(original));
    QCOMPARE(again.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i)
        QVERIFY2(again[i].Attributes == original[i].Attributes, qPrintable(original[i].Text));
    QVERIFY(!buffer.isUndoAvailable());

    // A partial selection offers only itself.
    text.Select(0, 3);
    QCOMPARE(SelectionMimeData(text, preference)->text(), QString("λόγ"));
}

void TRichTextTest::readingPrefersOwnFormatThenRtfThenText() {
    QTextDocument buffer;
    const TRichTextAdapter text(&buffer);
    const QByteArray own = EncodeRichTextRuns({{"слово", Russian}});
    const QByteArray rtf = "{\\rtf1 rtf}";

    QMimeData all;
    all.setData(OrvelRichTextMimeType, own);
    all.setData(RtfMimeType, rtf);
    all.setText("text");
    QVERIFY(ReadMimeDataInto(&all, buffer));
    QCOMPARE(buffer.toPlainText(), QString("слово"));
    QCOMPARE(text.Attributes(0).Charset, std::optional<int>(204));

    // Data that is not what its type says falls through to the next form.
    QMimeData broken;
    broken.setData(OrvelRichTextMimeType, "{\"runs\": [{\"font\": 1}]}");
    broken.setData("application/rtf", "not rtf");
    broken.setData("text/richtext", rtf);
    QVERIFY(ReadMimeDataInto(&broken, buffer));
    QCOMPARE(buffer.toPlainText(), QString("rtf"));

    QMimeData plain;
    plain.setData(RtfMimeType, "plain words");
    plain.setText("λόγος слово");
    QVERIFY(ReadMimeDataInto(&plain, buffer));
    QCOMPARE(buffer.toPlainText(), QString("λόγος слово"));
    QCOMPARE(text.Attributes(0).Charset, std::optional<int>(161));
    QCOMPARE(text.Attributes(6).Charset, std::optional<int>(204));

    QMimeData empty;
    QVERIFY(!ReadMimeDataInto(&empty, buffer));
    QVERIFY(buffer.isEmpty());
    QVERIFY(!ReadMimeDataInto(nullptr, buffer));

    // The own format keeps what it carries and leaves out what it cannot.
    const auto decoded = DecodeRichTextRuns(
        "{\"runs\":[{\"text\":\"a\",\"charset\":999,\"color\":-1,\"size\":1e9,\"bold\":true}]}");
    QVERIFY(decoded && decoded->size() == 1);
    QCOMPARE(decoded->front().Attributes.Charset, std::nullopt);
    QCOMPARE(decoded->front().Attributes.Color, std::nullopt);
    QCOMPARE(decoded->front().Attributes.Size, 0.0);
    QVERIFY(decoded->front().Attributes.Bold);
    QVERIFY(!DecodeRichTextRuns("[1, 2]"));
    QVERIFY(!DecodeRichTextRuns("\xFF"));
}

void TRichTextTest::systemClipboardRoundTrip() {
    QTextDocument document;
    TRichTextAdapter text(&document);
    text.InsertText(Glyphs("k\xC0ocor") + " ", Font("Orvel000", 0, true));
    TRichTextAttributes author = Font("Times New Roman", 0);
    author.Color = 0x800000;
    text.InsertText("Plat.", author);
    text.SelectAll();
    CopySelectionToClipboard(text, TPreference());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat(RtfMimeType) && data->hasFormat(OrvelRichTextMimeType));
    QCOMPARE(data->text(), QString("λόγος Plat."));

    QTextDocument buffer;
    QVERIFY(PasteClipboardInto(buffer));
    const TRichTextAdapter pasted(&buffer);
    QCOMPARE(RunsText(pasted.Runs(0, pasted.Length())), RunsText(text.Runs(0, text.Length())));
    QCOMPARE(pasted.Attributes(0).FontName, QString("Orvel000"));
    QVERIFY(pasted.Attributes(0).Bold);
    QCOMPARE(pasted.Attributes(pasted.Length() - 1).Color, std::optional<uint32_t>(0x800000));
}

void TRichTextTest::searchLinePaste() {
    QTextDocument buffer;
    TRichTextAdapter text(&buffer);
    const QString fifty = QString("abcdefghij").repeated(5);
    text.InsertText(fifty, Greek);
    auto runs = SearchLinePasteRuns(text, true);
    QCOMPARE(RunsText(runs), fifty.left(SearchLinePasteLimit));
    QCOMPARE(runs.front().Attributes.FontName, QString("Orvel000"));

    // Two words: both with spaces allowed, the first without; a change of font ends the run.
    text.Clear();
    text.InsertText("abc def", Greek);
    text.InsertText("gh", Font("Orvel000", 0, true));
    text.InsertText("слово", Russian);
    runs = SearchLinePasteRuns(text, true);
    QCOMPARE(RunsText(runs), QString("abc defgh"));
    QCOMPARE(runs.size(), size_t(2)); // bold stays with the characters
    QCOMPARE(RunsText(SearchLinePasteRuns(text, false)), QString("abc"));

    // A phrase pasted as Unicode stays one run across its spaces.
    text.Clear();
    text.InsertText("λόγος λόγου\nслово");
    QCOMPARE(RunsText(SearchLinePasteRuns(text, true)), QString("λόγος λόγου"));

    text.Clear();
    text.InsertText("\tabc", Greek);
    QVERIFY(SearchLinePasteRuns(text, true).empty());
}

QTEST_MAIN(TRichTextTest)
#include "tst_richtext.moc"
