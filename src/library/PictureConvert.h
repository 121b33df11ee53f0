#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

class QSvgRenderer;

// Turning any picture into a program picture: the sign lights a red and a green diode per pixel,
// so every pixel becomes black, red, green (stored as 0,128,0) or yellow.

enum class PictureFit { Inside, Fill, Stretch };  // black bars / crop / distort
enum class PictureAlign { Left, Centre, Right };
enum class LedColourMode { Threshold, Dither, OneColour };
enum class LedInk { Red, Green, Yellow };

struct ConversionOptions {
  PictureFit fit = PictureFit::Inside;
  PictureAlign align = PictureAlign::Centre;
  LedColourMode mode = LedColourMode::Threshold;
  LedInk ink = LedInk::Red;  // the one colour of OneColour
  int threshold = 128;       // 1 .. 255: the level at which a channel counts as lit
  bool invert = false;       // OneColour: dark parts lit (dark ink on a light ground)
  bool operator==(const ConversionOptions&) const = default;
};

// A picture the operator picks is decoded by `ledsignctl convert` in a child process held to
// these: its address space and its time.
inline constexpr qint64 ChildDecodeAddressSpace = qint64(1) << 30;
inline constexpr int ChildDecodeTimeMs = 10000;
// Called in the child between fork and exec: holds its address space to ChildDecodeAddressSpace.
// A build with the address sanitizer reserves terabytes of shadow address space at start-up, so
// there only the time limit holds. Async-signal-safe.
void limitChildDecodeAddressSpace();
// Why the child that decoded `what` failed, for the operator: a crash (killed by its limits, or
// out of memory) or, after a refusal, the child's own message ("ledsignctl: …" on its stderr,
// without the tool's name; Qt's diagnostics on the same stream are left out).
QString childDecodeFailure(const QString& what, bool crashed, const QByteArray& childStderr);

// Where a source of `source` size is drawn on a target of `target` size; with Fill the rectangle
// reaches beyond the target on the cropped sides. Bars and crops are split evenly, except that
// the placement decides the horizontal side.
QRect placementRect(QSize source, QSize target, PictureFit fit, PictureAlign align);

// The LED colour of each pixel of `picture` (alpha already composited). Pixels already in one of
// the recognised LED colours keep it in the threshold and dithering modes.
QImage toLedColours(const QImage& picture, const ConversionOptions& options);

// One picture being converted for one program: holds the decoded source (reduced to what the
// program's size needs), the source fitted at the program's size over black, and the result.
class PictureConversion {
  Q_DECLARE_TR_FUNCTIONS(PictureConversion)

 public:
  // A picture already in memory (transparent parts become black).
  PictureConversion(const QImage& picture, QSize programSize);
  // Reads and decodes a file or its bytes; throws LedError with a text for the operator when it
  // is unreadable, too large or fails to decode. `what` names the file in that text; the format
  // is told from the content, or else from `formatHint` (the file's suffix).
  static PictureConversion fromFile(const QString& path, QSize programSize);
  static PictureConversion fromBytes(const QByteArray& bytes, QSize programSize,
                                     const QString& what, const QByteArray& formatHint = {});

  // The source as neededSource() gave it, in another process; `sourceSize` is what the file
  // declared. Converts as the conversion that gave it does, vector pictures as rasters.
  static PictureConversion fromNeededSource(const QImage& source, QSize sourceSize,
                                            QSize programSize);

  PictureConversion(PictureConversion&&) noexcept;
  PictureConversion& operator=(PictureConversion&&) noexcept;
  ~PictureConversion();

  QSize programSize() const { return programSize_; }
  // The size the file declares (a vector picture: its natural size).
  QSize sourceSize() const { return sourceSize_; }
  bool isVector() const { return svg_ != nullptr; }

  // Fitting again only when the fit or placement changed; the colours always.
  void setOptions(const ConversionOptions& options);
  const ConversionOptions& options() const { return options_; }
  // The source as large as every fit at the program's size needs it (transparent parts kept):
  // a raster picture as it was decoded, a vector picture drawn to cover the program.
  QImage neededSource() const;
  // The source at the program's size, over black, before colour conversion.
  const QImage& fitted() const { return fitted_; }
  // The program picture in the four LED colours.
  const QImage& converted() const { return converted_; }

 private:
  PictureConversion(QSize programSize, QSize sourceSize);
  void refit();

  QSize programSize_;
  QSize sourceSize_;
  QImage source_;                      // raster pictures
  std::unique_ptr<QSvgRenderer> svg_;  // vector pictures, drawn at the program's size
  ConversionOptions options_;
  QImage fitted_;
  QImage converted_;
};
