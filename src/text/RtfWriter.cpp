#include "RtfWriter.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <vector>

#include "TextFormat.h"

namespace {

constexpr int ChineseCharset = 134;
constexpr int TwipsPerPoint = 20;

// Encodes one character at a time as GBK, keeping only encodings that decode back to the same
// character (ICU maps some characters by best fit, which would not round-trip).
class GbkBytes {
 public:
  QByteArray of(char16_t c) {
    auto it = cache_.constFind(c);
    if (it != cache_.constEnd()) return *it;
    // Fresh converters each time: Qt 6.4 does not clear the error flag of an ICU converter on
    // resetState(). Each character is converted once, then cached.
    const QString s(QChar{c});
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(s);
    if (encoder.hasError()) bytes.clear();
    if (!bytes.isEmpty()) {
      QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
      const QString back = decoder.decode(bytes);
      if (decoder.hasError() || back != s) bytes.clear();
    }
    cache_.insert(c, bytes);
    return bytes;
  }

 private:
  QHash<char16_t, QByteArray> cache_;
};

struct RunState {
  int font = 0;
  int halfPoints = 24;
  int colour = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
};

void appendHex(QByteArray& out, unsigned char b) {
  static const char digits[] = "0123456789abcdef";
  out += "\\'";
  out += digits[b >> 4];
  out += digits[b & 15];
}

void appendUnicode(QByteArray& out, char16_t c) {
  out += "\\u";
  out += QByteArray::number(static_cast<int>(static_cast<int16_t>(c)));
  out += '?';
}

void appendWord(QByteArray& out, const char* word, int value) {
  out += word;
  out += QByteArray::number(value);
}

class Writer {
 public:
  Writer(const QTextDocument& doc, const RtfWriteOptions& options) : doc_(doc), options_(options) {
    defaultFace_ = options.defaultFace.isEmpty() ? doc.defaultFont().family() : options.defaultFace;
    defaultPoints_ =
        options.defaultPointSize > 0 ? options.defaultPointSize : doc.defaultFont().pointSizeF();
    if (defaultPoints_ <= 0)
      defaultPoints_ = ledtext::pixelsToPoints(doc.defaultFont().pixelSize());
    if (defaultPoints_ <= 0) defaultPoints_ = ledtext::DefaultPointSize;
    fontIndex(defaultFace_);
  }

  QByteArray write() {
    QByteArray body;
    bool first = true;
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
      if (!first) body += "\\par\n";
      first = false;
      writeParagraphFormat(body, block.blockFormat());
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.isValid()) writeRun(body, fragment.charFormat(), fragment.text());
      }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang2052{\\fonttbl";
    for (int i = 0; i < int(fonts_.size()); ++i) {
      const QString& face = fonts_[i];
      const bool chinese = isChineseFace(face);
      out += "{\\f" + QByteArray::number(i) +
             (chinese ? "\\fnil\\fcharset134 " : "\\fnil\\fcharset0 ");
      appendText(out, face, chinese);
      out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (const QColor& c : colours_) {
      appendWord(out, "\\red", c.red());
      appendWord(out, "\\green", c.green());
      appendWord(out, "\\blue", c.blue());
      out += ';';
    }
    out += "}\n\\viewkind4\\uc1";
    out += body;
    out += "\n}\n";
    return out;
  }

 private:
  int fontIndex(const QString& face) {
    for (int i = 0; i < int(fonts_.size()); ++i)
      if (fonts_[i] == face) return i;
    fonts_.push_back(face);
    return int(fonts_.size()) - 1;
  }

  int colourIndex(const QColor& colour) {
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    for (int i = 0; i < int(colours_.size()); ++i)
      if ((colours_[i].rgb() & 0xFFFFFF) == rgb) return i + 1;
    colours_.push_back(colour);
    return int(colours_.size());
  }

  void writeParagraphFormat(QByteArray& out, const QTextBlockFormat& f) {
    out += "\\pard";
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
      out += "\\qc";
    else if (a & Qt::AlignRight)
      out += "\\qr";
    else if (a & Qt::AlignJustify)
      out += "\\qj";
    else
      out += "\\ql";
    const qreal h = f.lineHeight();
    switch (f.lineHeightType()) {
      case QTextBlockFormat::ProportionalHeight:
        appendWord(out, "\\sl", int(std::lround(h * 240.0 / 100.0)));
        out += "\\slmult1";
        break;
      case QTextBlockFormat::MinimumHeight:
        appendWord(out, "\\sl", twips(h));
        out += "\\slmult0";
        break;
      case QTextBlockFormat::FixedHeight:
        appendWord(out, "\\sl", -twips(h));
        out += "\\slmult0";
        break;
      default:
        break;
    }
    out += ' ';
  }

  static int twips(qreal pixels) {
    return int(std::lround(ledtext::pixelsToPoints(pixels) * TwipsPerPoint));
  }

  void writeRun(QByteArray& out, const QTextCharFormat& f, const QString& text) {
    RunState want;
    const QString face = ledtext::faceOf(f, defaultFace_);
    want.font = fontIndex(face);
    qreal points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : 0;
    if (points <= 0 && f.hasProperty(QTextFormat::FontPixelSize))
      points = ledtext::pixelsToPoints(f.intProperty(QTextFormat::FontPixelSize));
    if (points <= 0) points = defaultPoints_;
    want.halfPoints = std::max(1, int(std::lround(points * 2)));
    const QBrush fg = f.foreground();
    want.colour = colourIndex(fg.style() != Qt::NoBrush ? fg.color() : options_.defaultColour);
    want.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold
                                                       : doc_.defaultFont().bold();
    want.italic = f.fontItalic();
    want.underline = f.fontUnderline();
    want.strike = f.fontStrikeOut();

    QByteArray words;
    if (want.font != state_.font) appendWord(words, "\\f", want.font);
    if (want.halfPoints != state_.halfPoints) appendWord(words, "\\fs", want.halfPoints);
    if (want.colour != state_.colour) appendWord(words, "\\cf", want.colour);
    if (want.bold != state_.bold) words += want.bold ? "\\b" : "\\b0";
    if (want.italic != state_.italic) words += want.italic ? "\\i" : "\\i0";
    if (want.underline != state_.underline) words += want.underline ? "\\ul" : "\\ulnone";
    if (want.strike != state_.strike) words += want.strike ? "\\strike" : "\\strike0";
    state_ = want;
    if (!words.isEmpty()) out += words + ' ';
    appendText(out, text, isChineseFace(face));
  }

  void appendText(QByteArray& out, const QString& text, bool gbk) {
    for (QChar qc : text) {
      const char16_t c = qc.unicode();
      if (c == u'\\' || c == u'{' || c == u'}') {
        out += '\\';
        out += char(c);
      } else if (c == u'\t') {
        out += "\\tab ";
      } else if (c == QChar::LineSeparator) {
        out += "\\line ";
      } else if (c == QChar::Nbsp) {
        out += "\\~";
      } else if (c >= 0x20 && c < 0x7F) {
        out += char(c);
      } else if (c < 0x20 || c == 0x7F || c == QChar::ParagraphSeparator ||
                 c == QChar::ObjectReplacementCharacter) {
        // Control characters and embedded objects have no place in a sign's text.
      } else {
        const QByteArray bytes = gbk ? gbk_.of(c) : QByteArray();
        if (bytes.isEmpty()) {
          appendUnicode(out, c);
        } else {
          for (char b : bytes) appendHex(out, static_cast<unsigned char>(b));
        }
      }
    }
  }

  const QTextDocument& doc_;
  const RtfWriteOptions& options_;
  QString defaultFace_;
  qreal defaultPoints_ = 0;
  std::vector<QString> fonts_;
  std::vector<QColor> colours_;
  RunState state_;
  GbkBytes gbk_;
};

}  // namespace

bool isChineseFace(const QString& face) {
  for (QChar c : face)
    if (c.unicode() >= 0x80) return true;
  static const QStringList known{QStringLiteral("SimSun"),
                                 QStringLiteral("NSimSun"),
                                 QStringLiteral("SimHei"),
                                 QStringLiteral("KaiTi"),
                                 QStringLiteral("FangSong"),
                                 QStringLiteral("Microsoft YaHei"),
                                 QStringLiteral("AR PL UMing CN"),
                                 QStringLiteral("AR PL UKai CN"),
                                 QStringLiteral("WenQuanYi Zen Hei"),
                                 QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("Noto Serif CJK SC")};
  if (known.contains(face, Qt::CaseInsensitive)) return true;
  return QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese);
}

QByteArray writeRtf(const QTextDocument& document, const RtfWriteOptions& options) {
  return Writer(document, options).write();
}
