#include "RtfReader.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <optional>
#include <vector>

#include "TextFormat.h"

namespace {

constexpr int MaxDepth = 200;
constexpr int MaxWordLength = 32;
constexpr int MaxDigits = 10;

enum class Dest { Text, FontTable, ColourTable, Skip };

// Which characters the associated properties (\af, \afs, \ab, \ai) describe: the last of
// \loch, \hich, \dbch, \rtlch and \ltrch chooses.
enum class Assoc { Low, High, Double, RightToLeft };

struct CharState {
  int font = -1;  // -1: the default font (\deff)
  int halfPoints = 24;
  int colour = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  // The format of Chinese, Japanese and Korean characters when a writer gives it apart (as
  // associated properties after \dbch); -1 where it gives none, so the text's own applies.
  Assoc assoc = Assoc::Low;
  int cjkFont = -1;
  int cjkHalfPoints = -1;
  int cjkBold = -1;
  int cjkItalic = -1;
};

struct ParaState {
  Qt::Alignment alignment = Qt::AlignLeft;
  int sl = 0;
  bool slmult = false;
};

struct Group {
  CharState ch;
  ParaState para;
  Dest dest = Dest::Text;
  int uc = 1;
  bool starred = false;  // "\*" seen: an unknown destination word skips the group
  bool fresh = true;     // no control word yet in this group: a destination word may follow
};

struct FontEntry {
  QString name;
  int charset = 1;
};

int codepageOfCharset(int charset, int ansiCodepage) {
  switch (charset) {
    case 0:
      return 1252;
    case 2:
      return 0;  // symbol fonts: bytes are glyph indexes
    case 77:
      return 10000;
    case 128:
      return 932;
    case 129:
      return 949;
    case 134:
      return 936;
    case 136:
      return 950;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    default:
      return ansiCodepage;
  }
}

// Characters that word processors format with the double-byte (East Asian) properties.
bool isEastAsian(char32_t c) {
  return (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// Text as it may enter the document: no NULs or other control characters but tab and the line
// separator, no unpaired surrogates and no non-characters.
QString cleaned(const QString& text) {
  QString out;
  out.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate()) {
      if (i + 1 < n && text[i + 1].isLowSurrogate()) {
        out += c;
        out += text[++i];
      }
      continue;
    }
    if (c.isLowSurrogate()) continue;
    const char16_t u = c.unicode();
    if ((u < 0x20 && u != u'\t') || u == 0x7F || u == 0xFFFE || u == 0xFFFF) continue;
    out += c;
  }
  return out;
}

bool isDoubleByte(int codepage) {
  return codepage == 936 || codepage == 950 || codepage == 949 || codepage == 932;
}

bool isLeadByte(int codepage, unsigned char b) {
  if (codepage == 932) return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  return b >= 0x81 && b <= 0xFE;
}

const char* codecName(int codepage) {
  switch (codepage) {
    case 936:
      return "GBK";
    case 950:
      return "Big5";
    case 949:
      return "windows-949";
    case 932:
      return "Shift_JIS";
    case 10000:
      return "macintosh";
    case 437:
      return "IBM437";
    case 850:
      return "IBM850";
    case 874:
      return "windows-874";
    case 1250:
      return "windows-1250";
    case 1251:
      return "windows-1251";
    case 1253:
      return "windows-1253";
    case 1254:
      return "windows-1254";
    case 1255:
      return "windows-1255";
    case 1256:
      return "windows-1256";
    case 1257:
      return "windows-1257";
    case 1258:
      return "windows-1258";
    default:
      return "windows-1252";
  }
}

class Reader {
 public:
  Reader(const QByteArray& input, QTextDocument& doc) : in_(input), doc_(doc), cursor_(&doc) {}

  void run() {
    doc_.clear();
    cursor_ = QTextCursor(&doc_);
    cursor_.beginEditBlock();
    stack_.reserve(64);
    if (in_.startsWith("\xEF\xBB\xBF")) pos_ = 3;  // a UTF-8 byte-order mark is no text
    const qsizetype n = in_.size();
    while (pos_ < n) {
      const char c = in_[pos_++];
      if (c == '{') {
        openGroup();
      } else if (c == '}') {
        if (!closeGroup()) break;
      } else if (c == '\\') {
        controlSequence();
      } else if (c == '\r' || c == '\n') {
        continue;
      } else {
        byte(static_cast<unsigned char>(c), false);
      }
    }
    if (!closed_) finishLastParagraph();
    cursor_.endEditBlock();
  }

 private:
  Group& top() { return stack_.empty() ? root_ : stack_.back(); }

  void openGroup() {
    flushText();
    if (overflow_ > 0 || stack_.size() >= MaxDepth) {
      ++overflow_;
      return;
    }
    Group g = top();
    g.starred = false;
    g.fresh = true;
    stack_.push_back(g);
  }

  // False once the document's outer group has closed.
  bool closeGroup() {
    flushText();
    skip_ = 0;
    if (overflow_ > 0) {
      --overflow_;
      return true;
    }
    if (stack_.empty()) return false;
    if (top().dest == Dest::FontTable) finishFontName();
    if (stack_.size() == 1) {
      // The last paragraph has no \par: its format is the one in force as the document closes.
      finishLastParagraph();
      closed_ = true;
    }
    stack_.pop_back();
    return !stack_.empty();
  }

  void controlSequence() {
    const qsizetype n = in_.size();
    if (pos_ >= n) return;
    const char c = in_[pos_];
    if (isLetter(c)) {
      const qsizetype start = pos_;
      while (pos_ < n && isLetter(in_[pos_]) && pos_ - start < MaxWordLength) ++pos_;
      const QByteArray word = in_.mid(start, pos_ - start);
      while (pos_ < n && isLetter(in_[pos_])) ++pos_;  // an absurdly long word is cut
      bool hasParam = false;
      bool negative = false;
      long long value = 0;
      if (pos_ < n && in_[pos_] == '-' && pos_ + 1 < n && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
      }
      int digits = 0;
      while (pos_ < n && isDigit(in_[pos_])) {
        if (digits < MaxDigits) value = value * 10 + (in_[pos_] - '0');
        ++digits;
        ++pos_;
        hasParam = true;
      }
      if (pos_ < n && in_[pos_] == ' ') ++pos_;
      value = std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL);
      controlWord(word, hasParam, int(value));
      return;
    }
    ++pos_;
    switch (c) {
      case '\'': {
        if (pos_ + 2 > n) {
          pos_ = n;
          return;
        }
        const int hi = hexValue(in_[pos_]);
        const int lo = hexValue(in_[pos_ + 1]);
        if (hi < 0 || lo < 0) return;  // a broken escape is dropped
        pos_ += 2;
        byte(static_cast<unsigned char>(hi * 16 + lo), true);
        return;
      }
      case '\\':
      case '{':
      case '}':
        byte(static_cast<unsigned char>(c), true);
        return;
      case '*':
        top().starred = true;
        return;
      case '~':
        symbol(QChar(QChar::Nbsp));
        return;
      case '_':
        symbol(QChar(0x2011));
        return;
      case '\r':
      case '\n':
        controlWord("par", false, 0);
        return;
      default:
        if (skipOne()) return;  // \- \: \| and others print nothing
        return;
    }
  }

  static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool isDigit(char c) { return c >= '0' && c <= '9'; }
  static int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  // The UTF-16 unit of \uN (negative values count from 65536); nothing for 0 and values outside
  // 16 bits. Unpaired surrogates are removed later, with the rest of the text.
  static std::optional<char16_t> unicodeOf(int v) {
    if (v < 0) v += 65536;
    if (v <= 0 || v > 0xFFFF) return std::nullopt;
    return char16_t(v);
  }

  // Consumes one character of the fallback text after \uN; true when it was consumed.
  bool skipOne() {
    if (skip_ <= 0) return false;
    --skip_;
    return true;
  }

  void symbol(QChar ch) {
    if (skipOne()) return;
    if (top().dest == Dest::Text) appendChar(ch);
  }

  void controlWord(const QByteArray& w, bool hasParam, int v) {
    if (w == "bin") {  // binary data, skipped whole wherever it is
      const qsizetype len = hasParam ? std::max(0, v) : 0;
      pos_ = std::min<qsizetype>(in_.size(), pos_ + len);
      return;
    }
    Group& g = top();
    const bool fresh = g.fresh;
    g.fresh = false;
    if (overflow_ > 0 || g.dest == Dest::Skip) return;
    if (fresh && startsDestination(w, g)) return;
    if (g.starred && fresh) {
      g.dest = Dest::Skip;
      return;
    }
    switch (g.dest) {
      case Dest::FontTable:
        fontTableWord(w, hasParam, v);
        return;
      case Dest::ColourTable:
        colourTableWord(w, v);
        return;
      case Dest::Skip:
        return;
      case Dest::Text:
        break;
    }
    textWord(w, hasParam, v);
  }

  bool startsDestination(const QByteArray& w, Group& g) {
    if (w == "fonttbl") {
      g.dest = Dest::FontTable;
      return true;
    }
    if (w == "colortbl") {
      g.dest = Dest::ColourTable;
      return true;
    }
    if (w == "fldrslt") {
      g.dest = Dest::Text;
      return true;
    }
    static const char* const skipped[] = {"stylesheet",
                                          "info",
                                          "pict",
                                          "object",
                                          "header",
                                          "headerl",
                                          "headerr",
                                          "headerf",
                                          "footer",
                                          "footerl",
                                          "footerr",
                                          "footerf",
                                          "footnote",
                                          "annotation",
                                          "fldinst",
                                          "listtable",
                                          "listoverridetable",
                                          "revtbl",
                                          "rsidtbl",
                                          "themedata",
                                          "colorschememapping",
                                          "datastore",
                                          "latentstyles",
                                          "xmlnstbl",
                                          "generator",
                                          "nonshppict",
                                          "shpinst",
                                          "filetbl",
                                          "pgdsctbl",
                                          "mmathPr",
                                          "bkmkstart",
                                          "bkmkend",
                                          "txe",
                                          "xe",
                                          "tc",
                                          "template",
                                          "userprops",
                                          "docvar",
                                          "atnid",
                                          "atnauthor",
                                          "comment",
                                          "author",
                                          "operator",
                                          "title",
                                          "subject",
                                          "keywords",
                                          "doccomm",
                                          "company",
                                          "pntext",
                                          "pntxta",
                                          "pntxtb",
                                          "listtext"};
    for (const char* s : skipped) {
      if (w == s) {
        g.dest = Dest::Skip;
        return true;
      }
    }
    return false;
  }

  void fontTableWord(const QByteArray& w, bool hasParam, int v) {
    if (w == "f" && hasParam) {
      finishFontName();
      fontEntry_ = v;
      fonts_[v];  // an entry exists even when it has no name
      fontName_.clear();
      fontNameBytes_.clear();
    } else if (w == "fcharset" && fontEntry_ != NoEntry) {
      flushFontBytes();
      fonts_[fontEntry_].charset = v;
    } else if (w == "u" && fontEntry_ != NoEntry) {
      flushFontBytes();
      if (const auto c = unicodeOf(v)) fontName_ += QChar(*c);
      skip_ = top().uc;
    }
  }

  void colourTableWord(const QByteArray& w, int v) {
    const int c = std::clamp(v, 0, 255);
    if (w == "red") {
      colour_.setRed(c);
      colourSet_ = true;
    } else if (w == "green") {
      colour_.setGreen(c);
      colourSet_ = true;
    } else if (w == "blue") {
      colour_.setBlue(c);
      colourSet_ = true;
    }
  }

  void textWord(const QByteArray& w, bool hasParam, int v) {
    Group& g = top();
    CharState& ch = g.ch;
    ParaState& para = g.para;
    const bool on = !hasParam || v != 0;
    if (w == "par" || w == "sect" || w == "page" || w == "row") {
      if (skipOne()) return;
      paragraph();
    } else if (w == "line") {
      symbol(QChar(QChar::LineSeparator));
    } else if (w == "tab" || w == "cell") {
      symbol(QChar(u'\t'));
    } else if (w == "u") {
      if (skipOne()) return;
      if (const auto c = unicodeOf(v)) appendChar(QChar(*c));
      skip_ = g.uc;
    } else if (w == "uc") {
      g.uc = std::clamp(v, 0, 16);
    } else if (w == "emdash") {
      symbol(QChar(0x2014));
    } else if (w == "endash") {
      symbol(QChar(0x2013));
    } else if (w == "bullet") {
      symbol(QChar(0x2022));
    } else if (w == "lquote") {
      symbol(QChar(0x2018));
    } else if (w == "rquote") {
      symbol(QChar(0x2019));
    } else if (w == "ldblquote") {
      symbol(QChar(0x201C));
    } else if (w == "rdblquote") {
      symbol(QChar(0x201D));
    } else if (w == "plain") {
      flushText();
      ch = CharState{};
    } else if (w == "loch") {
      ch.assoc = Assoc::Low;
    } else if (w == "hich") {
      ch.assoc = Assoc::High;
    } else if (w == "dbch") {
      ch.assoc = Assoc::Double;
    } else if (w == "rtlch") {
      ch.assoc = Assoc::RightToLeft;
    } else if (w == "ltrch") {
      if (ch.assoc == Assoc::RightToLeft) ch.assoc = Assoc::Low;
    } else if (w == "af" || w == "afs" || w == "ab" || w == "ai") {
      // Only the double-byte properties matter here: the others repeat \f, \fs, \b and \i for
      // Latin text, or describe right-to-left scripts.
      if (ch.assoc != Assoc::Double) return;
      flushText();
      if (w == "af")
        ch.cjkFont = std::max(0, v);
      else if (w == "afs")
        ch.cjkHalfPoints = hasParam ? std::clamp(v, 2, 3276) : 24;
      else if (w == "ab")
        ch.cjkBold = on ? 1 : 0;
      else
        ch.cjkItalic = on ? 1 : 0;
    } else if (w == "pard") {
      para = ParaState{};
    } else if (w == "f") {
      flushText();
      ch.font = std::max(0, v);
    } else if (w == "fs") {
      flushText();
      ch.halfPoints = hasParam ? std::clamp(v, 2, 3276) : 24;
    } else if (w == "cf") {
      flushText();
      ch.colour = std::max(0, v);
    } else if (w == "b") {
      flushText();
      ch.bold = on;
    } else if (w == "i") {
      flushText();
      ch.italic = on;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" ||
               w == "uldash" || w == "ulwave") {
      flushText();
      ch.underline = on;
    } else if (w == "ulnone") {
      flushText();
      ch.underline = false;
    } else if (w == "strike" || w == "striked") {
      flushText();
      ch.strike = on;
    } else if (w == "ql") {
      para.alignment = Qt::AlignLeft;
    } else if (w == "qc") {
      para.alignment = Qt::AlignHCenter;
    } else if (w == "qr") {
      para.alignment = Qt::AlignRight;
    } else if (w == "qj" || w == "qd") {
      para.alignment = Qt::AlignJustify;
    } else if (w == "sl") {
      para.sl = std::clamp(v, -31680, 31680);
    } else if (w == "slmult") {
      para.slmult = v != 0;
    } else if (w == "deff") {
      defaultFont_ = std::max(0, v);
    } else if (w == "ansicpg") {
      flushText();
      ansiCodepage_ = v;
    } else if (w == "mac") {
      ansiCodepage_ = 10000;
    } else if (w == "pc") {
      ansiCodepage_ = 437;
    } else if (w == "pca") {
      ansiCodepage_ = 850;
    }
  }

  // A text byte (literal or escaped); escaped says it came from \'hh, \\, \{ or \}.
  void byte(unsigned char b, bool escaped) {
    Group& g = top();
    if (overflow_ > 0 || g.dest == Dest::Skip || stack_.empty()) return;
    if (skipOne()) return;
    g.fresh = false;
    if (g.dest == Dest::FontTable) {
      if (b == ';' && !escaped) {
        finishFontName();
      } else if (fontEntry_ != NoEntry) {
        fontNameBytes_ += char(b);
      }
      return;
    }
    if (g.dest == Dest::ColourTable) {
      if (b == ';') {
        colours_.push_back(colourSet_ ? colour_ : QColor());
        colour_ = QColor(0, 0, 0);
        colourSet_ = false;
      }
      return;
    }
    if (b < 0x20 && b != '\t' && !escaped) return;
    const int cp = currentCodepage();
    if (b < 0x80 && !(pendingLead_ && pendingCodepage_ == cp)) {
      flushBytes();
      text_ += QChar(char16_t(b));
      return;
    }
    if (!pendingBytes_.isEmpty() && pendingCodepage_ != cp) flushBytes();
    pendingCodepage_ = cp;
    pendingBytes_ += char(b);
    if (pendingLead_)
      pendingLead_ = false;
    else
      pendingLead_ = isDoubleByte(cp) && isLeadByte(cp, b);
  }

  void appendChar(QChar c) {
    if (overflow_ > 0 || stack_.empty()) return;
    flushBytes();
    text_ += c;
  }

  int currentCodepage() {
    const int f = top().ch.font >= 0 ? top().ch.font : defaultFont_;
    auto it = fonts_.constFind(f);
    const int charset = it != fonts_.constEnd() ? it->charset : 1;
    return codepageOfCharset(charset, ansiCodepage_);
  }

  QString decode(const QByteArray& bytes, int codepage) {
    if (codepage == 0) return QString::fromLatin1(bytes);
    // A fresh decoder per run of bytes: Qt 6.4 does not fully reset ICU converters.
    QStringDecoder d(codecName(codepage), QStringDecoder::Flag::Stateless);
    if (!d.isValid()) return QString::fromLatin1(bytes);
    return d.decode(bytes);
  }

  void flushBytes() {
    if (pendingBytes_.isEmpty()) return;
    text_ += decode(pendingBytes_, pendingCodepage_);
    pendingBytes_.clear();
    pendingLead_ = false;
  }

  void flushFontBytes() {
    if (fontNameBytes_.isEmpty() || fontEntry_ == NoEntry) return;
    fontName_ +=
        decode(fontNameBytes_, codepageOfCharset(fonts_[fontEntry_].charset, ansiCodepage_));
    fontNameBytes_.clear();
  }

  void finishFontName() {
    if (fontEntry_ == NoEntry) return;
    flushFontBytes();
    const QString name = cleaned(fontName_).trimmed();
    if (!name.isEmpty()) fonts_[fontEntry_].name = name;
    fontName_.clear();
    fontEntry_ = NoEntry;
  }

  // Hands the collected text to the pending run, split where the East Asian format differs from
  // the Latin one.
  void flushText() {
    flushBytes();
    if (text_.isEmpty()) return;
    const QString text = cleaned(text_);
    text_.clear();
    if (text.isEmpty()) return;
    lastTextDepth_ = stack_.size();
    lastTextPara_ = top().para;
    const CharState& ch = top().ch;
    const bool apart =
        ch.cjkFont >= 0 || ch.cjkHalfPoints >= 0 || ch.cjkBold >= 0 || ch.cjkItalic >= 0;
    const QTextCharFormat latin = charFormat(false);
    if (!apart) {
      appendRun(text, latin);
      return;
    }
    const QTextCharFormat eastAsian = charFormat(true);
    if (eastAsian == latin) {
      appendRun(text, latin);
      return;
    }
    qsizetype start = 0;
    bool startAsian = false;
    for (qsizetype i = 0; i < text.size();) {
      char32_t c = text[i].unicode();
      qsizetype len = 1;
      if (text[i].isHighSurrogate() && i + 1 < text.size()) {
        c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        len = 2;
      }
      const bool asian = isEastAsian(c);
      if (i == 0) {
        startAsian = asian;
      } else if (asian != startAsian) {
        appendRun(text.mid(start, i - start), startAsian ? eastAsian : latin);
        start = i;
        startAsian = asian;
      }
      i += len;
    }
    appendRun(text.mid(start), startAsian ? eastAsian : latin);
  }

  // Adjacent runs of equal format become one: a paragraph of many runs lays out in time that
  // grows with its runs, so the document must not keep more of them than it needs.
  void appendRun(const QString& text, const QTextCharFormat& format) {
    if (!runText_.isEmpty() && format != runFormat_) insertRun();
    if (runText_.isEmpty()) runFormat_ = format;
    runText_ += text;
  }

  void insertRun() {
    if (runText_.isEmpty()) return;
    cursor_.insertText(runText_, runFormat_);
    runText_.clear();
  }

  void paragraph() {
    if (top().dest != Dest::Text || overflow_ > 0) return;
    flushText();
    insertRun();
    cursor_.setBlockFormat(blockFormat(top().para));
    cursor_.insertBlock();
    lastTextDepth_ = 0;
  }

  // Text of the last paragraph set in a nested group keeps that group's paragraph format; text
  // at the document's own level takes the format in force at its end.
  void finishLastParagraph() {
    flushText();
    insertRun();
    const bool nested = lastTextDepth_ > 1 && lastTextDepth_ > stack_.size();
    cursor_.setBlockFormat(blockFormat(nested ? lastTextPara_ : top().para));
  }

  QTextCharFormat charFormat(bool eastAsian) {
    const CharState& ch = top().ch;
    QTextCharFormat f;
    const int font = eastAsian && ch.cjkFont >= 0 ? ch.cjkFont
                     : ch.font >= 0               ? ch.font
                                                  : defaultFont_;
    auto it = fonts_.constFind(font);
    if (it != fonts_.constEnd() && !it->name.isEmpty()) f.setFontFamilies({it->name});
    const int halfPoints = eastAsian && ch.cjkHalfPoints >= 0 ? ch.cjkHalfPoints : ch.halfPoints;
    f.setFontPointSize(halfPoints / 2.0);
    // \cfN names entry N of the table; an empty entry (usually the first) is "auto".
    if (ch.colour < int(colours_.size()) && colours_[ch.colour].isValid())
      f.setForeground(colours_[ch.colour]);
    const bool bold = eastAsian && ch.cjkBold >= 0 ? ch.cjkBold == 1 : ch.bold;
    const bool italic = eastAsian && ch.cjkItalic >= 0 ? ch.cjkItalic == 1 : ch.italic;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(ch.underline);
    f.setFontStrikeOut(ch.strike);
    return f;
  }

  static QTextBlockFormat blockFormat(const ParaState& p) {
    QTextBlockFormat f;
    f.setAlignment(p.alignment);
    if (p.sl == 0) {
      f.setLineHeight(0, QTextBlockFormat::SingleHeight);
    } else if (p.slmult) {
      f.setLineHeight(std::abs(p.sl) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    } else if (p.sl > 0) {
      f.setLineHeight(ledtext::pointsToPixels(p.sl / 20.0), QTextBlockFormat::MinimumHeight);
    } else {
      f.setLineHeight(ledtext::pointsToPixels(-p.sl / 20.0), QTextBlockFormat::FixedHeight);
    }
    return f;
  }

  static constexpr int NoEntry = -1;

  const QByteArray& in_;
  QTextDocument& doc_;
  QTextCursor cursor_;
  qsizetype pos_ = 0;
  Group root_;
  std::vector<Group> stack_;
  int overflow_ = 0;
  int skip_ = 0;
  int ansiCodepage_ = 1252;
  int defaultFont_ = 0;
  QHash<int, FontEntry> fonts_;
  int fontEntry_ = NoEntry;
  QString fontName_;
  QByteArray fontNameBytes_;
  std::vector<QColor> colours_;
  QColor colour_{0, 0, 0};
  bool colourSet_ = false;
  QString text_;
  QString runText_;
  QTextCharFormat runFormat_;
  size_t lastTextDepth_ = 0;  // the group depth of the last paragraph's last text; 0: none yet
  ParaState lastTextPara_;
  bool closed_ = false;
  QByteArray pendingBytes_;
  int pendingCodepage_ = 0;
  bool pendingLead_ = false;
};

}  // namespace

bool looksLikeRtf(const QByteArray& bytes) {
  qsizetype i = 0;
  if (bytes.startsWith("\xEF\xBB\xBF")) i = 3;
  while (i < bytes.size() &&
         (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
    ++i;
  return bytes.mid(i, 5) == "{\\rtf";
}

void readRtf(const QByteArray& rtf, QTextDocument& document) { Reader(rtf, document).run(); }

void readRichOrPlainText(const QByteArray& bytes, QTextDocument& document) {
  if (looksLikeRtf(bytes)) {
    readRtf(bytes, document);
    return;
  }
  QStringDecoder gbk("GBK");
  QString text = gbk.decode(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  document.setPlainText(text);
}
