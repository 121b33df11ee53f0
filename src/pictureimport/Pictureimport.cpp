#include "Pictureimport.h"
#include "Language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "AtomicFile.h"
#include "BmpCheck.h"
#include "ErrorReport.h"
#include "Prompt.h"
#include "protocol/Limits.h"

namespace {

// Each preview pane shows at most this much before it scrolls.
constexpr int kPaneWidth = 600;
constexpr int kPaneHeight = 360;

// "图片 (*.bmp *.gif *.jpg ...);;所有文件 (*)" from the formats this installation reads.
QString pictureFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  patterns.removeDuplicates();
  return TPictureImportForm::tr("图片 (%1);;所有文件 (*)").arg(patterns.join(QLatin1Char(' ')));
}

QScrollArea* pane(QWidget* parent, QLabel*& image) {
  auto* box = new QScrollArea(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setWidgetResizable(false);
  box->setBackgroundRole(QPalette::Dark);
  image = new QLabel;
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box->setWidget(image);
  return box;
}

}  // namespace

TPictureImportForm::TPictureImportForm(ProgramStore& store, Prompt& prompt, QWidget* parent)
    : QDialog(parent),
      store_(store),
      prompt_(prompt),
      toolDirectory_(QCoreApplication::applicationDirPath()) {
  setWindowTitle(tr("导入图片"));
  setWindowModality(Qt::ApplicationModal);

  auto* panes = new QGridLayout;
  panes->addWidget(new QLabel(tr("原图"), this), 0, 0);
  panes->addWidget(new QLabel(tr("转换结果（LED 颜色）"), this), 0, 1);
  OriginalBox = pane(this, OriginalImage);
  ConvertedBox = pane(this, ConvertedImage);
  panes->addWidget(OriginalBox, 1, 0);
  panes->addWidget(ConvertedBox, 1, 1);
  SourceInfo = new QLabel(this);
  panes->addWidget(SourceInfo, 2, 0, 1, 2);

  // The choices are read by index.
  auto combo = [this](const QStringList& items) {
    auto* box = new QComboBox(this);
    box->addItems(items);
    return box;
  };
  FitBox = combo({tr("适应（留黑边）"), tr("填满（裁剪）"), tr("拉伸")});
  AlignBox = combo({tr("靠左"), tr("居中"), tr("靠右")});
  AlignBox->setCurrentIndex(int(PictureAlign::Centre));
  ModeBox = combo({tr("按阈值分色"), tr("抖动（误差扩散）"), tr("单色")});
  InkBox = combo({tr("红色"), tr("绿色"), tr("黄色")});
  InvertBox = new QCheckBox(tr("反色"), this);
  ThresholdBar = new QSlider(Qt::Horizontal, this);
  ThresholdBar->setRange(1, 255);
  ThresholdBar->setValue(128);
  ThresholdBar->setMinimumWidth(200);
  ThresholdValue = new QLabel(QStringLiteral("128"), this);
  ThresholdValue->setMinimumWidth(28);
  // Every control updates the preview at once; the slider while it is dragged.
  for (QComboBox* box : {FitBox, AlignBox, ModeBox, InkBox})
    connect(box, &QComboBox::currentIndexChanged, this, &TPictureImportForm::optionsChange);
  connect(InvertBox, &QCheckBox::toggled, this, &TPictureImportForm::optionsChange);
  connect(ThresholdBar, &QSlider::valueChanged, this, &TPictureImportForm::optionsChange);

  auto* controls = new QHBoxLayout;
  auto labelled = [&](const QString& label, QWidget* w) {
    controls->addWidget(new QLabel(label, this));
    controls->addWidget(w);
    controls->addSpacing(10);
  };
  labelled(tr("缩放"), FitBox);
  labelled(tr("位置"), AlignBox);
  labelled(tr("颜色"), ModeBox);
  labelled(tr("单色颜色"), InkBox);
  controls->addWidget(InvertBox);
  controls->addSpacing(10);
  labelled(tr("亮度阈值"), ThresholdBar);
  controls->addWidget(ThresholdValue);
  controls->addStretch(1);

  auto* buttons = new QDialogButtonBox(this);
  OkButton = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
  CancelButton = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  connect(OkButton, &QPushButton::clicked, this, &TPictureImportForm::OkButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->addLayout(panes, 1);
  column->addLayout(controls);
  column->addWidget(buttons);
  // The decoded picture is dropped once the dialog closes, either way.
  connect(this, &QDialog::finished, this, [this] { conversion_.reset(); });
}

TPictureImportForm::~TPictureImportForm() = default;

bool TPictureImportForm::launch(int n, QSize size, const PlaySettings& play) {
  QWidget* owner = parentWidget() ? parentWidget() : this;
  const QString path = prompt_.openFile(owner, tr("导入图片"), pictureFilter());
  if (path.isEmpty()) return false;
  return openPicture(path, n, size, play);
}

bool TPictureImportForm::openPicture(const QString& path, int n, QSize size,
                                     const PlaySettings& play) {
  QWidget* owner = parentWidget() ? parentWidget() : this;
  std::optional<PictureConversion> opened;
  runGuarded(prompt_, owner, [&] { opened = decodeInChild(path, size, owner); });
  if (!opened) return false;
  conversion_ = std::move(opened);
  program_ = n;
  play_ = play;
  const QSize source = conversion_->sourceSize();
  const bool zoomed = zoom() > 1;
  const QString info =
      (zoomed ? tr("原图 %1×%2，节目%3 %4×%5，放大 %6 倍显示") : tr("原图 %1×%2，节目%3 %4×%5"))
          .arg(source.width())
          .arg(source.height())
          .arg(n + 1)
          .arg(size.width())
          .arg(size.height());
  SourceInfo->setText(zoomed ? info.arg(zoom()) : info);
  optionsChange();
  show();
  raise();
  activateWindow();
  return true;
}

std::optional<PictureConversion> TPictureImportForm::decodeInChild(const QString& path, QSize size,
                                                                   QWidget* owner) {
  const QString what = tr("图片文件 %1").arg(QDir::toNativeSeparators(path));
  const QTemporaryDir dir;
  if (!dir.isValid()) throw LedError(tr("无法建立临时文件夹，不能读取图片"));
  const QString converted = dir.filePath(QStringLiteral("converted.bmp"));
  const QString source = dir.filePath(QStringLiteral("source.png"));

  QProcess child;
  child.setProgram(QDir(toolDirectory_).filePath(QStringLiteral("ledsignctl")));
  child.setArguments({QStringLiteral("--lang"), languageCode(currentLanguage()),
                      QStringLiteral("--json"), QStringLiteral("convert"),
                      QFileInfo(path).absoluteFilePath(), converted, QStringLiteral("--size"),
                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                      QStringLiteral("--source"), source});
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
  child.setChildProcessModifier(limitChildDecodeAddressSpace);
#endif

  // The window stays live while the child works: a short read never shows the box, a long one
  // can be cancelled, and one past the time limit is stopped.
  QProgressDialog box(tr("正在读取图片…"), tr("取消"), 0, 0, owner);
  box.setWindowTitle(tr("导入图片"));
  box.setWindowModality(Qt::ApplicationModal);
  box.setAutoClose(false);
  box.setAutoReset(false);
  QTimer::singleShot(300, &box, [&box] { box.show(); });
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  bool cancelled = false, timedOut = false;
  connect(&box, &QProgressDialog::canceled, &loop, [&] {
    cancelled = true;
    child.kill();
  });
  connect(&limit, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    child.kill();
  });
  connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
  child.start();
  if (!child.waitForStarted()) {
    throw LedError(
        tr("无法启动图片转换程序 %1，不能读取图片").arg(QDir::toNativeSeparators(child.program())));
  }
  limit.start(decodeTimeLimitMs_);
  loop.exec();
  limit.stop();
  box.hide();

  if (cancelled) return std::nullopt;
  if (timedOut) {
    throw LedError(tr("%1 读取超过 %2 秒，已停止：图片可能过于复杂或已损坏")
                       .arg(what)
                       .arg(decodeTimeLimitMs_ / 1000.0));
  }
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
    throw LedError(childDecodeFailure(what, child.exitStatus() != QProcess::NormalExit,
                                      child.readAllStandardError()));
  }
  const QJsonObject declared = QJsonDocument::fromJson(child.readAllStandardOutput()).object();
  const QImage picture = QImage::fromData(readWholeFile(source, nq::kMaxPicturePixelBytes), "PNG");
  if (picture.isNull() || picture.width() > nq::kMaxPictureSide ||
      picture.height() > nq::kMaxPictureSide) {
    throw LedError(tr("%1 读取失败：转换程序没有给出可用的图片").arg(what));
  }
  return PictureConversion::fromNeededSource(
      picture,
      QSize(declared.value(QStringLiteral("width")).toInt(),
            declared.value(QStringLiteral("height")).toInt()),
      size);
}

QImage TPictureImportForm::convertedPicture() const {
  return conversion_ ? conversion_->converted() : QImage();
}

int TPictureImportForm::zoom() const {
  if (!conversion_) return 1;
  const QSize s = conversion_->programSize();
  return std::clamp(std::min(kPaneWidth / s.width(), kPaneHeight / s.height()), 1, 16);
}

void TPictureImportForm::optionsChange() {
  const bool oneColour = ModeBox->currentIndex() == int(LedColourMode::OneColour);
  InkBox->setEnabled(oneColour);
  InvertBox->setEnabled(oneColour);
  ThresholdValue->setText(QString::number(ThresholdBar->value()));
  if (!conversion_) return;
  ConversionOptions o;
  o.fit = static_cast<PictureFit>(FitBox->currentIndex());
  o.align = static_cast<PictureAlign>(AlignBox->currentIndex());
  o.mode = static_cast<LedColourMode>(ModeBox->currentIndex());
  o.ink = static_cast<LedInk>(InkBox->currentIndex());
  o.invert = InvertBox->isChecked();
  o.threshold = ThresholdBar->value();
  conversion_->setOptions(o);
  showPreview();
}

void TPictureImportForm::showPreview() {
  const int z = zoom();
  auto put = [z](QLabel* label, QScrollArea* box, const QImage& picture) {
    // Whole pixels, so each LED stays a crisp square.
    const QImage big = z == 1 ? picture : picture.scaled(picture.size() * z);
    label->setPixmap(QPixmap::fromImage(big));
    label->resize(big.size());
    const QSize frame(2 * box->frameWidth(), 2 * box->frameWidth());
    box->setMinimumSize(
        (big.size() + frame).boundedTo(QSize(kPaneWidth, kPaneHeight) + frame + QSize(20, 20)));
  };
  put(OriginalImage, OriginalBox, conversion_->fitted());
  put(ConvertedImage, ConvertedBox, conversion_->converted());
}

void TPictureImportForm::OkButtonClick() {
  if (!conversion_) return;
  bool written = false;
  runGuarded(prompt_, this, [this, &written] {
    const QImage picture = conversion_->converted();
    const ProgramEntry entry{picture.width(), picture.height(), colourClass(picture),
                             play_.mode,      play_.speed,      play_.dwell};
    // Should the settings fail to be written, the program gets its old picture back, or none
    // when it had none.
    FileRollback rollback;
    rollback.keep(store_.picturePath(program_), nq::kMaxBmpFileBytes);
    store_.writePicture(program_, picture);
    store_.writeSettings(program_, entry);
    rollback.commit();
    written = true;
  });
  if (!written) return;  // reported; the dialog stays open with nothing lost
  accept();
  Q_EMIT pictureImported(program_);
}
