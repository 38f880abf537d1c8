#include "platform/rtfreader.h"

#include "chart/error.h"
#include "platform/gui_app.h"
#include "support/test_support.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using zentrel::platform::loadRtfFile;
using zentrel::platform::readRtf;

namespace {

class RtfReader : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }

    // Plain text of the RTF bytes (paragraphs and \line as '\n', no-break space as ' ').
    QString plain(const std::string& rtf)
    {
        EXPECT_TRUE(readRtf(QByteArray::fromStdString(rtf), doc)) << rtf;
        return doc.toPlainText();
    }
    QString raw(const std::string& rtf)
    {
        readRtf(QByteArray::fromStdString(rtf), doc);
        return doc.toRawText();
    }
    // Format of the character at index i of the document.
    QTextCharFormat formatAt(int i)
    {
        QTextCursor c(&doc);
        c.setPosition(i + 1);
        return c.charFormat();
    }
    QTextBlockFormat blockAt(int n) { return doc.findBlockByNumber(n).blockFormat(); }
    int halign(int n) { return int(blockAt(n).alignment() & Qt::AlignHorizontal_Mask); }

    QTextDocument doc;
};

struct TextCase {
    const char* name;
    std::string rtf;
    QString expected;
};

TEST_F(RtfReader, SnippetsGiveTheirPlainText)
{
    const std::vector<TextCase> cases = {
        {"bare", R"({\rtf1 Hello world})", "Hello world"},
        {"header words", R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033 Hi})", "Hi"},
        {"font table hidden",
         R"({\rtf1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;}}Hi})", "Hi"},
        {"colour table hidden", R"({\rtf1{\colortbl;\red255\green0\blue0;}Hi})", "Hi"},
        {"paragraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
        {"trailing par", R"({\rtf1 one\par})", "one\n"},
        {"line break", R"({\rtf1 a\line b})", "a\nb"},
        {"tab", R"({\rtf1 a\tab b})", "a\tb"},
        {"escaped symbols", R"({\rtf1 \\ \{x\}})", "\\ {x}"},
        {"source line breaks ignored", "{\\rtf1 ab\r\ncd\nef\r}", "abcdef"},
        {"backslash newline is par", "{\\rtf1 a\\\nb}", "a\nb"},
        {"word delimiter space eaten", R"({\rtf1 \b bold\b0  plain})", "bold plain"},
        {"word ended by non-letter", R"({\rtf1 \b1bold\i0,x})", "bold,x"},
        {"negative parameter", R"({\rtf1 \fi-360\li720 x})", "x"},
        {"unknown words dropped", R"({\rtf1 \foo12 x\barbaz y\zz-3 z})", "xyz"},
        {"ignorable destination", R"({\rtf1 {\*\generator Writer 1.0;}x})", "x"},
        {"ignorable unknown destination", R"({\rtf1 {\*\whatever {nested} text}x})", "x"},
        {"info skipped", R"({\rtf1 {\info{\title T}{\author A}}x})", "x"},
        {"stylesheet skipped", R"({\rtf1 {\stylesheet{\s0 Normal;}{\s1 Heading;}}x})", "x"},
        {"header and footer skipped", R"({\rtf1 {\header H}{\footer F}x})", "x"},
        {"footnote skipped", R"({\rtf1 a{\footnote note}b})", "ab"},
        {"picture skipped", R"({\rtf1 a{\pict\wmetafile8\picw10 0123abcdef}b})", "ab"},
        {"field keeps its result",
         R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x.y"}{\fldrslt the site}}.})",
         "see the site."},
        {"binary data skipped", "{\\rtf1 a{\\pict\\bin4 }}{\\}b}", "ab"},
        {"binary data in text", R"({\rtf1 a\bin3 xyzb})", "ab"},
        {"empty groups", R"({\rtf1 a{}{{}}b})", "ab"},
        {"named characters", R"({\rtf1 \lquote a\rquote \ldblquote b\rdblquote \endash\emdash\bullet})",
         QString::fromUtf8("\u2018a\u2019\u201Cb\u201D\u2013\u2014\u2022")},
        {"table cells", R"({\rtf1 a\cell b\cell\row c})", "a\tb\t\nc"},
        {"leading blanks and BOM", "\xEF\xBB\xBF \r\n{\\rtf1 x}", "x"},
        {"text after the document", R"({\rtf1 a} b)", "a b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plain(c.rtf), c.expected) << c.name;
}

TEST_F(RtfReader, CharacterEscapes)
{
    const std::vector<TextCase> cases = {
        {"hex e9", R"({\rtf1 caf\'e9})", QString::fromUtf8("café")},
        {"hex upper case", R"({\rtf1 caf\'E9})", QString::fromUtf8("café")},
        {"Windows-1252 high range", R"({\rtf1 \'80\'93x\'94\'85})", QString::fromUtf8("€“x”…")},
        {"unicode with fallback", R"({\rtf1 caf\u233?})", QString::fromUtf8("café")},
        {"fallback as hex byte", R"({\rtf1 caf\u233\'e9!})", QString::fromUtf8("café!")},
        {"uc2 skips two", R"({\rtf1 \uc2\u233 XYz})", QString::fromUtf8("éz")},
        {"uc0 skips none", R"({\rtf1 \uc0\u233 z})", QString::fromUtf8("éz")},
        {"control word counts as one", R"({\rtf1 \uc1\u233\tab z})", QString::fromUtf8("éz")},
        {"skip stops at a group end", R"({\rtf1 {\uc3\u233}z})", QString::fromUtf8("éz")},
        {"uc is scoped by the group", R"({\rtf1 {\uc2 a}\u233 XY})", QString::fromUtf8("aéY")},
        {"negative wraps", R"({\rtf1 \u-3913?})", QString(QChar(0xF0B7))},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", QString::fromUtf8("\U0001F600")},
        {"lone surrogate replaced", R"({\rtf1 \u-10179?x})", QString(QChar::ReplacementCharacter) + "x"},
        {"control characters dropped", R"({\rtf1 a\u0?\u7?\'01b})", "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plain(c.rtf), c.expected) << c.name;

    EXPECT_EQ(raw(R"({\rtf1 a\~b\-c\_d})"), QString::fromUtf8("a\u00A0b\u00ADc\u2011d"));
    EXPECT_EQ(raw(R"({\rtf1 a\line b})"), QString::fromUtf8("a\u2028b"));
}

TEST_F(RtfReader, CodePageFromHeader)
{
    if (!QStringDecoder("windows-1251").isValid())
        GTEST_SKIP() << "this Qt has no windows-1251 decoder";
    EXPECT_EQ(plain(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})"), QString::fromUtf8("При"));
    EXPECT_EQ(plain(R"({\rtf1\ansi\ansicpg1252 \'cf})"), QString::fromUtf8("Ï"));
}

// One character per mask letter: '+' means the property is on.
void expectMask(QTextDocument& doc, const std::string& mask, bool (*prop)(const QTextCharFormat&),
                const char* what)
{
    ASSERT_EQ(doc.characterCount() - 1, static_cast<int>(mask.size())) << what;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        QTextCursor c(&doc);
        c.setPosition(static_cast<int>(i) + 1);
        EXPECT_EQ(prop(c.charFormat()), mask[i] == '+') << what << " at " << i;
    }
}

TEST_F(RtfReader, BoldItalicUnderlineRanges)
{
    struct Case {
        std::string rtf;
        QString text;
        std::string bold, italic, underline;
    };
    const std::vector<Case> cases = {
        {R"({\rtf1 a{\b bc}d\b e\b0 f})", "abcdef", "-++-+-", "------", "------"},
        {R"({\rtf1 \i a\b b\i0 c\b0 d})", "abcd", "-++-", "++--", "----"},
        {R"({\rtf1 \ul a\ul0 b\ul c\ulnone d\uldb e})", "abcde", "-----", "-----", "+-+-+"},
        {R"({\rtf1 \b\i\ul a\plain b})", "ab", "+-", "+-", "+-"},
        {R"({\rtf1 {\b a{\i b}c}d})", "abcd", "+++-", "-+--", "----"},
        {R"({\rtf1 \b1 a\b0 b})", "ab", "+-", "--", "--"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(plain(c.rtf), c.text) << c.rtf;
        expectMask(doc, c.bold,
                   [](const QTextCharFormat& f) { return f.fontWeight() == QFont::Bold; },
                   c.rtf.c_str());
        expectMask(doc, c.italic, [](const QTextCharFormat& f) { return f.fontItalic(); },
                   c.rtf.c_str());
        expectMask(doc, c.underline,
                   [](const QTextCharFormat& f) { return f.fontUnderline(); }, c.rtf.c_str());
    }
}

TEST_F(RtfReader, FontSizesInHalfPoints)
{
    ASSERT_EQ(plain(R"({\rtf1 a\fs36 b{\fs17 c}d\plain e\fs0 f})"), "abcdef");
    const std::vector<double> sizes = {12, 18, 8.5, 18, 12, 12};
    for (int i = 0; i < 6; ++i)
        EXPECT_DOUBLE_EQ(formatAt(i).fontPointSize(), sizes[i]) << i;
}

TEST_F(RtfReader, ColoursFromTheTable)
{
    ASSERT_EQ(plain(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue255;)"
                    R"(\blue7;}a\cf1 b\cf2 c\cf0 d\cf9 e\cf3 f\highlight2 g\cb0 h})"),
              "abcdefgh");
    EXPECT_FALSE(formatAt(0).hasProperty(QTextFormat::ForegroundBrush)) << "auto";
    EXPECT_EQ(formatAt(1).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(2).foreground().color(), QColor(0, 128, 255));
    EXPECT_FALSE(formatAt(3).hasProperty(QTextFormat::ForegroundBrush)) << "\\cf0 is auto";
    EXPECT_FALSE(formatAt(4).hasProperty(QTextFormat::ForegroundBrush)) << "out of the table";
    EXPECT_EQ(formatAt(5).foreground().color(), QColor(0, 0, 7)) << "missing parts are 0";
    EXPECT_EQ(formatAt(6).background().color(), QColor(0, 128, 255));
    EXPECT_FALSE(formatAt(7).hasProperty(QTextFormat::BackgroundBrush));
}

TEST_F(RtfReader, FontFamiliesFromTheTable)
{
    const std::string table = R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2 Times New Roman;})"
                              R"({\f2\fmodern Courier New;}})";
    ASSERT_EQ(plain("{\\rtf1\\ansi\\deff1" + table + R"(a\f0 b\f2 c{\f1 d}\plain e\f7 g})"), "abcdeg");
    struct Expect {
        int at;
        QString family;
        QFont::StyleHint hint;
        bool fixed;
    };
    const std::vector<Expect> expected = {
        {0, "Times New Roman", QFont::Serif, false}, // the default font
        {1, "Arial", QFont::SansSerif, false},
        {2, "Courier New", QFont::Monospace, true},
        {3, "Times New Roman", QFont::Serif, false},
        {4, "Times New Roman", QFont::Serif, false}, // \plain goes back to \deff
    };
    for (const auto& e : expected) {
        const QTextCharFormat f = formatAt(e.at);
        EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{e.family}) << e.at;
        EXPECT_EQ(f.fontStyleHint(), e.hint) << e.at;
        EXPECT_EQ(f.fontFixedPitch(), e.fixed) << e.at;
    }
    EXPECT_FALSE(formatAt(5).hasProperty(QTextFormat::FontFamilies)) << "unknown font number";

    // Entries without their own groups, ended by ';'.
    ASSERT_EQ(plain(R"({\rtf1{\fonttbl\f0\froman Georgia;\f1\fswiss Verdana;}\f1 x})"), "x");
    EXPECT_EQ(formatAt(0).fontFamilies().toStringList(), QStringList{"Verdana"});
    // A name with a nested ignorable part and a Windows-1252 byte.
    ASSERT_EQ(plain(R"({\rtf1{\fonttbl{\f0\fnil{\*\panose 020b0604}Caf\'e9 Sans;}}x})"), "x");
    EXPECT_EQ(formatAt(0).fontFamilies().toStringList(), QStringList{QString::fromUtf8("Café Sans")});
}

TEST_F(RtfReader, ParagraphFormats)
{
    ASSERT_EQ(plain(R"({\rtf1\qc a\par b\par\pard c\par\qr d\par\qj\li720\ri360\fi-360\sb120\sa240 e})"),
              "a\nb\nc\nd\ne");
    EXPECT_EQ(halign(0), int(Qt::AlignHCenter));
    EXPECT_EQ(halign(1), int(Qt::AlignHCenter))
        << "a paragraph keeps the properties until \\pard";
    EXPECT_EQ(halign(2), int(Qt::AlignLeft));
    EXPECT_EQ(halign(3), int(Qt::AlignRight));
    const QTextBlockFormat e = blockAt(4);
    EXPECT_EQ(halign(4), int(Qt::AlignJustify));
    EXPECT_DOUBLE_EQ(e.leftMargin(), 48);  // 720 twips = half an inch at 96 dpi
    EXPECT_DOUBLE_EQ(e.rightMargin(), 24);
    EXPECT_DOUBLE_EQ(e.textIndent(), -24);
    EXPECT_DOUBLE_EQ(e.topMargin(), 8);
    EXPECT_DOUBLE_EQ(e.bottomMargin(), 16);

    // The properties in effect at \par belong to the paragraph, even inside a closed group.
    ASSERT_EQ(plain(R"({\rtf1{\qc Title\par}body})"), "Title\nbody");
    EXPECT_EQ(halign(0), int(Qt::AlignHCenter));
    EXPECT_EQ(halign(1), int(Qt::AlignLeft));
    // The last paragraph, closed by the end of the document, keeps its own.
    ASSERT_EQ(plain(R"({\rtf1\qr end})"), "end");
    EXPECT_EQ(halign(0), int(Qt::AlignRight));
}

TEST_F(RtfReader, SameFormatRunsMerge)
{
    ASSERT_EQ(plain(R"({\rtf1 a{b}{\b0 c}\plain d\unknown e})"), "abcde");
    int fragments = 0;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
        ++fragments;
    EXPECT_EQ(fragments, 1);
}

TEST_F(RtfReader, ReplacesTheOldContents)
{
    QTextCursor(&doc).insertText("old text");
    ASSERT_TRUE(doc.isUndoAvailable());
    ASSERT_EQ(plain(R"({\rtf1 new})"), "new");
    EXPECT_FALSE(doc.isUndoAvailable()) << "loading is no edit to undo";
}

TEST_F(RtfReader, NonRtfBecomesPlainText)
{
    EXPECT_FALSE(readRtf("just some text\nsecond line", doc));
    EXPECT_EQ(doc.toPlainText(), "just some text\nsecond line");
    EXPECT_FALSE(readRtf("caf\xe9 {\\b x}", doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("café {\\b x}")) << "not UTF-8: Windows-1252";
    EXPECT_FALSE(readRtf(QByteArray::fromStdString("caf\xc3\xa9"), doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("café"));
    EXPECT_FALSE(readRtf("{\\rt", doc)) << "a cut header is no RTF";
    EXPECT_FALSE(readRtf(QByteArray(), doc));
    EXPECT_TRUE(doc.isEmpty());
}

TEST_F(RtfReader, MalformedInputKeepsTheReadableText)
{
    const std::vector<TextCase> cases = {
        {"extra closing braces", R"({\rtf1 a}}}b}})", "ab"},
        {"missing closing braces", R"({\rtf1 {\b a{\i b)", "ab"},
        {"cut inside a word", R"({\rtf1 hello\pa)", "hello"},
        {"cut after a backslash", "{\\rtf1 hello\\", "hello"},
        {"cut inside a hex escape", R"({\rtf1 x\'e)", "x"},
        {"bad hex escape", R"({\rtf1 x\'zzy})", "xzzy"},
        {"cut after a unicode number", R"({\rtf1 x\u97)", "xa"},
        {"cut inside binary data", R"({\rtf1 x\bin100 abc)", "x"},
        {"negative binary length", R"({\rtf1 x\bin-5 y})", "xy"},
        {"misplaced star", R"({\rtf1 a\*b{\b\* c}})", "ab c"},
        {"destination word in the document group", R"({\rtf1\info a})", "a"},
        {"unicode out of range", R"({\rtf1 \u99999?x})", QString(QChar::ReplacementCharacter) + "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plain(c.rtf), c.expected) << c.name;

    ASSERT_EQ(plain(R"({\rtf1 {\b a{\i b)"), "ab");
    EXPECT_EQ(formatAt(1).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(1).fontItalic());
}

TEST_F(RtfReader, OverlongWordsAndNumbers)
{
    EXPECT_EQ(plain("{\\rtf1 \\" + std::string(100000, 'a') + " text}"), "text");
    ASSERT_EQ(plain("{\\rtf1 \\fs" + std::string(5000, '9') + " t}"), "t");
    EXPECT_GT(formatAt(0).fontPointSize(), 0);
    EXPECT_LE(formatAt(0).fontPointSize(), 1638);
    EXPECT_EQ(plain("{\\rtf1 \\li-" + std::string(50, '9') + "\\uc" + std::string(30, '9') +
                    " x\\u233 abcdefghijklmnopqrst}"),
              QString::fromUtf8("xéqrst")) << "a huge \\uc skips at most 16 characters";
}

TEST_F(RtfReader, DeepNesting)
{
    const int n = 10000;
    EXPECT_EQ(plain("{\\rtf1 " + std::string(n, '{') + "deep" + std::string(n, '}') + " after}"),
              "deep after");
    // Skipped groups beyond the depth cap must still close where they end.
    std::string skipped = "{\\rtf1 ";
    for (int i = 0; i < n; ++i)
        skipped += "{\\*\\foo ";
    skipped += "hidden" + std::string(n, '}') + "shown}";
    EXPECT_EQ(plain(skipped), "shown");
    // Formatting opened at every level, never closed.
    std::string open = "{\\rtf1 ";
    for (int i = 0; i < n; ++i)
        open += "{\\b x";
    EXPECT_EQ(plain(open), QString(n, QChar('x')));
    EXPECT_EQ(formatAt(n - 1).fontWeight(), QFont::Bold);
}

TEST_F(RtfReader, EveryPrefixOfADocumentReadsAsAPrefix)
{
    // No word here is the start of another that shows text (as \pard cut to \par would be).
    const std::string full =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue255;})"
        R"({\*\generator x;}\qc\b\fs32 Caf\'e9 help\b0\par)"
        R"(\ql\li360\cf1 Press {\i Enter}\tab go\line next\par})";
    const QString whole = plain(full);
    ASSERT_EQ(whole, QString::fromUtf8("Café help\nPress Enter\tgo\nnext\n"));
    for (std::size_t len = 5; len < full.size(); ++len) { // from "{\rtf" on
        readRtf(QByteArray::fromStdString(full.substr(0, len)), doc);
        const QString part = doc.toPlainText();
        EXPECT_TRUE(whole.startsWith(part)) << len << ": " << part.toStdString();
    }
}

TEST_F(RtfReader, RandomBytesNeverBreakTheReader)
{
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    // Bytes that make RTF structure, so the noise reaches the reader's deeper paths.
    const std::string structure = "{}\\\\\\'*0123456789-;abuc ";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(structure.size()) - 1);
    for (int round = 0; round < 40; ++round) {
        std::string noise;
        for (int i = 0; i < 4096; ++i)
            noise += round % 2 ? structure[pick(gen)] : static_cast<char>(byte(gen));
        const std::string rtf = "{\\rtf1 Readable text\\par " + noise;
        ASSERT_TRUE(readRtf(QByteArray::fromStdString(rtf), doc)) << round;
        EXPECT_TRUE(doc.toPlainText().startsWith("Readable text\n")) << round;
        EXPECT_FALSE(readRtf(QByteArray::fromStdString(noise), doc)) << round;
    }
}

TEST_F(RtfReader, LoadFileReadsRtfAndPlainFiles)
{
    zentrel::test::TempDir dir;
    zentrel::test::writeFile(dir / "help.rtf", "{\\rtf1 Caf\\'e9\\par x}");
    loadRtfFile(QString::fromStdString((dir / "help.rtf").string()), doc);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("Café\nx"));
    zentrel::test::writeFile(dir / "notes.txt", "plain words");
    loadRtfFile(QString::fromStdString((dir / "notes.txt").string()), doc);
    EXPECT_EQ(doc.toPlainText(), "plain words");
}

TEST_F(RtfReader, LoadFileFailuresThrowTheRuntimeText)
{
    zentrel::test::TempDir dir;
    doc.setPlainText("old");
    const auto errorOf = [&](const std::filesystem::path& p) -> std::string {
        try {
            loadRtfFile(QString::fromStdString(p.string()), doc);
        } catch (const zentrel::IoError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(errorOf(dir / "missing.rtf"), "File not found");
    EXPECT_EQ(errorOf(dir / "no" / "such" / "folder.rtf"), "File not found");
    EXPECT_EQ(errorOf(""), "File not found");
    EXPECT_EQ(errorOf(dir.path()), "File access denied");
    EXPECT_EQ(doc.toPlainText(), "old") << "a failed load leaves the document";
}

TEST_F(RtfReader, UnreadableFileIsAccessDenied)
{
    zentrel::test::TempDir dir;
    const auto p = dir / "locked.rtf";
    zentrel::test::writeFile(p, "{\\rtf1 secret}");
    std::filesystem::permissions(p, std::filesystem::perms::none);
    if (QFile(QString::fromStdString(p.string())).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    try {
        loadRtfFile(QString::fromStdString(p.string()), doc);
        FAIL() << "no error";
    } catch (const zentrel::IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
}

TEST_F(RtfReader, HelpFilesOfTheProgramRead)
{
    const std::filesystem::path assets = ZENTREL_SOURCE_DIR "/assets";
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(assets, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == ".rtf")
            files.push_back(it->path());
    if (files.empty())
        GTEST_SKIP() << "no help files in " << assets;
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        const QByteArray bytes = QByteArray::fromStdString(zentrel::test::readFile(f));
        ASSERT_TRUE(readRtf(bytes, doc));
        const QString text = doc.toPlainText();
        EXPECT_FALSE(text.trimmed().isEmpty());
        // A backslash may be text (\\); a backslash before a letter or \'hh is a word left over.
        static const QRegularExpression word(R"(\\[A-Za-z]|\\'[0-9A-Fa-f]{2})");
        EXPECT_FALSE(text.contains(word)) << "stray control word: " << text.toStdString();
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << text.toStdString();
    }
}

} // namespace
