#include "PictureConvert.h"

#include <sys/resource.h>

#include <zlib.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "AtomicFile.h"
#include "LedError.h"
#include "protocol/Limits.h"
#include "protocol/Program.h"

void limitChildDecodeAddressSpace() {
#if !defined(__SANITIZE_ADDRESS__)
  const rlimit limit{rlim_t(ChildDecodeAddressSpace), rlim_t(ChildDecodeAddressSpace)};
  setrlimit(RLIMIT_AS, &limit);
#endif
}

QString childDecodeFailure(const QString& what, bool crashed, const QByteArray& childStderr) {
  if (crashed) {
    return QCoreApplication::translate(
               "PictureConvert", "%1 读取失败：转换程序异常退出（图片可能过大、过于复杂或已损坏）")
        .arg(what);
  }
  const QString prefix = QStringLiteral("ledsignctl: ");
  QString message = QCoreApplication::translate("PictureConvert", "%1 无法读取").arg(what);
  for (const QString& line : QString::fromUtf8(childStderr.left(65536)).split(QLatin1Char('\n'))) {
    if (line.startsWith(prefix)) message = line.mid(prefix.size()).trimmed();
  }
  return message;
}

namespace {

// Why a picture could not be decoded, in the operator's words. The reader's own text is English
// and names its decoder's internals, so only its error code is used.
QString decodeFailure(QImageReader::ImageReaderError error) {
  switch (error) {
    case QImageReader::FileNotFoundError:
      return QCoreApplication::translate("PictureConvert", "找不到文件");
    case QImageReader::DeviceError:
      return QCoreApplication::translate("PictureConvert", "读取文件时出错");
    case QImageReader::UnsupportedFormatError:
      return QCoreApplication::translate("PictureConvert", "不支持这种图片格式");
    case QImageReader::InvalidDataError:
      return QCoreApplication::translate("PictureConvert", "图片数据有误，文件可能已损坏或不完整");
    case QImageReader::UnknownError:
      break;
  }
  return QCoreApplication::translate("PictureConvert", "文件可能已损坏");
}

// The stored LED colours, indexed by lit diodes: bit 0 red, bit 1 green.
constexpr std::array<QRgb, 4> kLed = {0xff000000u | nq::kPureRgb[0], 0xff000000u | nq::kPureRgb[1],
                                      0xff000000u | nq::kPureRgb[2], 0xff000000u | nq::kPureRgb[3]};

// The index of a pixel that is already one of the colours the colour class recognises, or -1.
int exactLedIndex(QRgb p) { return nq::exactLedColour(p); }

QRgb inkColour(LedInk ink) {
  switch (ink) {
    case LedInk::Green:
      return kLed[2];
    case LedInk::Yellow:
      return kLed[3];
    case LedInk::Red:
      break;
  }
  return kLed[1];
}

// Opaque RGB32 with every transparent part black.
QImage overBlack(const QImage& picture) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
  QImage out(picture.size(), QImage::Format_RGB32);
  out.fill(Qt::black);
  QPainter painter(&out);
  painter.drawImage(0, 0, picture);
  return out;
}

// Maps a channel level so that `threshold` lands on 128, keeping 0 and 255: the dithering then
// lights more or less of the picture as the threshold moves, like the plain threshold does.
std::array<int, 256> levelMap(int threshold) {
  const int t = std::clamp(threshold, 1, 255);
  std::array<int, 256> map{};
  for (int v = 0; v < 256; ++v) {
    map[static_cast<size_t>(v)] =
        v < t ? v * 128 / t : 128 + (t == 255 ? 0 : (v - t) * 127 / (255 - t));
  }
  return map;
}

void convertThreshold(const QImage& in, QImage& out, int t) {
  for (int y = 0; y < in.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < in.width(); ++x) {
      const int exact = exactLedIndex(src[x]);
      dst[x] = exact >= 0 ? kLed[static_cast<size_t>(exact)]
                          : kLed[(qRed(src[x]) >= t ? 1u : 0u) | (qGreen(src[x]) >= t ? 2u : 0u)];
    }
  }
}

void convertOneColour(const QImage& in, QImage& out, int t, QRgb ink, bool invert) {
  for (int y = 0; y < in.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < in.width(); ++x) {
      const QRgb p = src[x];
      const int luminance = (77 * qRed(p) + 150 * qGreen(p) + 29 * qBlue(p) + 128) >> 8;
      dst[x] = ((luminance >= t) != invert) ? ink : kLed[0];
    }
  }
}

// Floyd-Steinberg on the red and the green diode, serpentine. Errors are kept in sixteenths.
// A pixel already in an LED colour keeps it and takes no error.
void convertDither(const QImage& in, QImage& out, int threshold) {
  const auto map = levelMap(threshold);
  const int w = in.width();
  const size_t row = static_cast<size_t>(w) + 2;
  std::vector<int> redNow(row), redNext(row), greenNow(row), greenNext(row);
  for (int y = 0; y < in.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    std::fill(redNext.begin(), redNext.end(), 0);
    std::fill(greenNext.begin(), greenNext.end(), 0);
    const bool forward = (y % 2) == 0;
    const int dir = forward ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = forward ? i : w - 1 - i;
      const size_t at = static_cast<size_t>(x) + 1;
      const int exact = exactLedIndex(src[x]);
      if (exact >= 0) {
        dst[x] = kLed[static_cast<size_t>(exact)];
        continue;
      }
      auto diffuse = [&](std::vector<int>& now, std::vector<int>& next, int level) {
        const int v = level + ((now[at] + 8) >> 4);
        const bool lit = v >= 128;
        const int e = v - (lit ? 255 : 0);
        now[at + static_cast<size_t>(dir)] += e * 7;
        next[at - static_cast<size_t>(dir)] += e * 3;
        next[at] += e * 5;
        next[at + static_cast<size_t>(dir)] += e;
        return lit;
      };
      const bool red = diffuse(redNow, redNext, map[static_cast<size_t>(qRed(src[x]))]);
      const bool green = diffuse(greenNow, greenNext, map[static_cast<size_t>(qGreen(src[x]))]);
      dst[x] = kLed[(red ? 1u : 0u) | (green ? 2u : 0u)];
    }
    std::swap(redNow, redNext);
    std::swap(greenNow, greenNext);
  }
}

bool isSvgFormat(const QByteArray& format) { return format == "svg" || format == "svgz"; }

// An SVG is XML that the renderer holds whole in memory; past this, compressed or not, it is
// refused.
constexpr qsizetype kMaxSvgBytes = qsizetype(16) * 1024 * 1024;

bool isGzip(const QByteArray& bytes) { return bytes.startsWith("\x1f\x8b"); }

// Inflates a gzip stream (an .svgz) of at most kMaxSvgBytes once inflated.
QByteArray inflateSvgz(const QByteArray& bytes, const QString& what) {
  if (bytes.size() > kMaxSvgBytes) {
    throw LedError(QCoreApplication::translate("PictureConvert", "%1 超过 %2 MiB，不能导入")
                       .arg(what)
                       .arg(kMaxSvgBytes >> 20));
  }
  z_stream zs{};
  if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
    throw LedError(QCoreApplication::translate("PictureConvert", "%1 无法解压").arg(what));
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
  zs.avail_in = static_cast<uInt>(bytes.size());
  QByteArray out;
  int r = Z_OK;
  while (r == Z_OK) {
    if (out.size() > kMaxSvgBytes) break;
    const qsizetype at = out.size();
    const qsizetype chunk = std::min<qsizetype>(256 * 1024, kMaxSvgBytes + 1 - at);
    out.resize(at + chunk);
    zs.next_out = reinterpret_cast<Bytef*>(out.data() + at);
    zs.avail_out = static_cast<uInt>(chunk);
    r = inflate(&zs, Z_NO_FLUSH);
    out.resize(at + chunk - qsizetype(zs.avail_out));
  }
  inflateEnd(&zs);
  if (out.size() > kMaxSvgBytes) {
    throw LedError(QCoreApplication::translate("PictureConvert", "%1 解压后超过 %2 MiB，不能导入")
                       .arg(what)
                       .arg(kMaxSvgBytes >> 20));
  }
  if (r != Z_STREAM_END)
    throw LedError(
        QCoreApplication::translate("PictureConvert", "%1 无法解压，文件可能已损坏").arg(what));
  return out;
}

// An SVG draws only its own shapes: an <image> (a file beside it, the SVG itself, a device, or
// data that decodes to a huge picture) and any reference that is not to an element of the same
// document are refused before the renderer reads it.
void refuseOutsideReferences(const QByteArray& svg, const QString& what) {
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    bool outside = xml.name() == QLatin1String("image");
    for (const QXmlStreamAttribute& a : xml.attributes()) {
      if (a.name() == QLatin1String("href") && !a.value().trimmed().startsWith(QLatin1Char('#')))
        outside = true;
    }
    if (outside) {
      throw LedError(
          QCoreApplication::translate("PictureConvert",
                                      "%1 引用了其他图片或文件，不能导入（SVG 只能包含自身的图形）")
              .arg(what));
    }
  }
}

}  // namespace

QRect placementRect(QSize source, QSize target, PictureFit fit, PictureAlign align) {
  if (fit == PictureFit::Stretch || source.isEmpty() || target.isEmpty()) {
    return QRect(QPoint(0, 0), target);
  }
  const qint64 sw = source.width(), sh = source.height();
  const qint64 tw = target.width(), th = target.height();
  const bool wider = sw * th > sh * tw;  // the source is flatter than the target
  qint64 w = tw, h = th;
  if ((fit == PictureFit::Inside) == wider) {
    h = std::max<qint64>(1, (sh * tw + sw / 2) / sw);
  } else {
    w = std::max<qint64>(1, (sw * th + sh / 2) / sh);
  }
  // A vector picture of absurd natural size asks for a crop far beyond int; it is clamped so
  // that the rectangle's edges stay within int (it still covers the target).
  w = std::min<qint64>(w, INT_MAX / 4);
  h = std::min<qint64>(h, INT_MAX / 4);
  qint64 x = 0;
  if (align == PictureAlign::Centre) x = (tw - w) / 2;
  if (align == PictureAlign::Right) x = tw - w;
  return QRect(static_cast<int>(x), static_cast<int>((th - h) / 2), static_cast<int>(w),
               static_cast<int>(h));
}

QImage toLedColours(const QImage& picture, const ConversionOptions& options) {
  const QImage in = overBlack(picture);
  QImage out(in.size(), QImage::Format_RGB32);
  const int t = std::clamp(options.threshold, 1, 255);
  switch (options.mode) {
    case LedColourMode::Threshold:
      convertThreshold(in, out, t);
      break;
    case LedColourMode::Dither:
      convertDither(in, out, t);
      break;
    case LedColourMode::OneColour:
      convertOneColour(in, out, t, inkColour(options.ink), options.invert);
      break;
  }
  return out;
}

PictureConversion::PictureConversion(QSize programSize, QSize sourceSize)
    : programSize_(programSize), sourceSize_(sourceSize) {}

PictureConversion::PictureConversion(const QImage& picture, QSize programSize)
    : PictureConversion(programSize, picture.size()) {
  source_ = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                      : picture.convertToFormat(QImage::Format_RGB32);
  setOptions(options_);
}

PictureConversion::PictureConversion(PictureConversion&&) noexcept = default;
PictureConversion& PictureConversion::operator=(PictureConversion&&) noexcept = default;
PictureConversion::~PictureConversion() = default;

PictureConversion PictureConversion::fromFile(const QString& path, QSize programSize) {
  const QString what = tr("图片文件 %1").arg(QDir::toNativeSeparators(path));
  const QFileInfo info(path);
  if (info.isDir()) throw LedError(tr("%1 是文件夹，不是图片").arg(what));
  if (!info.isFile()) throw LedError(tr("%1 不存在").arg(what));
  if (info.size() > nq::kMaxPicturePixelBytes) {
    throw LedError(tr("%1 超过 %2 MiB，不能导入").arg(what).arg(nq::kMaxPicturePixelBytes >> 20));
  }
  return fromBytes(readWholeFile(path, nq::kMaxPicturePixelBytes), programSize, what,
                   info.suffix().toLower().toLatin1());
}

PictureConversion PictureConversion::fromBytes(const QByteArray& bytes, QSize programSize,
                                               const QString& what, const QByteArray& formatHint) {
  if (programSize.isEmpty()) throw LedError(tr("节目的尺寸无效"));
  if (bytes.isEmpty()) throw LedError(tr("%1 是空文件").arg(what));
  if (bytes.size() > nq::kMaxPicturePixelBytes) {
    throw LedError(tr("%1 超过 %2 MiB，不能导入").arg(what).arg(nq::kMaxPicturePixelBytes >> 20));
  }
  // An .svgz is inflated here, within the SVG's cap, before any reader sees it.
  const QByteArray data = isGzip(bytes) ? inflateSvgz(bytes, what) : bytes;
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  auto reader = std::make_unique<QImageReader>(&buffer);
  reader->setDecideFormatFromContent(true);
  QByteArray format = reader->format();
  // Some formats (icons, Targa) cannot be told from their content; the file's suffix names them.
  if (format.isEmpty() && !formatHint.isEmpty()) {
    buffer.seek(0);
    reader = std::make_unique<QImageReader>(&buffer, formatHint);
    if (reader->canRead()) format = formatHint;
  }
  if (format.isEmpty()) throw LedError(tr("%1 不是可识别的图片").arg(what));
  reader->setAutoTransform(true);

  if (isSvgFormat(format)) {
    if (data.size() > kMaxSvgBytes) {
      throw LedError(tr("%1 超过 %2 MiB，不能导入").arg(what).arg(kMaxSvgBytes >> 20));
    }
    refuseOutsideReferences(data, what);
    auto svg = std::make_unique<QSvgRenderer>(data);
    if (!svg->isValid()) throw LedError(tr("%1 无法解析（SVG 有错误）").arg(what));
    QSize natural = svg->defaultSize();
    if (natural.isEmpty()) natural = svg->viewBox().size();
    if (natural.isEmpty()) natural = programSize;
    svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    PictureConversion c(programSize, natural);
    c.svg_ = std::move(svg);
    c.refit();
    c.converted_ = toLedColours(c.fitted_, c.options_);
    return c;
  }

  // The size comes from the header; nothing is decoded before it is known to be acceptable.
  const QSize size = reader->size();
  if (!size.isValid() || size.isEmpty()) {
    throw LedError(tr("%1 无法读出图片尺寸").arg(what));
  }
  if (size.width() > nq::kMaxPictureSide || size.height() > nq::kMaxPictureSide) {
    throw LedError(tr("%1 的尺寸 %2×%3 超过每边 %4 像素的上限")
                       .arg(what)
                       .arg(size.width())
                       .arg(size.height())
                       .arg(nq::kMaxPictureSide));
  }
  if (qint64(size.width()) * size.height() * 4 > nq::kMaxPicturePixelBytes) {
    throw LedError(tr("%1 的尺寸 %2×%3 解码后超过 %4 MiB 的上限")
                       .arg(what)
                       .arg(size.width())
                       .arg(size.height())
                       .arg(nq::kMaxPicturePixelBytes >> 20));
  }

  // Decode only as large as the program needs: fill and stretch must still cover it. The scaled
  // size applies before the picture is turned upright.
  const bool turned = reader->transformation().testFlag(QImageIOHandler::TransformationRotate90);
  const QSize upright = turned ? size.transposed() : size;
  const double scale = std::max(double(programSize.width()) / upright.width(),
                                double(programSize.height()) / upright.height());
  if (scale < 1.0) {
    const QSize wanted(std::max(1, int(std::ceil(upright.width() * scale))),
                       std::max(1, int(std::ceil(upright.height() * scale))));
    reader->setScaledSize(turned ? wanted.transposed() : wanted);
  }
  const QImage image = reader->read();
  if (image.isNull()) {
    throw LedError(tr("%1 无法解码：%2").arg(what, decodeFailure(reader->error())));
  }
  PictureConversion c(image, programSize);
  c.sourceSize_ = upright;
  return c;
}

PictureConversion PictureConversion::fromNeededSource(const QImage& source, QSize sourceSize,
                                                      QSize programSize) {
  if (programSize.isEmpty()) throw LedError(tr("节目的尺寸无效"));
  PictureConversion c(source, programSize);
  c.sourceSize_ = sourceSize;
  return c;
}

QImage PictureConversion::neededSource() const {
  if (!svg_) return source_;
  // Drawn as large as fill or stretch need to cover the program, each side within the decoders'
  // limits.
  const QSizeF natural(std::max(1, sourceSize_.width()), std::max(1, sourceSize_.height()));
  const double scale =
      std::max(programSize_.width() / natural.width(), programSize_.height() / natural.height());
  auto side = [](double v) {
    return int(std::clamp(std::ceil(v), 1.0, double(nq::kMaxPictureSide)));
  };
  QSize size(side(natural.width() * scale), side(natural.height() * scale));
  const qint64 maxPixels = nq::kMaxPicturePixelBytes / 4;
  if (qint64(size.width()) * size.height() > maxPixels) {
    if (size.width() > size.height())
      size.setWidth(int(maxPixels / size.height()));
    else
      size.setHeight(int(maxPixels / size.width()));
  }
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  svg_->render(&painter, QRectF(picture.rect()));
  return picture;
}

void PictureConversion::setOptions(const ConversionOptions& options) {
  const bool refitNeeded = options.fit != options_.fit || options.align != options_.align;
  options_ = options;
  if (refitNeeded || fitted_.isNull()) refit();
  converted_ = toLedColours(fitted_, options_);
}

void PictureConversion::refit() {
  fitted_ = QImage(programSize_, QImage::Format_RGB32);
  fitted_.fill(Qt::black);
  const QSize natural = svg_ ? sourceSize_ : source_.size();
  const QRect place = placementRect(natural, programSize_, options_.fit, options_.align);
  QPainter painter(&fitted_);
  if (svg_) {
    painter.setRenderHint(QPainter::Antialiasing);
    svg_->render(&painter, QRectF(place));
    return;
  }
  // Only the part that shows is scaled: a cropped very flat picture would otherwise be huge.
  const QRect shown = place.intersected(QRect(QPoint(0, 0), programSize_));
  if (shown.isEmpty() || source_.isNull()) return;
  const double sx = double(source_.width()) / place.width();
  const double sy = double(source_.height()) / place.height();
  QRect from(int(std::floor((shown.x() - place.x()) * sx)),
             int(std::floor((shown.y() - place.y()) * sy)),
             std::max(1, int(std::lround(shown.width() * sx))),
             std::max(1, int(std::lround(shown.height() * sy))));
  from = from.intersected(source_.rect());
  const QImage part = from == source_.rect() ? source_ : source_.copy(from);
  painter.drawImage(shown.topLeft(), part.size() == shown.size()
                                         ? part
                                         : part.scaled(shown.size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation));
}
