#include "Mainface.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "AtomicFile.h"
#include "BmpCheck.h"
#include "ErrorReport.h"
#include "FleetWindow.h"
#include "GbkIni.h"
#include "Getpram.h"
#include "Kernel.h"
#include "Ledview.h"
#include "LibraryTransfer.h"
#include "Pictureimport.h"
#include "Pramme.h"
#include "ProgramLimits.h"
#include "Screenwh.h"
#include "Sendpram.h"
#include "UpDown.h"
#include "Wordsedit.h"
#include "protocol/Limits.h"

namespace {

// The handlers read a node by its Chinese caption, which the node keeps under kCaptionRole
// beside the caption shown in the operator's language.
const QString kRoot = QStringLiteral("新节目表");
const QString kPublish = QStringLiteral("发布信息");
const QString kProgram = QStringLiteral("节目");
constexpr int kCaptionRole = Qt::UserRole;

// Shown in the operator's language; set.ini stores the index.
const char* const kPlayModes[] = {QT_TRANSLATE_NOOP("TMainForm", "立即显示（无特效）"),
                                  QT_TRANSLATE_NOOP("TMainForm", "左移"),
                                  QT_TRANSLATE_NOOP("TMainForm", "右移"),
                                  QT_TRANSLATE_NOOP("TMainForm", "上移"),
                                  QT_TRANSLATE_NOOP("TMainForm", "下移"),
                                  QT_TRANSLATE_NOOP("TMainForm", "左开"),
                                  QT_TRANSLATE_NOOP("TMainForm", "右开"),
                                  QT_TRANSLATE_NOOP("TMainForm", "上开"),
                                  QT_TRANSLATE_NOOP("TMainForm", "下开"),
                                  QT_TRANSLATE_NOOP("TMainForm", "闪烁"),
                                  QT_TRANSLATE_NOOP("TMainForm", "斜角进入"),
                                  QT_TRANSLATE_NOOP("TMainForm", "反斜角进入"),
                                  QT_TRANSLATE_NOOP("TMainForm", "向左移入并移出"),
                                  QT_TRANSLATE_NOOP("TMainForm", "向右移入并移出"),
                                  QT_TRANSLATE_NOOP("TMainForm", "递减条竖"),
                                  QT_TRANSLATE_NOOP("TMainForm", "递减条横")};
const char* const kPlaySpeeds[] = {
    QT_TRANSLATE_NOOP("TMainForm", "最快"), QT_TRANSLATE_NOOP("TMainForm", "较快"),
    QT_TRANSLATE_NOOP("TMainForm", "快"),   QT_TRANSLATE_NOOP("TMainForm", "慢"),
    QT_TRANSLATE_NOOP("TMainForm", "较慢"), QT_TRANSLATE_NOOP("TMainForm", "最慢")};
static_assert(std::size(kPlayModes) == nq::kMaxPlayMode + 1 &&
              std::size(kPlaySpeeds) == nq::kMaxPlaySpeed + 1);

// A theme icon by its freedesktop name, then by a second name, then the style's own.
QIcon themeIcon(const char* name, const char* alternative, QStyle::StandardPixmap fallback) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
  if (icon.isNull()) icon = QIcon::fromTheme(QString::fromLatin1(alternative));
  if (icon.isNull()) icon = QApplication::style()->standardIcon(fallback);
  return icon;
}

// A node showing `shown` whose caption, as the handlers read it, is `caption`.
QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& caption, const QString& shown) {
  auto* node = new QTreeWidgetItem(parent, QStringList{shown});
  node->setData(0, kCaptionRole, caption);
  return node;
}

QString captionOf(const QTreeWidgetItem* node) { return node->data(0, kCaptionRole).toString(); }

}  // namespace

int programNumberFromCaption(const QString& caption) {
  const auto k = parseDecimal(caption.mid(2).toLatin1());
  if (!caption.startsWith(kProgram) || !k || *k < 1) return -1;
  return *k - 1;
}

TMainForm::TMainForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("LED双色屏节目编辑与控制"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  QFont face(QStringLiteral("宋体"));
  face.setPixelSize(12);
  setFont(face);

  buildMenus();
  buildToolBar();
  buildCentre();

  PictureImportForm = new TPictureImportForm(ws_.store(), prompt_, this);
  connect(PictureImportForm, &TPictureImportForm::pictureImported, &ws_, &Workspace::programSaved);
  connect(PictureImportForm, &TPictureImportForm::pictureImported, this, [this](int n) {
    runGuarded(prompt_, this, [this, n] {
      const QString notice = storedPictureLimitNotice(ws_.ControllerModel, store().readPicture(n));
      if (!notice.isEmpty()) prompt_.message(this, notice);
    });
  });

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  for (int i = 0; i < 3; ++i) {
    auto* panel = new QLabel(StatusBar1);
    const int width = std::array{330, 250, 50}[static_cast<size_t>(i)];
    statusPanels_[static_cast<size_t>(i)] = panel;
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(panel);
  }
  setStatusBar(StatusBar1);

  Timer1 = ws_.heartbeat();
  connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
  Timer1->start();
  sleep = [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); };

  // The window follows the workspace: the list, the sign's size and the connection.
  connect(&ws_, &Workspace::programsRenumbered, this, &TMainForm::RebuildProgramList);
  connect(&ws_, &Workspace::libraryWasReplaced, this, &TMainForm::RebuildProgramList);
  connect(&ws_, &Workspace::signSizeChanged, this, &TMainForm::showBlackSign);
  connect(&ws_, &Workspace::connectionChanged, this, &TMainForm::showConnection);
  connect(&ws_, &Workspace::transportChanged, this, &TMainForm::showTransport);
  connect(&ws_, &Workspace::linkWaitChanged, this, [this](const QString& text) {
    if (text.isEmpty()) {
      showStatus();
      return;
    }
    statusPanel(0)->setText(text);
    statusPanel(0)->repaint();  // the link call blocks the event loop; the text shows before it
  });
  connect(&ws_, &Workspace::programWasSaved, this, [this](int n) {
    // The saved picture shows only when the saved program is the one picked.
    if (n == pickedProgramNumber()) runGuarded(prompt_, this, [this, n] { showProgram(n); });
  });

  // Start-up state: no program (the application empties the library before it makes the
  // window), a 32 x 32 sign, disconnected, default play settings.
  ws_.ControllerProgramCount = 0;
  ws_.commSettings = CommSettings::load(ws_.commSettingsPath());
  ws_.commSettings.PortNames = listSerialPorts();
  showTransport();
  ws_.ProgramWidth.fill(32);
  ws_.ProgramHeight.fill(32);
  ws_.ScreenWidth = 32;
  ws_.ScreenHeight = 32;
  showBlackSign();
  ws_.markDisconnected();
  showConnection(false);
  ComboBox2->setCurrentIndex(0);
  ComboBox3->setCurrentIndex(4);
  UpDown3->setPosition(5);
  ws_.ProgramCount = 0;
  RebuildProgramList();

  // The window keeps its size: 816 x 450 inside the frame, below the menu bar.
  setFixedSize(816, 450 + menuBar()->sizeHint().height());
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* system = bar->addMenu(tr("系统(&S)"));
  O1 = system->addAction(tr("导出(&O)"));
  I1 = system->addAction(tr("导入(&I)"));
  P1 = system->addAction(tr("导入图片(&P)"));
  E1 = system->addAction(tr("退出(&E)"));
  connect(P1, &QAction::triggered, this, &TMainForm::SpeedButton9Click);
  connect(O1, &QAction::triggered, this, &TMainForm::O1Click);
  connect(I1, &QAction::triggered, this, &TMainForm::I1Click);
  connect(E1, &QAction::triggered, this, &TMainForm::E1Click);

  QMenu* config = bar->addMenu(tr("配置(&S)"));
  QMenu* transport = config->addMenu(tr("通讯方式(&T)"));
  C1 = transport->addAction(tr("串口(&C)"));
  C3 = transport->addAction(tr("TCP/IP(&T)"));
  C1->setCheckable(true);
  C3->setCheckable(true);
  auto* transports = new QActionGroup(this);
  transports->addAction(C1);
  transports->addAction(C3);
  connect(C1, &QAction::triggered, this, &TMainForm::C1Click);
  connect(C3, &QAction::triggered, this, &TMainForm::C3Click);
  S2 = config->addAction(tr("通讯配置(&S)"));
  connect(S2, &QAction::triggered, this, &TMainForm::S2Click);
  L1 = config->addAction(tr("大屏参数(&L)"));
  connect(L1, &QAction::triggered, this, &TMainForm::L1Click);

  QMenu* control = bar->addMenu(tr("控制(&K)"));
  N2 = control->addAction(tr("获取节目(&G)"));
  C2 = control->addAction(tr("节目控制(&C)"));
  connect(N2, &QAction::triggered, this, &TMainForm::N2Click);
  connect(C2, &QAction::triggered, this, &TMainForm::C2Click);
  G1 = control->addAction(tr("格式化(&G)"));
  R1 = control->addAction(tr("重启(&R)"));
  connect(G1, &QAction::triggered, this, &TMainForm::G1Click);
  connect(R1, &QAction::triggered, this, &TMainForm::R1Click);
  F1 = control->addAction(tr("远程升级(&F)"));
  connect(F1, &QAction::triggered, this, &TMainForm::F1Click);
  M1 = control->addAction(tr("大屏管理(&M)"));
  connect(M1, &QAction::triggered, this, &TMainForm::M1Click);

  QMenu* help = bar->addMenu(tr("帮助(&H)"));
  help->addAction(tr("帮助(&H)"));
  help->addAction(tr("关于(&A)"));
}

void TMainForm::buildToolBar() {
  auto* toolBar = new QToolBar(this);
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setFixedHeight(57);
  toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  auto* strip = new QWidget(toolBar);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);

  auto makeButton = [&](const char* icon, const char* alternative, QStyle::StandardPixmap fallback,
                        const QString& tip) {
    auto* b = new QToolButton(strip);
    b->setIcon(themeIcon(icon, alternative, fallback));
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(48, 48);
    b->setAutoRaise(true);
    b->setToolTip(tip);
    row->addWidget(b);
    return b;
  };
  SpeedButton5 = makeButton("network-connect", "network-transmit-receive", QStyle::SP_DriveNetIcon,
                            tr("连接大屏"));
  SpeedButton4 = makeButton("network-disconnect", "network-offline", QStyle::SP_BrowserStop,
                            tr("断开与大屏的连接"));
  SpeedButton1 = makeButton("document-new", "document-new", QStyle::SP_FileIcon, tr("新建节目"));
  SpeedButton2 =
      makeButton("edit-delete", "user-trash", QStyle::SP_TrashIcon, tr("删除选中的节目"));
  SpeedButton3 = makeButton("document-edit", "accessories-text-editor",
                            QStyle::SP_FileDialogDetailedView, tr("用文本编辑器编辑选中的节目"));
  SpeedButton7 = makeButton("insert-image", "image-x-generic", QStyle::SP_DirOpenIcon,
                            tr("为选中的节目加载BMP图片"));
  SpeedButton9 = makeButton("image-x-generic", "insert-image", QStyle::SP_FileDialogContentsView,
                            tr("导入图片：任意格式的图片转换为LED颜色"));
  SpeedButton8 = makeButton("media-playback-start", "media-playback-start", QStyle::SP_MediaPlay,
                            tr("预览选中的节目"));
  SpeedButton6 =
      makeButton("document-send", "mail-send", QStyle::SP_ArrowForward, tr("把节目表发送到大屏"));
  row->addStretch(1);
  toolBar->addWidget(strip);
  strip->setMinimumWidth(780);
  addToolBar(Qt::TopToolBarArea, toolBar);

  connect(SpeedButton5, &QToolButton::clicked, this, &TMainForm::SpeedButton5Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &TMainForm::SpeedButton4Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TMainForm::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TMainForm::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TMainForm::SpeedButton3Click);
  connect(SpeedButton7, &QToolButton::clicked, this, &TMainForm::SpeedButton7Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TMainForm::SpeedButton9Click);
  connect(SpeedButton8, &QToolButton::clicked, this, &TMainForm::SpeedButton8Click);
  connect(SpeedButton6, &QToolButton::clicked, this, &TMainForm::SpeedButton6Click);
}

void TMainForm::buildCentre() {
  auto* centre = new QWidget(this);
  auto* columns = new QHBoxLayout(centre);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(4);

  TreeView1 = new QTreeWidget(centre);
  TreeView1->setHeaderHidden(true);
  TreeView1->setFixedWidth(160);
  TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
  TreeView1->setItemsExpandable(false);
  TreeView1->setRootIsDecorated(true);
  // The labels mix Chinese and digits ("节目1"): they are drawn in one face designed for both,
  // as the Song stand-in's Latin glyphs are smaller and sit higher than its Chinese ones.
  const QStringList chineseFaces = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family :
       {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")}) {
    if (!chineseFaces.contains(family)) continue;
    QFont labels(family);
    labels.setPixelSize(12);
    TreeView1->setFont(labels);
    break;
  }
  columns->addWidget(TreeView1);

  auto* right = new QVBoxLayout;
  right->setSpacing(6);
  ScrollBox1 = new QScrollArea(centre);
  ScrollBox1->setFixedSize(650, 337);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1 = new QLabel;
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollBox1->setWidget(Image1);
  right->addWidget(ScrollBox1);

  auto* controls = new QHBoxLayout;
  controls->setSpacing(6);
  controls->addWidget(new QLabel(tr("播放方式"), centre));
  ComboBox2 = new QComboBox(centre);
  for (const char* mode : kPlayModes) ComboBox2->addItem(tr(mode));
  ComboBox2->setMaxVisibleItems(16);
  controls->addWidget(ComboBox2);
  controls->addSpacing(12);
  controls->addWidget(new QLabel(tr("播放速度"), centre));
  ComboBox3 = new QComboBox(centre);
  for (const char* speed : kPlaySpeeds) ComboBox3->addItem(tr(speed));
  controls->addWidget(ComboBox3);
  controls->addSpacing(12);
  controls->addWidget(new QLabel(tr("停留时间(单位:s)"), centre));
  Edit4 = new QLineEdit(centre);
  Edit4->setFixedWidth(48);
  // Digits only, whether typed or pasted.
  Edit4->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit4));
  Edit4->installEventFilter(this);
  controls->addWidget(Edit4);
  UpDown3 = new TUpDown(Edit4, 0, nq::kMaxDwell, centre);
  controls->addWidget(UpDown3);
  controls->addStretch(1);
  right->addLayout(controls);
  right->addStretch(1);
  columns->addLayout(right);
  setCentralWidget(centre);

  // The picked program follows the selection, whether the mouse or the keyboard moved it.
  connect(TreeView1, &QTreeWidget::itemSelectionChanged, this, &TMainForm::TreeView1Click);
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox2Change);
  connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TMainForm::Edit4Change);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit4 && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128)) {
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::showPicture(const QImage& picture) {
  shownPicture_ = picture;
  Image1->setPixmap(QPixmap::fromImage(picture));
  Image1->resize(picture.size());
}

void TMainForm::RebuildProgramList() {
  const QSignalBlocker quiet(TreeView1);
  TreeView1->clear();
  auto* root = new QTreeWidgetItem(TreeView1, QStringList{tr("新节目表")});
  root->setData(0, kCaptionRole, kRoot);
  for (int k = 0; k < ws_.ProgramCount; ++k) {
    QTreeWidgetItem* node =
        addNode(root, kProgram + QString::number(k + 1), tr("节目%1").arg(k + 1));
    addNode(node, kPublish, tr("发布信息"));
  }
  TreeView1->expandAll();
  TreeView1->clearSelection();
  TreeView1->setCurrentItem(nullptr);
  showStatus();
}

int TMainForm::pickedProgramNumber() const {
  const QList<QTreeWidgetItem*> picked = TreeView1->selectedItems();
  if (picked.isEmpty()) return -1;
  const int n = programNumberFromCaption(captionOf(picked.front()));
  return n < 0 ? -2 : n;
}

int TMainForm::pickProgram(const QString& message) {
  const int n = pickedProgramNumber();
  if (n == -1) return -1;
  if (n < 0) {
    prompt_.message(this, message);
    return -1;
  }
  ws_.SelectedProgram = n;
  return n;
}

void TMainForm::setEditingButtonsEnabled(bool enabled) {
  SpeedButton2->setEnabled(enabled);
  SpeedButton3->setEnabled(enabled);
  SpeedButton7->setEnabled(enabled);
  SpeedButton9->setEnabled(enabled);
  P1->setEnabled(enabled);
}

void TMainForm::showConnection(bool connected) {
  SpeedButton4->setVisible(connected);
  SpeedButton5->setVisible(!connected);
  showStatus();
}

void TMainForm::showBlackSign() {
  QImage black(ws_.ScreenWidth, ws_.ScreenHeight, QImage::Format_RGB32);
  black.fill(Qt::black);
  showPicture(black);
  showStatus();
}

QLabel* TMainForm::statusPanel(int index) const {
  return statusPanels_.at(static_cast<size_t>(index));
}

void TMainForm::showStatus() {
  if (!StatusBar1 || !TreeView1) return;
  const auto size = [](int w, int h) { return QStringLiteral("%1×%2").arg(w).arg(h); };
  QString connection = tr("未连接");
  if (ws_.isConnected()) {
    const CommSettings& s = ws_.commSettings;
    connection = s.serial() ? tr("已连接 串口 %1 %2").arg(s.SerialPort).arg(s.BaudRate)
                            : tr("已连接 TCP/IP %1:%2").arg(s.ControllerIp).arg(s.ControllerPort);
    connection += QLatin1Char(' ') + size(ws_.ScreenWidth, ws_.ScreenHeight);
    if (ws_.ControllerModel >= 0)
      connection += QLatin1Char(' ') + tr("型号%1").arg(ws_.ControllerModel);
  }
  statusPanel(0)->setText(connection);
  const int n = pickedProgramNumber();
  statusPanel(1)->setText(n >= 0 && n < ws_.ProgramCount
                              ? tr("节目%1").arg(n + 1) + QLatin1Char(' ') +
                                    size(ws_.ProgramWidth[n], ws_.ProgramHeight[n])
                              : QString());
}

QString TMainForm::dwellTextForNewProgram() const {
  return Edit4->text().isEmpty() ? QString::number(UpDown3->position()) : Edit4->text();
}

void TMainForm::TreeView1Click() {
  const QList<QTreeWidgetItem*> picked = TreeView1->selectedItems();
  if (picked.isEmpty()) return;
  const QString caption = captionOf(picked.front());
  if (caption.contains(kPublish) || caption.contains(QStringLiteral("新节目"))) {
    setEditingButtonsEnabled(false);
    return;
  }
  setEditingButtonsEnabled(true);
  const int n = programNumberFromCaption(caption);
  if (n < 0) {
    prompt_.message(this, tr("请选择你要显示的节目表!"));
    return;
  }
  ws_.SelectedProgram = n;
  runGuarded(prompt_, this, [this, n] { showProgram(n); });
  showStatus();
}

void TMainForm::showProgram(int n) {
  // A missing picture shows black at the program's size; an unreadable one is reported once,
  // after the program's settings are shown.
  QImage picture(ws_.ProgramWidth[n], ws_.ProgramHeight[n], QImage::Format_RGB32);
  picture.fill(Qt::black);
  QString pictureError;
  if (QFile::exists(store().picturePath(n))) {
    try {
      picture = store().readPicture(n);
      ws_.ProgramWidth[n] = picture.width();
      ws_.ProgramHeight[n] = picture.height();
    } catch (const LedError& e) {
      pictureError = e.text();
    }
  }
  showPicture(picture);

  PlaySettings play = store().readPlaySettings(n);
  if (play.mode < 0 || play.mode >= ComboBox2->count()) play.mode = 0;
  if (play.speed < 0 || play.speed >= ComboBox3->count()) play.speed = 4;
  if (play.dwell < 0 || play.dwell > nq::kMaxDwell) play.dwell = 5;
  {
    const QSignalBlocker blockMode(ComboBox2);
    const QSignalBlocker blockSpeed(ComboBox3);
    ComboBox2->setCurrentIndex(play.mode);
    ComboBox3->setCurrentIndex(play.speed);
    // Showing a program's settings writes nothing.
    const QSignalBlocker blockDwell(Edit4);
    UpDown3->setPosition(play.dwell);
  }
  if (!pictureError.isEmpty()) throw LedError(pictureError);
}

void TMainForm::ComboBox2Change() {
  runGuarded(prompt_, this, [this] { writeBackPlaySettings(); });
}
void TMainForm::ComboBox3Change() {
  runGuarded(prompt_, this, [this] { writeBackPlaySettings(); });
}

void TMainForm::Edit4Change() {
  const QString text = Edit4->text();
  if (text.isEmpty()) return;
  if (text.size() >= 3) {
    const auto v = parseDecimal(text.toLatin1());
    if (!v || *v > nq::kMaxDwell) {
      Edit4->setText(QString::number(nq::kMaxDwell));
      return;
    }
  }
  runGuarded(prompt_, this, [this] { writeBackPlaySettings(); });
}

void TMainForm::writeBackPlaySettings() {
  const int n = pickProgram(tr("请选择你要编辑的节目表!"));
  if (n < 0) return;
  store().writePlaySettings(n, ComboBox2->currentIndex(), ComboBox3->currentIndex(), Edit4->text());
}

void TMainForm::SpeedButton1Click() {
  runGuarded(prompt_, this, [this] {
    if (ws_.ProgramCount >= ProgramStore::MaxPrograms) {
      prompt_.message(this, tr("超出节目最大数"));
      return;
    }
    const int n = ws_.ProgramCount;
    store().append(n, ws_.ScreenWidth, ws_.ScreenHeight, ComboBox2->currentIndex(),
                   ComboBox3->currentIndex(), dwellTextForNewProgram());
    // The new node joins the list without disturbing the selection.
    {
      const QSignalBlocker quiet(TreeView1);
      QTreeWidgetItem* root = TreeView1->topLevelItem(0);
      QTreeWidgetItem* node =
          addNode(root, kProgram + QString::number(n + 1), tr("节目%1").arg(n + 1));
      addNode(node, kPublish, tr("发布信息"));
      TreeView1->expandAll();
    }
    ws_.programAppended(ws_.ScreenWidth, ws_.ScreenHeight);
  });
}

void TMainForm::SpeedButton2Click() {
  runGuarded(prompt_, this, [this] {
    if (TreeView1->selectedItems().isEmpty() || ws_.ProgramCount == 0) return;
    const int n = pickProgram(tr("请选择你要删除的节目表!"));
    if (n < 0 || n >= ws_.ProgramCount) return;
    store().deleteProgram(n, ws_.ProgramCount);
    ws_.programDeleted(n);
  });
}

void TMainForm::SpeedButton3Click() {
  runGuarded(prompt_, this, [this] {
    const int n = pickProgram(tr("请选择你要编辑的节目表!"));
    if (n < 0) return;
    const QSize size = store().readPictureSize(n);
    ws_.ProgramWidth[n] = size.width();
    ws_.ProgramHeight[n] = size.height();
    if (WordsForm) openWindow(WordsForm);
  });
}

void TMainForm::SpeedButton7Click() {
  runGuarded(prompt_, this, [this] {
    const int n = pickProgram(tr("请选择你要编辑的节目表!"));
    if (n < 0) return;
    const QString path =
        prompt_.openFile(this, tr("加载图片"), tr("BMP 图片 (*.bmp);;所有文件 (*)"));
    if (path.isEmpty()) return;
    const QByteArray bytes = readWholeFile(path, nq::kMaxBmpFileBytes);
    const QImage picture = decodeBmp(bytes, tr("图片文件 %1").arg(path));
    if (picture.width() != ws_.ProgramWidth[n] || picture.height() != ws_.ProgramHeight[n]) {
      prompt_.message(this, tr("加载图片尺寸与屏宽高不一致!"));
      return;
    }
    // The file is stored byte for byte, so the program keeps the file's pixel format. Should the
    // settings not be written, the picture gets its old bytes back: no program is half loaded.
    FileRollback rollback;
    rollback.keep(store().picturePath(n), nq::kMaxBmpFileBytes);
    store().writePictureFile(n, bytes);
    store().writeSettings(
        n, ProgramEntry{ws_.ProgramWidth[n], ws_.ProgramHeight[n], colourClass(picture),
                        ComboBox2->currentIndex(), ComboBox3->currentIndex(), UpDown3->position()});
    rollback.commit();
    showPicture(picture);
    if (const QString notice = storedPictureLimitNotice(ws_.ControllerModel, picture);
        !notice.isEmpty()) {
      prompt_.message(this, notice);
    }
    if (hasColoursTheSignCannotShow(picture)) {
      prompt_.message(this, tr("图片中有LED屏显示不出的颜色（屏上只有红、绿、黄三色），"
                               "屏上的画面会与图片不同。要看到屏上的效果，"
                               "请用“导入图片”转换。"));
    }
  });
}

void TMainForm::SpeedButton9Click() {
  runGuarded(prompt_, this, [this] {
    const int n = pickProgram(tr("请选择你要编辑的节目表!"));
    if (n < 0) return;
    // The picture is converted at the program's size and stored with the play settings shown,
    // as a loaded BMP is; the window follows through the workspace when OK stores it.
    PictureImportForm->launch(
        n, QSize(ws_.ProgramWidth[n], ws_.ProgramHeight[n]),
        PlaySettings{ComboBox2->currentIndex(), ComboBox3->currentIndex(), UpDown3->position()});
  });
}

void TMainForm::SpeedButton8Click() {
  if (ws_.ScreenHeight != 0 && ws_.ScreenWidth != 0 && ws_.ProgramCount != 0 && LedViewForm) {
    LedViewForm->play(
        ws_.SelectedProgram,
        PlaySettings{ComboBox2->currentIndex(), ComboBox3->currentIndex(), UpDown3->position()});
  }
}

void TMainForm::openWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void TMainForm::SpeedButton6Click() {
  if (SendPramForm) SendPramForm->launch();
}
void TMainForm::N2Click() {
  if (GetPramForm) GetPramForm->launch();
}
void TMainForm::C2Click() {
  if (PrammeForm) PrammeForm->launch();
}
void TMainForm::F1Click() {
  if (KernelForm) KernelForm->launch();
}
void TMainForm::L1Click() {
  if (ScreenWHForm) ScreenWHForm->launch();
}
void TMainForm::M1Click() {
  if (!FleetForm) FleetForm = new FleetWindow(ws_.store(), prompt_, this);
  FleetForm->open();
}

void TMainForm::E1Click() { QApplication::exit(0); }

void TMainForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QApplication::exit(0);
}

void TMainForm::O1Click() {
  runGuarded(prompt_, this, [this] {
    if (ws_.ProgramCount == 0) {
      prompt_.message(this, tr("导出节目不能为空"));
      return;
    }
    const QString folder = prompt_.chooseFolder(this, tr("导出到文件夹"));
    if (folder.isEmpty()) return;
    if (exportLibrary(store(), ws_.ProgramCount, folder).settingsCopied) {
      prompt_.message(nullptr, tr("导出节目成功"));
    }
  });
}

void TMainForm::I1Click() {
  runGuarded(prompt_, this, [this] {
    const QString folder = prompt_.chooseFolder(this, tr("导入文件夹"));
    if (folder.isEmpty()) return;
    const ImportResult imported = importLibrary(store(), folder);
    ws_.libraryReplaced(imported.count);
    prompt_.message(nullptr, importReport(imported));
  });
}
