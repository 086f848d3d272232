// The RTF reader: articles as the renderer writes them come back with the characters and the
// attributes the renderer meant; RTF of other programs is read; malformed RTF is survived.
#include "core/article/ArticlePlainText.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/GreekEncoding.h"
#include "core/search/SearchTextConversion.h"
#include "core/settings/Preference.h"
#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"
#include "platform/RtfReader.h"
#include "platform/TextProperties.h"
#include "support/GeneratedDictionary.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace orvel;

namespace {

// Paragraph breaks as '\n', everything else as it is.
QString RawText(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// The first position of text in the document; fails the test when it is missing.
int Find(const QTextDocument& document, const QString& text) {
    const int position = RawText(document).indexOf(text);
    if (position < 0)
        qWarning() << "not found:" << text << "in" << RawText(document);
    return position;
}

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// Attributes as one comparable text: "font/charset/b/i/colour/size".
QString Describe(const TRichTextAttributes& a) {
    return QString("%1/%2/%3%4/%5/%6")
        .arg(a.FontName)
        .arg(a.Charset.value_or(-1))
        .arg(a.Bold ? "b" : "-")
        .arg(a.Italic ? "i" : "-")
        .arg(a.Color ? QString::number(*a.Color, 16) : QString("auto"))
        .arg(a.Size);
}

// Every character of [start, start + length) has the attributes.
void ExpectRange(const TRichTextAdapter& text, int start, int length, const QString& expected) {
    QVERIFY(start >= 0);
    for (int i = start; i < start + length; ++i)
        QCOMPARE(Describe(text.Attributes(i)), expected);
}

} // namespace

class TRtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void renderedArticlesReadBackAsTheirPlainText();
    void renderedAttributesAreTheRenderersOwn();
    void markAndReferenceBytes();
    void libreOfficeClipboard();
    void codePagesOfFontsWithoutCharset();
    void unicodeFallbackAndDestinations();
    void loadReplacesAndInsertReplacesSelection();
    void malformed_data();
    void malformed();
};

void TRtfReaderTest::renderedArticlesReadBackAsTheirPlainText() {
    // Generated bodies are arbitrary bytes: every code of the article format shows up.
    std::vector<std::string> articles = testing::GenerateDictionary(600, 60000, 5).Articles;
    articles.push_back("");
    articles.push_back("k\xC0ocor\x12\x0A\xF1\xEB\xEE\xE2\xEE\x0A\xF0\xE5\xF7\xFC\x81\x67");
    articles.push_back("\xC4"
                       "Ekka[r]\x0B\x80\x41 ab, <cd>\x0C\x09"
                       "AB 12\x08xyz \x91\x40\x92\x41");
    const TPreference preference;
    QTextDocument document;
    const TRichTextAdapter text(&document);
    for (const std::string& article : articles) {
        const std::string rtf = RenderArticle(article, preference, TVocabulary::BuiltIn());
        QVERIFY(LoadRtf(document, rtf));
        const QString expected =
            QString::fromStdString(ArticleToPlainText(article, TVocabulary::BuiltIn()));
        QCOMPARE(UnicodePlainText(text, 0, text.Length()), expected);
        // Every character came from a byte and has one in its code page again.
        for (int i = 0; i < text.Length(); ++i) {
            if (text.CodePoint(i) >= 0x20)
                QVERIFY2(text.Byte(i).has_value(), qPrintable(RawText(document)));
        }
    }
}

void TRtfReaderTest::renderedAttributesAreTheRenderersOwn() {
    TPreference preference;
    preference.TextFontSize = 14;
    preference.TextAuthorSizePercent = 60; // authors in 8 points
    preference.TextSignColor = 0x332211;
    preference.TextAuthorColor = 0x665544;
    preference.TextEnumColor = 0x998877;
    // λόγος, ὁ: 1) слово анат.; 2) речь Plat.
    const std::string article =
        "k\xC0ocor\x12\x0A\xF1\xEB\xEE\xE2\xEE\x82\x40\x0A\xF0\xE5\xF7\xFC\x81\x67";
    QTextDocument document;
    QVERIFY(LoadRtf(document, RenderArticle(article, preference, TVocabulary::BuiltIn())));
    const TRichTextAdapter text(&document);

    QCOMPARE(document.blockCount(), 3); // the head line and one paragraph per meaning
    const QString head = Latin1(InternalToFontWord("k\xC0ocor"));
    QCOMPARE(RawText(document).left(head.size()), head);
    ExpectRange(text, 0, int(head.size()), "Orvel000/0/b-/auto/14");
    const int article_ = Find(document, Latin1(GreekLetterToFont(0xC4, 'o')));
    ExpectRange(text, article_, 1, "Orvel000/0/--/auto/14");

    // The meaning number in the enumeration colour, then Russian decoded from Windows-1251 in
    // the untagged family of "Times New Roman Cyr".
    const int first = Find(document, "\n 1) слово");
    ExpectRange(text, first + 1, 4, "Times New Roman/204/--/998877/14");
    ExpectRange(text, first + 5, 5, "Times New Roman/204/--/auto/14");
    QCOMPARE(text.Byte(first + 5), std::optional<uint8_t>(0xF1));
    const int sign = Find(document, "анат.");
    ExpectRange(text, sign, 5, "Times New Roman/204/-i/332211/14");
    const int semicolon = Find(document, ";\n 2)");
    ExpectRange(text, semicolon, 1, "Times New Roman/0/--/auto/14");
    const int author = Find(document, "Plat.");
    ExpectRange(text, author, 5, "Times New Roman/0/--/665544/8");
    QCOMPARE(document.findBlockByNumber(2).text(), QString(" 2) речь Plat."));

    for (int i = 0; i < text.Length(); ++i)
        QVERIFY(text.Attributes(i).Charset.has_value());
    QVERIFY(!document.isModified());
    QVERIFY(!document.isUndoAvailable());
}

void TRtfReaderTest::markAndReferenceBytes() {
    // The mark 0x1F is the pilcrow in the Greek and in the Russian font; the raw bytes of a
    // head-word mark (0xA9, 0xB0) are Windows-1252 text in the Latin font.
    QTextDocument document;
    const TRichTextAdapter text(&document);
    QVERIFY(LoadRtf(document, RenderArticle("a\x1F"
                                            "b\x07\xF1\x1F\xEB",
                                            TPreference(), TVocabulary::BuiltIn())));
    QCOMPARE(RawText(document), QString("a¶b с¶л."));
    QCOMPARE(text.Attributes(1).FontName, QString("Orvel000"));
    QCOMPARE(text.Byte(1), std::optional<uint8_t>(0xB6));
    QCOMPARE(text.Attributes(5).Charset, std::optional<int>(204));
    QCOMPARE(text.Byte(5), std::optional<uint8_t>(0xB6));

    QVERIFY(LoadRtf(document, "{\\rtf1{\\fonttbl{\\f0\\fcharset0 Times New Roman;}}\\f0 \xA9\xB0"
                              "\\'80}"));
    QCOMPARE(RawText(document), QString("©°€"));
}

void TRtfReaderTest::libreOfficeClipboard() {
    // As LibreOffice Writer puts a selection on the clipboard: Unicode with '?' fallbacks,
    // associated fonts, styles, a generator, a picture with binary data, bookmarks.
    const std::string rtf =
        "{\\rtf1\\ansi\\deff4\\adeflang1025\r\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
        "Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
        "Symbol;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\froman\\fprq2\\fcharset0 Liberation "
        "Serif{\\*\\falt Times New Roman};}{\\f4\\froman\\fprq2\\fcharset204 Liberation "
        "Serif{\\*\\falt Times New Roman};}{\\f5\\froman\\fprq2\\fcharset161 Times New Roman "
        "Greek;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red128\\green0\\blue0;}\r\n"
        "{\\stylesheet{\\s0\\snext0\\hich\\af6\\dbch\\af7\\langfe2052\\afs24\\alang1081\\loch\\f3"
        "\\fs24\\lang1049 Normal;}\r\n{\\s15\\sbasedon0\\snext16\\loch\\f5\\fs28 Heading;}\r\n}"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}"
        "{\\info{\\author Somebody}{\\creatim\\yr2024\\mo1\\dy5}}{\\*\\userprops}\\deftab709\r\n"
        "{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\pgdscnxt0 Default "
        "Page Style;}}\r\n"
        "\\formshade\\paperh16838\\paperw11906\\sectd\\sbknone\\sectunlocked1\\pgndec\r\n"
        "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\hich\\af6\\dbch\\af7\\langfe2052"
        "\\afs24\\alang1081\\loch\\f3\\fs24\\lang1049{\\*\\bkmkstart here}{\\rtlch "
        "\\ltrch\\loch\r\n"
        "\\u955\\'3f\\u972\\'3f\\u947\\'3f\\u959\\'3f\\u962\\'3f}{\\rtlch \\ltrch\\loch\r\n"
        " }{\\b\\rtlch \\ab \\ltrch\\loch\\f4\\cf3\r\n"
        "\\'f1\\'eb\\'ee\\'e2\\'ee}{\\*\\bkmkend here}\r\n"
        "\\par \\pard\\plain \\s0\\loch\\f5\\fs28{\\i\\'eb\\'fc\\'e3\\'ef\\'f2}"
        "{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv x}}}\\picscalex100\\pngblip "
        "89504e470d0a1a0a}}{\\nonshppict{\\pict\\wmetafile8\\bin6 }{\\}\\x}}"
        "{\\loch\\f2\\fs20 \\uc2 \\u8364\\'80\\'80 \\u-4061\\'3f\\'3f}\\fs24\\u953\\'3f\\'e9\r\n"
        "\\par }";
    QTextDocument document;
    QVERIFY(LoadRtf(document, rtf));
    const TRichTextAdapter text(&document);
    QCOMPARE(RawText(document), QString("λόγος слово\nλόγος€ \uF023ιι"));

    // Unicode Greek in a Western font reads as Greek; the space keeps its font's charset.
    ExpectRange(text, 0, 5, "Liberation Serif/161/--/auto/12");
    ExpectRange(text, 5, 1, "Liberation Serif/0/--/auto/12");
    ExpectRange(text, 6, 5, "Liberation Serif/204/b-/80/12"); // red 128 in the low byte
    QCOMPARE(text.Byte(6), std::optional<uint8_t>(0xF1));
    ExpectRange(text, 12, 5, "Times New Roman Greek/161/-i/auto/14");
    QCOMPARE(text.Byte(12), std::optional<uint8_t>(0xEB));
    ExpectRange(text, 17, 1, "Arial/0/--/auto/10");
    // \uc2 lasts to the end of its group: after it one byte is skipped, the next is read in
    // the paragraph's font again.
    ExpectRange(text, 20, 2, "Times New Roman Greek/161/--/auto/12");

    // The Greek of the second paragraph is a search key as it stands.
    QTextDocument greek;
    QVERIFY(LoadRtf(greek, rtf.substr(0, rtf.find("{\\*\\shppict")) + "}"));
    TRichTextAdapter greekText(&greek);
    QTextCursor cursor(&greek);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QCOMPARE(RichTextToInternal(greekText, false), std::string("\x08k\xC0ocor"));
}

void TRtfReaderTest::codePagesOfFontsWithoutCharset() {
    // A font that names no charset takes the document's code page; so does text in no font.
    QTextDocument document;
    const TRichTextAdapter text(&document);
    QVERIFY(LoadRtf(document, "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0\\'e0 "
                              "\\f7\\'e1}"));
    QCOMPARE(RawText(document), QString("а б"));
    QCOMPARE(Describe(text.Attributes(0)), QString("Arial/204/--/auto/12"));
    QCOMPARE(Describe(text.Attributes(2)), QString("Arial/204/--/auto/12")); // \f7: the default

    QVERIFY(LoadRtf(document, "{\\rtf1\\ansicpg1253 \\'e1}"));
    QCOMPARE(RawText(document), QString("α"));
    QCOMPARE(text.Attributes(0).Charset, std::optional<int>(161));
    QCOMPARE(text.Attributes(0).FontName, document.defaultFont().family());

    QVERIFY(LoadRtf(document, "{\\rtf1\\ansi \\'e1\\'80}"));
    QCOMPARE(RawText(document), QString("á€"));

    // The display fonts hold their glyphs on the Latin-1 code points, whatever the code page.
    QVERIFY(LoadRtf(document, "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Orvel001;}}"
                              "\\f0\\'80\\'e0}"));
    QCOMPARE(RawText(document), QString("\u0080\u00E0"));
}

void TRtfReaderTest::unicodeFallbackAndDestinations() {
    QTextDocument document;
    const struct {
        const char* Rtf;
        QString Text;
    } cases[] = {
        {"{\\rtf1 \\u1083?\\u-3913?x}", "л\uF0B7x"},
        {"{\\rtf1\\uc0 \\u1083 ?}", "л?"},
        {"{\\rtf1\\uc3 \\u1083\\'81\\par x}", "л"}, // a control word counts as a character
        {"{\\rtf1 {\\uc3\\u1083 ab}c}", "лc"},      // the group's end ends the fallback
        {"{\\rtf1 \\u55357?\\u56832?}", "😀"},
        {"{\\rtf1 \\u55357?a}", "\uFFFDa"},
        {"{\\rtf1 a\\line b\\tab c\\~d\\-e\\_f\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote"
         "\\rdblquote}",
         "a\u2028b\tc\u00A0de\u2011f—–•‘’“”"},
        {"{\\rtf1 a\\par\\par b\\par\\par}", "a\n\nb\n"},
        {"{\\rtf1 a\\\r\nb\\\nc}", "a\nb\nc"},
        {"{\\rtf1 \\\\\\{\\}}", "\\{}"},
        {"{\\rtf1 {\\*\\unknown x}{\\*\\fname y;}{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt "
         "link}} {\\header h}{\\footnote f}{\\pntext 1.\\tab}z}",
         "link 1.\tz"},
        {"{\\rtf1 \\unknownword12 a\\unknownsymbol\\|\\:b}", "ab"},
        {"  \r\n{\\rtf1 a}", "a"},
        {"{\\rtf1 a}trailing\0", "a"},
    };
    for (const auto& c : cases) {
        QVERIFY2(LoadRtf(document, c.Rtf), c.Rtf);
        const QString text = RawText(document);
        QVERIFY2(text == c.Text, qPrintable(QStringLiteral("%1 gives \"%2\", not \"%3\"")
                                                .arg(QString::fromUtf8(c.Rtf), text, c.Text)));
    }
}

void TRtfReaderTest::loadReplacesAndInsertReplacesSelection() {
    QTextDocument document;
    QVERIFY(LoadRtf(document, "{\\rtf1 old}"));
    QVERIFY(LoadRtf(document, "{\\rtf1 new}"));
    QCOMPARE(RawText(document), QString("new"));
    QVERIFY(!LoadRtf(document, "new plain text"));
    QCOMPARE(RawText(document), QString());

    document.setPlainText("one two three");
    QTextCursor cursor(&document);
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    QVERIFY(InsertRtf(cursor, "{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0\\b \\'e4\\'e2\\'e0"
                              "\\par}"));
    QCOMPARE(RawText(document), QString("one два three"));
    QCOMPARE(TRichTextAdapter(&document).Attributes(4).Charset, std::optional<int>(204));
    QVERIFY(!InsertRtf(cursor, "no rtf"));
    document.undo();
    QCOMPARE(RawText(document), QString("one two three"));

    QVERIFY(IsRtf(" {\\rtf1}"));
    QVERIFY(!IsRtf("{\\rt"));
    QVERIFY(!IsRtf(""));
}

void TRtfReaderTest::malformed_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("unclosed") << QByteArray("{\\rtf1 abc{\\b def") << "abcdef";
    QTest::newRow("closed early") << QByteArray("{\\rtf1 a}}}b{c") << "a";
    QTest::newRow("cut hex") << QByteArray("{\\rtf1 x\\'4") << "x";
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zz}") << "zz";
    QTest::newRow("cut word") << QByteArray("{\\rtf1 x\\") << "x";
    QTest::newRow("cut unicode") << QByteArray("{\\rtf1 \\u") << "";
    QTest::newRow("huge unicode") << QByteArray("{\\rtf1 \\u99999999999999 a}") << "";
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin999999999999 b}") << "a";
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 \\bin-5 b}") << "b";
    QTest::newRow("huge charset") << QByteArray(
                                         "{\\rtf1{\\fonttbl{\\f0\\fcharset99999 X;}}\\f0\\'e0}")
                                  << "à";
    QTest::newRow("negative font and size")
        << QByteArray("{\\rtf1\\f-3\\fs-20\\cf-1\\uc-4 \\u1083?x}") << "лx";
    QTest::newRow("colour out of table") << QByteArray("{\\rtf1{\\colortbl;}\\cf99 a}") << "a";
    QTest::newRow("font table without names")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fcharset204;\\f1}\\f0\\'e0\\f1 b}") << "аb";
    QTest::newRow("controls and objects")
        << QByteArray("{\\rtf1 a\x01\x7F\\u65532?\\u64976?\\u0?\\u13?b}") << "ab";
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(200000, '{') + "x" + QByteArray(3, '}');
    QTest::newRow("deep nesting") << deep << "x";
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << "ab";
}

void TRtfReaderTest::malformed() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(LoadRtf(document, std::string_view(rtf.constData(), size_t(rtf.size()))));
    QCOMPARE(RawText(document), text);
    const TRichTextAdapter adapter(&document);
    for (int i = 0; i < adapter.Length(); ++i) {
        const auto charset = adapter.Attributes(i).Charset;
        QVERIFY(charset && *charset >= 0 && *charset <= 255);
    }
}

QTEST_MAIN(TRtfReaderTest)
#include "tst_rtfreader.moc"
