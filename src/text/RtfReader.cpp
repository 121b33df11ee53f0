#include "RtfReader.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "TextFormat.h"

namespace {

constexpr int MaxDepth = 200;
constexpr int MaxWordLength = 32;
constexpr int MaxDigits = 10;

enum class Dest { Text, FontTable, ColourTable, Skip };

struct CharState {
  int font = -1;  // -1: the default font (\deff)
  int halfPoints = 24;
  int colour = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
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
    flushText();
    cursor_.setBlockFormat(blockFormat());
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
      fontName_ += QChar(char16_t(v));
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
      appendChar(QChar(char16_t(v)));
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
    if (overflow_ > 0 || g.dest == Dest::Skip) return;
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
    if (overflow_ > 0) return;
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
    const QString name = fontName_.trimmed();
    if (!name.isEmpty()) fonts_[fontEntry_].name = name;
    fontName_.clear();
    fontEntry_ = NoEntry;
  }

  void flushText() {
    flushBytes();
    if (text_.isEmpty()) return;
    cursor_.insertText(text_, charFormat());
    text_.clear();
  }

  void paragraph() {
    if (top().dest != Dest::Text || overflow_ > 0) return;
    flushText();
    cursor_.setBlockFormat(blockFormat());
    cursor_.insertBlock();
  }

  QTextCharFormat charFormat() {
    const CharState& ch = top().ch;
    QTextCharFormat f;
    const int font = ch.font >= 0 ? ch.font : defaultFont_;
    auto it = fonts_.constFind(font);
    if (it != fonts_.constEnd() && !it->name.isEmpty()) f.setFontFamilies({it->name});
    f.setFontPointSize(ch.halfPoints / 2.0);
    // \cfN names entry N of the table; an empty entry (usually the first) is "auto".
    if (ch.colour < int(colours_.size()) && colours_[ch.colour].isValid())
      f.setForeground(colours_[ch.colour]);
    f.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(ch.italic);
    f.setFontUnderline(ch.underline);
    f.setFontStrikeOut(ch.strike);
    return f;
  }

  QTextBlockFormat blockFormat() {
    const ParaState& p = top().para;
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
