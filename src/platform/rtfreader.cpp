#include "platform/rtfreader.h"

#include "chart/error.h"
#include "chart/text.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <vector>

namespace zentrel::platform {
namespace {

// Deeper groups are read with the state of the last kept level: no unbounded stack.
constexpr int kMaxDepth = 256;
// Longer control words are cut; their remaining letters are still consumed.
constexpr int kMaxWordLength = 32;
constexpr int kDefaultHalfPoints = 24; // RTF's default 12 pt
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxTwips = 31680; // 22 inches: any larger indent is noise
constexpr int kParamLimit = 100'000'000; // digits beyond it are read but dropped, so no overflow

enum class Dest { Text, Skip, FontTable, ColorTable };

struct State {
    Dest dest = Dest::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0; // 1 superscript, -1 subscript
    int font = -1;    // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int fg = 0; // colour table indices; 0 is "auto"
    int bg = 0;
    int uc = 1; // characters to skip after \uN
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0; // twips

    void resetChar()
    {
        bold = italic = underline = strike = false;
        vertical = 0;
        font = -1;
        halfPoints = kDefaultHalfPoints;
        fg = bg = 0;
    }
    void resetPara()
    {
        align = Qt::AlignLeft;
        li = ri = fi = sb = sa = 0;
    }
};

struct FontEntry {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixed = false;
};

// Destinations whose text is not part of the visible body.
bool isSkippedDestination(const QByteArray& w)
{
    static const char* const kSkipped[] = {
        "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "author",
        "bkmkend", "bkmkstart", "buptim", "colorschememapping", "comment", "company", "creatim",
        "datastore", "doccomm", "docvar", "falt", "fldinst", "filetbl", "footer", "footerf",
        "footerl", "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "generator", "header",
        "headerf", "headerl", "headerr", "info", "keywords", "latentstyles", "listoverridetable",
        "listtable", "nonshppict", "objdata", "object", "objclass", "operator", "pict",
        "printim", "private", "revtbl", "revtim", "rsidtbl", "stylesheet", "subject", "tc",
        "template", "themedata", "title", "txe", "userprops", "xe", "xmlnstbl",
    };
    for (const char* s : kSkipped)
        if (w == s)
            return true;
    return false;
}

int clampTwips(int v) { return std::clamp(v, -kMaxTwips, kMaxTwips); }
qreal twipsToPixels(int twips) { return twips / 15.0; } // 1440 twips per inch at 96 dpi

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(char c)
{
    if (c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// Lone surrogates would corrupt the document's text; pairs pass through.
QString sanitized(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            out += c;
            out += s[++i];
        } else if (c.isSurrogate()) {
            out += QChar::ReplacementCharacter;
        } else {
            out += c;
        }
    }
    return out;
}

QString decodeCp1252(const QByteArray& bytes)
{
    return QString::fromStdString(cp1252ToUtf8(std::string_view(bytes.constData(), bytes.size())));
}

class Reader {
public:
    Reader(const QByteArray& in, qsizetype start, QTextDocument& doc)
        : in_(in), pos_(start), cursor_(&doc)
    {
        stack_.emplace_back();
    }

    void run()
    {
        cursor_.beginEditBlock();
        const qsizetype n = in_.size();
        while (pos_ < n) {
            const char c = in_[pos_++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                groupJustOpened_ = false;
                break;
            case '\r':
            case '\n':
                break; // source line breaks carry no meaning
            default:
                groupJustOpened_ = false;
                if (takeSkipped())
                    break;
                textByte(static_cast<unsigned char>(c));
                break;
            }
        }
        flushText();
        cursor_.endEditBlock();
    }

private:
    State& st() { return stack_.back(); }
    int depth() const { return static_cast<int>(stack_.size()) - 1; }
    // Destinations and \* are honoured only inside a real group below the document group,
    // so a misplaced word can never hide the whole body.
    bool canChangeDestination() const { return depth() >= 2 && overflow_ == 0; }

    bool takeSkipped()
    {
        if (skipChars_ <= 0)
            return false;
        --skipChars_;
        return true;
    }

    void openGroup()
    {
        flushText();
        skipChars_ = 0;
        groupJustOpened_ = true;
        if (depth() >= kMaxDepth)
            ++overflow_;
        else
            stack_.push_back(stack_.back());
    }

    void closeGroup()
    {
        flushText();
        skipChars_ = 0;
        groupJustOpened_ = false;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1)
            return; // a stray closing brace
        const Dest closed = stack_.back().dest;
        stack_.pop_back();
        if (closed == Dest::FontTable)
            commitFont(); // an entry may end with its group instead of ';'
    }

    void controlSequence()
    {
        const qsizetype n = in_.size();
        if (pos_ >= n)
            return;
        const char c = in_[pos_];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            QByteArray word;
            while (pos_ < n && ((in_[pos_] >= 'a' && in_[pos_] <= 'z') ||
                                (in_[pos_] >= 'A' && in_[pos_] <= 'Z'))) {
                if (word.size() < kMaxWordLength)
                    word += in_[pos_];
                ++pos_;
            }
            bool hasParam = false;
            bool negative = false;
            int param = 0;
            if (pos_ + 1 < n && in_[pos_] == '-' && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
                negative = true;
                ++pos_;
            }
            while (pos_ < n && in_[pos_] >= '0' && in_[pos_] <= '9') {
                hasParam = true;
                if (param < kParamLimit)
                    param = param * 10 + (in_[pos_] - '0');
                ++pos_;
            }
            if (negative)
                param = -param;
            if (pos_ < n && in_[pos_] == ' ')
                ++pos_; // the delimiter belongs to the word
            if (word == "bin" && hasParam) {
                skipBinary(param);
                takeSkipped();
                return;
            }
            if (takeSkipped())
                return;
            if (word != "u")
                flushText(); // \u leaves the format, and a surrogate pair must stay together
            controlWord(word, hasParam, param);
            return;
        }
        ++pos_;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < n && isHex(in_[pos_])) {
                value = value * 16 + hexValue(in_[pos_++]);
                ++digits;
            }
            if (takeSkipped() || digits != 2)
                return;
            textByte(static_cast<unsigned char>(value));
            return;
        }
        if (takeSkipped())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<unsigned char>(c));
            break;
        case '~':
            textChar(QChar(0x00A0));
            break;
        case '-':
            textChar(QChar(0x00AD));
            break;
        case '_':
            textChar(QChar(0x2011));
            break;
        case '*':
            if (groupJustOpened_ && canChangeDestination())
                st().dest = Dest::Skip;
            break;
        case '\r':
        case '\n':
            flushText();
            paragraph(); // a backslash before a line break means \par
            break;
        case '\t':
            textChar(QChar(u'\t'));
            break;
        default:
            break; // \| \: and unknown symbols show nothing
        }
    }

    void skipBinary(int count)
    {
        if (count > 0)
            pos_ += std::min<qsizetype>(count, in_.size() - pos_);
    }

    void controlWord(const QByteArray& w, bool hasParam, int param)
    {
        State& s = st();
        if (s.dest == Dest::Skip)
            return;
        const bool on = !hasParam || param != 0;

        if (w == "fonttbl" || w == "colortbl" || isSkippedDestination(w)) {
            if (!canChangeDestination())
                return;
            if (w == "fonttbl") {
                s.dest = Dest::FontTable;
                resetFontEntry();
            } else if (w == "colortbl") {
                s.dest = Dest::ColorTable;
                red_ = green_ = blue_ = -1;
            } else {
                s.dest = Dest::Skip;
            }
            return;
        }

        if (s.dest == Dest::FontTable) {
            fontTableWord(w, hasParam, param);
            return;
        }
        if (s.dest == Dest::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            if (w == "red")
                red_ = v;
            else if (w == "green")
                green_ = v;
            else if (w == "blue")
                blue_ = v;
            return;
        }

        // Document-wide settings.
        if (w == "deff") {
            if (hasParam)
                deff_ = param;
        } else if (w == "ansicpg") {
            if (hasParam)
                setCodePage(param);
        } else if (w == "uc") {
            if (hasParam)
                s.uc = std::clamp(param, 0, kMaxUnicodeSkip);
        } else if (w == "u") {
            if (hasParam)
                unicodeChar(param);
        }
        // Paragraphs and breaks.
        else if (w == "par" || w == "row" || w == "page" || w == "sect") {
            paragraph();
        } else if (w == "line") {
            textChar(QChar::LineSeparator);
        } else if (w == "tab" || w == "cell") {
            textChar(QChar(u'\t'));
        } else if (w == "pard") {
            s.resetPara();
        } else if (w == "ql") {
            s.align = Qt::AlignLeft;
        } else if (w == "qr") {
            s.align = Qt::AlignRight;
        } else if (w == "qc") {
            s.align = Qt::AlignHCenter;
        } else if (w == "qj") {
            s.align = Qt::AlignJustify;
        } else if (w == "li") {
            s.li = clampTwips(param);
        } else if (w == "ri") {
            s.ri = clampTwips(param);
        } else if (w == "fi") {
            s.fi = clampTwips(param);
        } else if (w == "sb") {
            s.sb = clampTwips(param);
        } else if (w == "sa") {
            s.sa = clampTwips(param);
        }
        // Character formatting.
        else if (w == "plain") {
            s.resetChar();
        } else if (w == "b") {
            s.bold = on;
        } else if (w == "i") {
            s.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "uldash" || w == "ulw" ||
                   w == "ulth" || w == "ulwave" || w == "uldashd" || w == "uldashdd") {
            s.underline = on;
        } else if (w == "ulnone") {
            s.underline = false;
        } else if (w == "strike") {
            s.strike = on;
        } else if (w == "super") {
            s.vertical = 1;
        } else if (w == "sub") {
            s.vertical = -1;
        } else if (w == "nosupersub") {
            s.vertical = 0;
        } else if (w == "f") {
            if (hasParam)
                s.font = param;
        } else if (w == "fs") {
            s.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : kDefaultHalfPoints;
        } else if (w == "cf") {
            s.fg = std::max(param, 0);
        } else if (w == "highlight" || w == "cb" || w == "chcbpat") {
            s.bg = std::max(param, 0);
        }
        // Named characters.
        else if (w == "emdash") {
            textChar(QChar(0x2014));
        } else if (w == "endash") {
            textChar(QChar(0x2013));
        } else if (w == "emspace") {
            textChar(QChar(0x2003));
        } else if (w == "enspace") {
            textChar(QChar(0x2002));
        } else if (w == "qmspace") {
            textChar(QChar(0x2005));
        } else if (w == "bullet") {
            textChar(QChar(0x2022));
        } else if (w == "lquote") {
            textChar(QChar(0x2018));
        } else if (w == "rquote") {
            textChar(QChar(0x2019));
        } else if (w == "ldblquote") {
            textChar(QChar(0x201C));
        } else if (w == "rdblquote") {
            textChar(QChar(0x201D));
        } else if (w == "zwj") {
            textChar(QChar(0x200D));
        } else if (w == "zwnj") {
            textChar(QChar(0x200C));
        }
        // Anything else is a word this reader does not show.
    }

    void fontTableWord(const QByteArray& w, bool hasParam, int param)
    {
        if (w == "f") {
            commitFont();
            resetFontEntry();
            if (hasParam)
                fontNumber_ = param;
        } else if (w == "fswiss") {
            fontHint_ = QFont::SansSerif;
        } else if (w == "froman") {
            fontHint_ = QFont::Serif;
        } else if (w == "fmodern") {
            fontHint_ = QFont::Monospace;
            fontFixed_ = true;
        } else if (w == "fscript") {
            fontHint_ = QFont::Cursive;
        } else if (w == "fdecor") {
            fontHint_ = QFont::Decorative;
        } else if (w == "fprq") {
            if (param == 1)
                fontFixed_ = true;
        } else if (w == "u" && hasParam) {
            // a font name in \u form: keep the character, drop its fallback
            flushFontName();
            fontNameText_ += unicodeValue(param);
            skipChars_ = st().uc;
        }
    }

    void resetFontEntry()
    {
        fontNumber_ = -1;
        fontHint_ = QFont::AnyStyle;
        fontFixed_ = false;
        fontName_.clear();
        fontNameText_.clear();
    }

    void flushFontName()
    {
        fontNameText_ += decode(fontName_);
        fontName_.clear();
    }

    void commitFont()
    {
        flushFontName();
        if (fontNumber_ >= 0) {
            FontEntry e;
            e.name = fontNameText_.trimmed();
            e.hint = fontHint_;
            e.fixed = fontFixed_;
            fonts_[fontNumber_] = e;
        }
        resetFontEntry();
    }

    void commitColor()
    {
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colors_.push_back(QColor()); // no components: "auto"
        else
            colors_.push_back(QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
        red_ = green_ = blue_ = -1;
    }

    void setCodePage(int cp)
    {
        decoder_.reset();
        if (cp == 1252 || cp <= 0)
            return;
        const QByteArray name = cp == 65001 ? QByteArray("UTF-8") : "windows-" + QByteArray::number(cp);
        QStringDecoder d(name.constData());
        if (!d.isValid())
            d = QStringDecoder(("CP" + QByteArray::number(cp)).constData());
        if (d.isValid())
            decoder_.emplace(std::move(d));
    }

    QString decode(const QByteArray& bytes)
    {
        if (bytes.isEmpty())
            return {};
        if (decoder_)
            return decoder_->decode(bytes);
        return decodeCp1252(bytes);
    }

    static QString unicodeValue(int param)
    {
        if (param < 0)
            param += 65536;
        if (param < 0 || param > 0xFFFF)
            return QString(QChar::ReplacementCharacter);
        return QString(QChar(static_cast<char16_t>(param)));
    }

    void unicodeChar(int param)
    {
        const QString c = unicodeValue(param);
        skipChars_ = st().uc;
        const char16_t u = c[0].unicode();
        if (u < 0x20 && u != '\t')
            return;
        textChar(c[0]);
    }

    void textByte(unsigned char b)
    {
        State& s = st();
        switch (s.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (b == ';')
                commitFont();
            else if (b >= 0x20)
                fontName_ += static_cast<char>(b);
            return;
        case Dest::ColorTable:
            if (b == ';')
                commitColor();
            return;
        case Dest::Text:
            if (b == '\t') {
                textChar(QChar(u'\t'));
            } else if (b >= 0x20) {
                pendingBytes_ += static_cast<char>(b);
            }
            return;
        }
    }

    void textChar(QChar c)
    {
        if (st().dest != Dest::Text)
            return;
        flushBytes();
        pendingText_ += c;
    }

    void flushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        pendingText_ += decode(pendingBytes_);
        pendingBytes_.clear();
    }

    void flushText()
    {
        flushBytes();
        if (pendingText_.isEmpty())
            return;
        cursor_.setBlockFormat(blockFormat());
        cursor_.insertText(sanitized(pendingText_), charFormat());
        pendingText_.clear();
    }

    void paragraph()
    {
        if (st().dest != Dest::Text)
            return;
        flushText();
        // The properties in effect at \par belong to the paragraph it ends; the next one
        // starts with them too.
        const QTextBlockFormat bf = blockFormat();
        cursor_.setBlockFormat(bf);
        cursor_.insertBlock(bf, charFormat());
    }

    QTextBlockFormat blockFormat()
    {
        const State& s = st();
        QTextBlockFormat f;
        f.setAlignment(s.align);
        f.setLeftMargin(twipsToPixels(s.li));
        f.setRightMargin(twipsToPixels(s.ri));
        f.setTextIndent(twipsToPixels(s.fi));
        f.setTopMargin(twipsToPixels(s.sb));
        f.setBottomMargin(twipsToPixels(s.sa));
        return f;
    }

    QTextCharFormat charFormat()
    {
        const State& s = st();
        QTextCharFormat f;
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontStrikeOut(s.strike);
        if (s.vertical != 0)
            f.setVerticalAlignment(s.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                  : QTextCharFormat::AlignSubScript);
        f.setFontPointSize(s.halfPoints / 2.0);
        const auto font = fonts_.find(s.font >= 0 ? s.font : deff_);
        if (font != fonts_.end()) {
            if (!font->second.name.isEmpty())
                f.setFontFamilies(QStringList{font->second.name});
            f.setFontStyleHint(font->second.hint);
            if (font->second.fixed)
                f.setFontFixedPitch(true);
        }
        if (s.fg > 0 && s.fg < static_cast<int>(colors_.size()) && colors_[s.fg].isValid())
            f.setForeground(colors_[s.fg]);
        if (s.bg > 0 && s.bg < static_cast<int>(colors_.size()) && colors_[s.bg].isValid())
            f.setBackground(colors_[s.bg]);
        return f;
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    std::vector<State> stack_; // [0] is outside every group
    int overflow_ = 0;         // open groups beyond kMaxDepth
    bool groupJustOpened_ = false;
    int skipChars_ = 0; // fallback characters still to drop after \uN

    int deff_ = 0;
    std::optional<QStringDecoder> decoder_; // none: Windows-1252
    std::map<int, FontEntry> fonts_;
    std::vector<QColor> colors_;

    int fontNumber_ = -1;
    QFont::StyleHint fontHint_ = QFont::AnyStyle;
    bool fontFixed_ = false;
    QByteArray fontName_;
    QString fontNameText_;
    int red_ = -1, green_ = -1, blue_ = -1;

    QByteArray pendingBytes_;
    QString pendingText_;
};

// Offset of "{\rtf" after blanks and a UTF-8 mark, or -1.
qsizetype rtfStart(const QByteArray& data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' ||
                               data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf" ? i : -1;
}

QString plainText(const QByteArray& data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = decodeCp1252(data);
    return text;
}

QByteArray readWholeFile(const QString& path)
{
    // QFile for portable names; the failures map onto the core's runtime texts.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throwIoError(ENOENT);
    if (info.isDir())
        throwIoError(EISDIR);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throwIoError(file.error() == QFileDevice::PermissionsError || !info.isReadable() ? EACCES
                                                                                          : EIO);
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwIoError(EIO);
    return data;
}

} // namespace

bool readRtf(const QByteArray& rtf, QTextDocument& doc)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // loading is not an edit the user can undo
    doc.clear();
    const qsizetype start = rtfStart(rtf);
    const bool isRtf = start >= 0;
    if (isRtf) {
        Reader reader(rtf, start, doc);
        reader.run();
    } else {
        doc.setPlainText(plainText(rtf));
    }
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return isRtf;
}

void loadRtfFile(const QString& path, QTextDocument& doc)
{
    readRtf(readWholeFile(path), doc);
}

} // namespace zentrel::platform
