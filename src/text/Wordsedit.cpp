#include "Wordsedit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "AtomicFile.h"
#include "EditorRules.h"
#include "ErrorReport.h"
#include "LedError.h"
#include "Prompt.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextFormat.h"
#include "TextRender.h"
#include "UpDown.h"
#include "Workspace.h"
#include "protocol/Limits.h"

namespace {

// The size fields, the pane and the stored size never go beyond the workspace's limit, whatever
// is typed, so the stored size is always the picture's size.
constexpr int SpinMaximum = Workspace::MaxSide;
constexpr int MaxEditingSide = Workspace::MaxSide;
// The largest file a save replaces: a picture of the largest side, uncompressed.
constexpr qint64 kMaxSavedFileBytes = qint64(MaxEditingSide) * MaxEditingSide * 4 + 4096;
constexpr qint64 MaxRtfFileBytes = 16 * 1024 * 1024;

QToolButton* pictureButton(QWidget* parent, const char* icon, const QString& tip) {
  auto* b = new QToolButton(parent);
  QIcon i = QIcon::fromTheme(QString::fromLatin1(icon));
  if (i.isNull()) i = QIcon::fromTheme(QString::fromLatin1(icon) + QStringLiteral("-symbolic"));
  if (i.isNull())
    b->setText(tip.left(1));
  else
    b->setIcon(i);
  b->setToolTip(tip);
  b->setAutoRaise(true);
  b->setFixedSize(32, 32);
  return b;
}

int fieldValue(const QLineEdit* field) {
  return std::clamp(ledtext::lineSpacingValue(field->text()), 0, SpinMaximum);
}

int editingSide(int v) { return std::clamp(v, 0, MaxEditingSide); }

QImage blackPicture(int width, int height) {
  QImage img(editingSide(width), editingSide(height), QImage::Format_RGB32);
  img.fill(Qt::black);
  return img;
}

}  // namespace

TWordsForm::TWordsForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QWidget(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("文本"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  buildToolBar();
  buildAreas();
  layout->addWidget(Panel1);
  layout->addWidget(ScrollBox1);
  layout->addWidget(ScrollBox2, 1);
  layout->addWidget(StatusBar1);
  setFixedSize(817, 588);
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  connect(&ws_, &Workspace::programsRenumbered, this, &TWordsForm::programsRenumbered);
  connect(&ws_, &Workspace::libraryWasReplaced, this, &TWordsForm::libraryReplaced);
}

void TWordsForm::programsRenumbered(int deleted) {
  if (!isVisible()) return;
  if (deleted == program_) {
    programGone();
  } else if (deleted < program_) {
    --program_;
  }
}

// The operator removed the program being edited: the window closes and writes nothing.
void TWordsForm::programGone() {
  if (!isVisible()) return;
  EditorReady = false;
  program_ = -1;
  hide();
}

// A fetch, an import or a new sign size replaced the list: the program being edited is gone with
// it. The window closes without writing, and says so when that drops the operator's edits.
void TWordsForm::libraryReplaced() {
  if (!isVisible()) return;
  const bool edited = RichEdit1->document()->isModified();
  programGone();
  if (edited) {
    prompt_.message(parentWidget(),
                    tr("“文本”窗口中未保存的修改已放弃：节目表已被替换"
                       "（获取节目、导入或更改大屏尺寸），正在编辑的节目已不存在。"));
  }
}

bool TWordsForm::bound() const { return program_ >= 0 && program_ < ws_.ProgramCount; }

void TWordsForm::buildToolBar() {
  Panel1 = new QWidget(this);
  Panel1->setFixedHeight(57);
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(6, 4, 6, 4);
  row->setSpacing(4);

  SpeedButton8 = pictureButton(Panel1, "preferences-desktop-font", tr("字体"));
  row->addWidget(SpeedButton8);
  row->addWidget(new QLabel(tr("行距"), Panel1));
  ComboBox1 = new QComboBox(Panel1);
  // In LineSpacingRule order: the rule is the index.
  ComboBox1->addItems(
      {tr("单倍"), tr("1.5倍"), tr("2.0倍"), tr("最小值"), tr("固定值"), tr("多倍行距")});
  row->addWidget(ComboBox1);
  row->addWidget(new QLabel(tr("设置值"), Panel1));
  Edit1 = new QLineEdit(QStringLiteral("0"), Panel1);
  Edit1->setFixedWidth(48);
  Edit1->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*\\.?\\d*")), Edit1));
  row->addWidget(Edit1);
  row->addWidget(new QLabel(tr("磅"), Panel1));

  const auto sizeField = [this, row](const QString& caption, QLineEdit*& field, TUpDown*& spin) {
    row->addWidget(new QLabel(caption, Panel1));
    field = new QLineEdit(Panel1);
    field->setFixedWidth(56);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), field));
    spin = new TUpDown(field, 0, SpinMaximum, Panel1);
    row->addWidget(field);
    row->addWidget(spin);
  };
  sizeField(tr("节目宽"), Edit2, UpDown2);
  sizeField(tr("节目高"), Edit3, UpDown3);

  SpeedButton9 = pictureButton(Panel1, "format-justify-left", tr("左对齐"));
  SpeedButton10 = pictureButton(Panel1, "format-justify-center", tr("居中"));
  SpeedButton11 = pictureButton(Panel1, "format-justify-right", tr("右对齐"));
  SpeedButton12 = pictureButton(Panel1, "go-top", tr("文字置顶"));
  SpeedButton13 = pictureButton(Panel1, "go-jump", tr("文字居中"));
  SpeedButton14 = pictureButton(Panel1, "go-bottom", tr("文字置底"));
  SpeedButton15 = pictureButton(Panel1, "document-save", tr("保存"));
  for (QToolButton* b : {SpeedButton9, SpeedButton10, SpeedButton11, SpeedButton12, SpeedButton13,
                         SpeedButton14, SpeedButton15})
    row->addWidget(b);
  row->addStretch(1);

  for (QLineEdit* field : {Edit1, Edit2, Edit3}) field->installEventFilter(this);
  connect(SpeedButton8, &QToolButton::clicked, this, &TWordsForm::SpeedButton8Click);
  connect(SpeedButton9, &QToolButton::clicked, this, [this] { alignParagraphs(Qt::AlignLeft); });
  connect(SpeedButton10, &QToolButton::clicked, this,
          [this] { alignParagraphs(Qt::AlignHCenter); });
  connect(SpeedButton11, &QToolButton::clicked, this, [this] { alignParagraphs(Qt::AlignRight); });
  connect(SpeedButton12, &QToolButton::clicked, this, [this] { PlaceTextBand(0); });
  connect(SpeedButton13, &QToolButton::clicked, this, [this] { PlaceTextBand(1); });
  connect(SpeedButton14, &QToolButton::clicked, this, [this] { PlaceTextBand(2); });
  connect(SpeedButton15, &QToolButton::clicked, this, &TWordsForm::SpeedButton15Click);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TWordsForm::ComboBox1Change);
  connect(Edit1, &QLineEdit::textChanged, this, &TWordsForm::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TWordsForm::programSizeChange);
  connect(Edit3, &QLineEdit::textChanged, this, &TWordsForm::programSizeChange);
}

void TWordsForm::buildAreas() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setFixedHeight(325);
  ScrollBox1->setWidgetResizable(false);
  EditArea = new QWidget;
  EditArea->setFixedSize(1024, 1024);
  EditArea->installEventFilter(this);
  RichEdit1 = new QTextEdit(EditArea);
  RichEdit1->setFrameShape(QFrame::NoFrame);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
  // Pasted text takes the current format: a sign has no other colours or faces to keep.
  RichEdit1->setAcceptRichText(false);
  RichEdit1->document()->setDocumentMargin(0);
  QPalette palette = RichEdit1->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, ledtext::Red);
  RichEdit1->setPalette(palette);
  // The editor draws as the sign does, without smoothing, so that it wraps exactly as the
  // rendered picture.
  QFont font(ledtext::DefaultFace);
  font.setPixelSize(27);
  font.setStyleStrategy(QFont::NoAntialias);
  setEditorFont(font);
  ScrollBox1->setWidget(EditArea);

  ScrollBox2 = new QScrollArea(this);
  ScrollBox2->setWidgetResizable(false);
  Image1 = new QLabel;
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollBox2->setWidget(Image1);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel1 = new QLabel(StatusBar1);
  auto* panel2 = new QLabel(StatusBar1);
  StatusPanel0->setFixedWidth(200);
  StatusPanel1->setFixedWidth(200);
  panel2->setFixedWidth(50);
  StatusBar1->addWidget(StatusPanel0);
  StatusBar1->addWidget(StatusPanel1);
  StatusBar1->addWidget(panel2);
}

void TWordsForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restoring a minimised window is not an opening.
  if (!event->spontaneous()) FormShow();
}

void TWordsForm::FormShow() {
  EditorReady = false;
  ResizeDrag = false;
  program_ = std::clamp(ws_.SelectedProgram, 0, 254);
  const int n = program_;
  const int w = ws_.ProgramWidth[n];
  const int h = ws_.ProgramHeight[n];
  Edit1->setText(QStringLiteral("1.0"));
  VerticalPlacement = 0;
  setEditorSize(w, h);
  RichEdit1->clear();
  setPicture(blackPicture(w, h));
  // The pane starts from the stored picture, as the main window shows it; a missing or
  // unreadable one shows black.
  if (QFile::exists(ws_.store().picturePath(n))) {
    try {
      setPicture(ws_.store().readPicture(n));
    } catch (const std::exception&) {
    }
  }

  QTextDocument* doc = RichEdit1->document();
  QFont font = doc->defaultFont();
  font.setPointSize(ledtext::DefaultPointSize);
  setEditorFont(font);
  // A rich-text file that cannot be read whole is not edited: the window closes, so that no
  // later rendering or save overwrites it with what could be read.
  bool readable = true;
  runGuarded(prompt_, this, [&] {
    const QString path = ws_.store().rtfPath(n);
    if (!QFile::exists(path)) return;
    readable = false;
    if (QFileInfo(path).size() > MaxRtfFileBytes)
      throw LedError(tr("文件 %1 超过 16 MiB，无法打开").arg(QDir::toNativeSeparators(path)));
    readRichOrPlainText(readWholeFile(path, MaxRtfFileBytes), *doc);
    readable = true;
  });
  if (!readable) {
    program_ = -1;
    QTimer::singleShot(0, this, &QWidget::hide);
    return;
  }
  ledtext::makeAliased(*doc);
  doc->clearUndoRedoStacks();
  RichEdit1->moveCursor(QTextCursor::Start);

  StatusPanel0->setText(ledtext::signSizeText(ws_.ScreenWidth, ws_.ScreenHeight));
  showProgramSize(w, h);
  UpDown2->setPosition(w);
  UpDown3->setPosition(h);
  EditorReady = true;
  if (Edit1->text().isEmpty()) Edit1->setText(QStringLiteral("0"));
  RichEdit1->textCursor().mergeBlockFormat(ledtext::lineSpacingFormat(
      ledtext::LineSpacingRule::Single, ledtext::lineSpacingValue(Edit1->text())));
  const QSignalBlocker quiet(ComboBox1);
  ComboBox1->setCurrentIndex(0);
  // The operator types as soon as the window opens.
  RichEdit1->setFocus();
  // From here on the document counts as changed when the text, its format or the program's size
  // is.
  doc->setModified(false);
}

void TWordsForm::setEditorFont(const QFont& font) {
  // The edit control hands its own font to its document whenever that font changes, as it does
  // when this window stops being a child of the main window: the control carries the font too,
  // so the text keeps its face whatever the window inherits.
  RichEdit1->setFont(font);
  RichEdit1->document()->setDefaultFont(font);
}

void TWordsForm::SpeedButton8Click() {
  const QTextCharFormat current = RichEdit1->currentCharFormat();
  QFont font = RichEdit1->document()->defaultFont();
  // The dialog lists installed faces: it opens on the one the selection is drawn with (the
  // stand-in for a face that is not installed), and the selection keeps its own face unless the
  // operator picks another.
  const QString shownFace = QFontInfo(QFont(ledtext::faceOf(current, font.family()))).family();
  font.setFamilies({shownFace});
  if (current.hasProperty(QTextFormat::FontPointSize)) font.setPointSizeF(current.fontPointSize());
  font.setBold(current.hasProperty(QTextFormat::FontWeight) &&
               current.fontWeight() >= QFont::DemiBold);
  font.setItalic(current.fontItalic());
  font.setUnderline(current.fontUnderline());
  font.setStrikeOut(current.fontStrikeOut());
  const QColor colour =
      current.foreground().style() != Qt::NoBrush ? current.foreground().color() : ledtext::Red;
  const auto choice = prompt_.chooseFont(this, Prompt::FontChoice{font, colour});
  if (!choice) return;
  if (!ledtext::isLedColour(choice->colour)) {
    prompt_.message(this, tr("只支持红黄绿三色"));
    return;
  }
  QTextCharFormat format;
  format.setFont(choice->font, QTextCharFormat::FontPropertiesAll);
  format.clearProperty(QTextFormat::OldFontFamily);
  format.clearProperty(QTextFormat::FontFamilies);
  format.clearProperty(QTextFormat::FontStyleName);
  if (choice->font.family() != shownFace) format.setFontFamilies({choice->font.family()});
  format.setFontStyleStrategy(QFont::NoAntialias);
  format.setForeground(choice->colour);
  RichEdit1->mergeCurrentCharFormat(format);
  RichEdit1->setFocus();
}

void TWordsForm::alignParagraphs(Qt::Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(alignment);
  RichEdit1->textCursor().mergeBlockFormat(format);
}

void TWordsForm::applyLineSpacing(int rule) {
  const auto r = static_cast<ledtext::LineSpacingRule>(std::clamp(rule, 0, 5));
  RichEdit1->textCursor().mergeBlockFormat(
      ledtext::lineSpacingFormat(r, ledtext::lineSpacingValue(Edit1->text())));
}

void TWordsForm::ComboBox1Change() {
  applyLineSpacing(ComboBox1->currentIndex());
  if (ComboBox1->currentIndex() == int(ledtext::LineSpacingRule::Exactly))
    Edit1->setText(QStringLiteral("20"));
}

void TWordsForm::Edit1Change() {
  if (Edit1->text().isEmpty()) return;
  applyLineSpacing(ComboBox1->currentIndex());
}

void TWordsForm::programSizeChange() {
  if (!bound() || !EditorReady || Edit2->text().isEmpty() || Edit3->text().isEmpty()) return;
  const int w = fieldValue(Edit2);
  const int h = fieldValue(Edit3);
  ws_.ProgramWidth[program_] = w;
  ws_.ProgramHeight[program_] = h;
  RichEdit1->document()->setModified(true);
  setEditorSize(w, h);
  setPicture(blackPicture(w, h));
  showProgramSize(w, h);
}

void TWordsForm::setEditorSize(int width, int height) {
  RichEdit1->resize(editingSide(width), editingSide(height));
  EditArea->setFixedSize(std::max(1024, RichEdit1->width()), std::max(1024, RichEdit1->height()));
}

void TWordsForm::setPicture(const QImage& picture) {
  picture_ = picture;
  Image1->setPixmap(QPixmap::fromImage(picture_));
  Image1->resize(picture_.size());
}

void TWordsForm::showProgramSize(int width, int height) {
  StatusPanel1->setText(ledtext::programSizeText(width, height));
}

void TWordsForm::saveRichText() {
  const ProgramStore& store = ws_.store();
  const QString path = store.rtfPath(program_);
  if (!QDir().mkpath(store.rtfDir()))
    throw LedError(
        tr("无法写入文件 %1：无法创建文件夹 %2")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(store.rtfDir())));
  writeFileAtomically(path, writeRtf(*RichEdit1->document()));
}

int TWordsForm::RenderRichText() {
  const int w = ws_.ProgramWidth[program_];
  const int h = ws_.ProgramHeight[program_];
  ledtext::RenderedText rendered =
      ledtext::renderText(*RichEdit1->document(), QSize(editingSide(w), editingSide(h)));
  setPicture(rendered.picture);
  return rendered.droppedLines;
}

int TWordsForm::renderAndPlaceBand(int placement) {
  // The caret goes to the start of the text, without a selection, before every rendering.
  QTextCursor start = RichEdit1->textCursor();
  start.setPosition(0);
  RichEdit1->setTextCursor(start);
  const int dropped = RenderRichText();
  setPicture(ledtext::placeTextBand(picture_, placement));
  return dropped;
}

void TWordsForm::reportDroppedLines(int dropped) {
  if (dropped > 0) prompt_.message(this, tr("文字超出节目高度，超出部分未保存"));
}

void TWordsForm::PlaceTextBand(int placement) {
  if (!bound()) return;
  runGuarded(prompt_, this, [&] {
    const int dropped = renderAndPlaceBand(placement);
    if (placement >= 0 && placement <= 2) VerticalPlacement = placement;
    // The placement buttons keep the rich text under the program's number, as a save would.
    saveRichText();
    reportDroppedLines(dropped);
  });
}

void TWordsForm::SpeedButton15Click() {
  if (!bound()) return;
  runGuarded(prompt_, this, [this] {
    Prompt& prompt = prompt_;
    if (Edit2->text().isEmpty() || Edit3->text().isEmpty()) {
      prompt.message(this, tr("宽高不能为空"));
      return;
    }
    const ledtext::CorrectedSize size = ledtext::correctSaveSize(
        fieldValue(Edit2), fieldValue(Edit3), ws_.ScreenWidth, ws_.ScreenHeight);
    if (size.corrections > 0) {
      if (!prompt.question(this, tr("非法的宽高,是否程序自动修正并保存!"))) return;
      setEditorSize(size.width, size.height);
      Edit2->setText(QString::number(size.width));
      Edit3->setText(QString::number(size.height));
    }
    ScrollBox1->verticalScrollBar()->setValue(0);
    ScrollBox1->horizontalScrollBar()->setValue(0);

    const int n = program_;
    const int dropped = renderAndPlaceBand(VerticalPlacement);
    const int c = colourClass(picture_);
    const int w = ws_.ProgramWidth[n];
    const int h = ws_.ProgramHeight[n];
    const QString refusal = ledtext::modelLimitMessage(ws_.ControllerModel, c, w, h);
    if (!refusal.isEmpty()) {
      prompt.message(this, refusal);
      return;
    }
    ProgramStore& store = ws_.store();
    // The bound program keeps its own play settings, whatever program the main window shows.
    const PlaySettings play = store.readPlaySettings(n);
    // Three files change. When one cannot be written, those already written get their old bytes
    // back, so a program is never half saved.
    FileRollback rollback;
    for (const QString& path : {store.rtfPath(n), store.picturePath(n), store.settingsPath()})
      rollback.keep(path, kMaxSavedFileBytes);
    saveRichText();
    store.writePicture(n, picture_);
    store.writeSettings(n, ProgramEntry{w, h, c, play.mode, play.speed, play.dwell});
    rollback.commit();
    reportDroppedLines(dropped);
    ws_.programSaved(n);
    hide();
  });
}

bool TWordsForm::keyAccepted(QLineEdit* field, const QString& text) const {
  if (text.isEmpty()) return true;  // navigation and editing keys carry no character
  const QChar c = text.front();
  if (c.isDigit() && c.unicode() < 0x80) return true;
  if (c == u'\b' || c.unicode() == 0x7F) return true;
  if (c < u' ') return true;  // Tab, Enter and shortcuts such as Ctrl+C
  return field == Edit1 && c == u'.' && !Edit1->text().contains(u'.');
}

bool TWordsForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == Edit1 || watched == Edit2 || watched == Edit3)) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (!keyAccepted(static_cast<QLineEdit*>(watched), key->text())) return true;
  }
  if (watched == EditArea) resizeDragEvent(event);
  return QWidget::eventFilter(watched, event);
}

void TWordsForm::resizeDragEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return;
  // Positions on the scrolled surface are the pointer's client position plus the scroll offsets.
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  const int pointerX = at.x() - ScrollBox1->horizontalScrollBar()->value();
  if (type == QEvent::MouseButtonPress) {
    ResizeDrag = true;
  } else if (type == QEvent::MouseMove) {
    if (pointerX > nq::kMaxProgramWidth || !ResizeDrag) return;
    setEditorSize(at.x(), at.y());
    showProgramSize(RichEdit1->width(), RichEdit1->height());
  } else if (ResizeDrag) {
    ResizeDrag = false;
    const QSize size = ledtext::dragReleaseSize(at.x(), at.y(), ws_.ScreenWidth, ws_.ScreenHeight);
    setEditorSize(size.width(), size.height());
    Edit2->setText(QString::number(size.width()));
    Edit3->setText(QString::number(size.height()));
    showProgramSize(RichEdit1->width(), RichEdit1->height());
  }
}
