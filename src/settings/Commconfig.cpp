#include "Commconfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <memory>

#include "ErrorReport.h"
#include "GbkIni.h"
#include "LinkWait.h"
#include "Prompt.h"
#include "Workspace.h"
#include "protocol/Limits.h"

namespace {

// A settings page: its fields above, "确定" and "取消" at the bottom right.
void layOutSettingsPage(QWidget* page, QFormLayout* fields, QPushButton*& ok,
                        QPushButton*& cancel) {
  ok = new QPushButton(TCommForm::tr("确定"), page);
  cancel = new QPushButton(TCommForm::tr("取消"), page);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(page);
  column->addLayout(fields);
  column->addStretch(1);
  column->addLayout(buttons);
}

// A NUL-terminated GBK text of a fixed slot.
QString slotText(const char* slot, size_t size) {
  return GbkIni::fromGbk(QByteArray(slot, static_cast<qsizetype>(strnlen(slot, size))));
}

}  // namespace

SerialPage::SerialPage(QWidget* parent) : QWidget(parent) {
  auto* form = new QFormLayout;
  ComboBox1 = new QComboBox(this);
  ComboBox2 = new QComboBox(this);
  for (const int rate : nq::kBaudRates) ComboBox2->addItem(QString::number(rate));
  CheckBox1 = new QCheckBox(QStringLiteral("GPRS"), this);
  Edit3 = new QLineEdit(this);
  form->addRow(tr("串口"), ComboBox1);
  form->addRow(tr("波特率"), ComboBox2);
  form->addRow(QString(), CheckBox1);
  form->addRow(tr("超时(ms)"), Edit3);
  layOutSettingsPage(this, form, OkButton, CancelButton);
}

NetPage::NetPage(QWidget* parent) : QWidget(parent) {
  auto* form = new QFormLayout;
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  form->addRow(QStringLiteral("Led IP"), Edit1);
  form->addRow(tr("端口"), Edit2);
  layOutSettingsPage(this, form, OkButton, CancelButton);
}

BaudQueryPage::BaudQueryPage(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout;
  ComboBox3 = new QComboBox(this);
  ComboBox3->setMinimumWidth(160);
  QueryButton = new QPushButton(tr("查询"), this);
  row->addWidget(new QLabel(tr("串口"), this));
  row->addWidget(ComboBox3, 1);
  row->addWidget(QueryButton);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(Memo1, 1);
}

IpQueryPage::IpQueryPage(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout;
  ComboBox4 = new QComboBox(this);
  ComboBox4->setEditable(true);
  QueryButton = new QPushButton(tr("查询"), this);
  row->addWidget(new QLabel(tr("网卡"), this));
  row->addWidget(ComboBox4, 1);
  row->addWidget(QueryButton);
  StringGrid1 = new QTableWidget(256, 5, this);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->verticalHeader()->setDefaultSectionSize(20);
  const int widths[] = {20, 100, 100, 100, 60};
  for (int c = 0; c < 5; ++c) StringGrid1->setColumnWidth(c, widths[c]);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(StringGrid1, 1);
  clearGrid();
}

void IpQueryPage::setCell(int row, int column, const QString& text) {
  QTableWidgetItem* item = StringGrid1->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    // The first row and column are fixed: grey and not selectable.
    if (row == 0 || column == 0) {
      item->setBackground(StringGrid1->palette().button());
      item->setFlags(Qt::ItemIsEnabled);
    }
    StringGrid1->setItem(row, column, item);
  }
  item->setText(text);
}

void IpQueryPage::clearGrid() {
  for (int r = 0; r < StringGrid1->rowCount(); ++r) {
    for (int c = 0; c < StringGrid1->columnCount(); ++c) setCell(r, c, QString());
  }
  const QString header[] = {QString(), QStringLiteral("IP"), tr("子网掩码"), tr("网关"),
                            tr("端口")};
  for (int c = 0; c < 5; ++c) setCell(0, c, header[c]);
}

TCommForm::TCommForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("通讯配置"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  setModal(false);
  QFont face(QStringLiteral("宋体"));
  face.setPixelSize(12);
  setFont(face);
  PageControl1 = new QTabWidget(this);
  serialPage = new SerialPage(PageControl1);
  netPage = new NetPage(PageControl1);
  baudPage = new BaudQueryPage(PageControl1);
  ipPage = new IpQueryPage(PageControl1);
  PageControl1->addTab(serialPage, tr("串口"));
  PageControl1->addTab(netPage, QStringLiteral("TCP/IP"));
  PageControl1->addTab(baudPage, tr("波特率查询"));
  PageControl1->addTab(ipPage, tr("IP查询"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(PageControl1);
  setFixedSize(386, 286);

  connect(serialPage->OkButton, &QPushButton::clicked, this, &TCommForm::SerialOkClick);
  connect(netPage->OkButton, &QPushButton::clicked, this, &TCommForm::NetOkClick);
  connect(serialPage->CancelButton, &QPushButton::clicked, this, &QDialog::close);
  connect(netPage->CancelButton, &QPushButton::clicked, this, &QDialog::close);
  connect(baudPage->QueryButton, &QPushButton::clicked, this, &TCommForm::BaudQueryClick);
  connect(ipPage->QueryButton, &QPushButton::clicked, this, &TCommForm::IpQueryClick);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
    if (PageControl1->widget(index) == ipPage && isVisible()) IpPageShow();
  });
  connect(ipPage->StringGrid1, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { StringGrid1DblClick(row); });
}

TCommForm::~TCommForm() = default;

void TCommForm::waitForQueries() { queries_.wait(); }

void TCommForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TCommForm::FormShow() {
  const CommSettings& s = ws_.commSettings;
  serialPage->ComboBox1->clear();
  serialPage->ComboBox1->addItems(s.PortNames);
  serialPage->ComboBox1->setCurrentIndex(s.PortNames.isEmpty() ? -1 : 0);
  if (const int at = s.PortNames.indexOf(s.SerialPort); at >= 0)
    serialPage->ComboBox1->setCurrentIndex(at);
  serialPage->ComboBox2->setCurrentIndex(0);
  if (const int at = serialPage->ComboBox2->findText(QString::number(s.BaudRate)); at >= 0) {
    serialPage->ComboBox2->setCurrentIndex(at);
  }
  netPage->Edit1->setText(s.ControllerIp);
  netPage->Edit2->setText(QString::number(s.ControllerPort));
  baudPage->ComboBox3->clear();
  baudPage->ComboBox3->addItems(s.PortNames);
  baudPage->ComboBox3->setCurrentIndex(s.PortNames.isEmpty() ? -1 : 0);
  serialPage->CheckBox1->setChecked(s.GprsEnabled != 0);
  serialPage->Edit3->setText(QString::number(s.TimeoutMs));
  PageControl1->setCurrentWidget(serialPage);
}

void TCommForm::SerialOkClick() {
  Prompt& prompt = prompt_;
  runGuarded(prompt, this, [&] {
    // Every field is checked before any key is written.
    if (serialPage->ComboBox1->currentIndex() < 0) {
      prompt.message(this, tr("没有找到串口，设置没有保存"));
      return;
    }
    const auto timeout = parseDecimal(serialPage->Edit3->text().toLatin1());
    if (!timeout || serialPage->Edit3->text().contains(QLatin1Char(' '))) {
      prompt.message(this, tr("“超时(ms)”必须是十进制整数，设置没有保存"));
      return;
    }
    const QString port = serialPage->ComboBox1->currentText();
    const QString baud = serialPage->ComboBox2->currentText();
    const int gprs = serialPage->CheckBox1->isChecked() ? 1 : 0;
    CommSettings::writeSerialPage(ws_.commSettingsPath(), port, baud, gprs, *timeout);
    CommSettings& s = ws_.commSettings;
    s.GprsEnabled = gprs;
    s.TimeoutMs = *timeout;
    s.SerialPort = port;
    s.BaudRate = baud.toInt();
    close();
  });
}

void TCommForm::NetOkClick() {
  Prompt& prompt = prompt_;
  runGuarded(prompt, this, [&] {
    const QString ip = netPage->Edit1->text();
    const QString portText = netPage->Edit2->text();
    const auto port = parseDecimal(portText.toLatin1());
    if (!port || portText.contains(QLatin1Char(' '))) {
      prompt.message(this, tr("“端口”必须是十进制整数，设置没有保存"));
      return;
    }
    CommSettings::writeNetPage(ws_.commSettingsPath(), ip, portText);
    ws_.commSettings.ControllerIp = ip;
    ws_.commSettings.ControllerPort = *port;
    close();
  });
}

void TCommForm::appendBaudLine(const QString& line) { baudPage->Memo1->appendPlainText(line); }

void TCommForm::BaudQueryClick() {
  Prompt& prompt = prompt_;
  runGuarded(prompt, this, [&] {
    if (baudPage->ComboBox3->currentIndex() < 0) {
      prompt.message(this, tr("没有找到串口"));
      return;
    }
    ControllerLink& link = ws_.link();
    const QString port = baudPage->ComboBox3->currentText();
    // The worker takes the port by value and hands its one line back to the GUI thread; a
    // failure (a missing library, say) comes back as a "提示" message.
    queries_.start<int>([&link, port] { return link.GetBaud(port); },
                        [this](const WorkerOutcome<int>& outcome) {
                          if (!outcome.ok()) {
                            prompt_.message(this, outcome.failure);
                            return;
                          }
                          appendBaudLine(outcome.value == -1
                                             ? tr("检查硬件链路是否正常")
                                             : tr("波特率为：%1").arg(outcome.value));
                        });
  });
}

void TCommForm::IpPageShow() {
  Prompt& prompt = prompt_;
  ipPage->QueryButton->setEnabled(true);
  ipPage->ComboBox4->clear();
  ipPage->clearGrid();
  cards_.fill(NetCardEntry{});
  cardCount_ = 0;
  runGuarded(prompt, this, [&] {
    cardCount_ = std::clamp(ws_.link().GetNetCard(cards_.data()), 0, 16);
    for (int k = 0; k < cardCount_; ++k) {
      const QString address = slotText(cards_[k].address, sizeof cards_[k].address);
      if (address.isEmpty()) continue;
      ipPage->ComboBox4->addItem(address + QLatin1Char(' ') +
                                 slotText(cards_[k].description, sizeof cards_[k].description));
    }
    if (ipPage->ComboBox4->count() > 0) ipPage->ComboBox4->setCurrentIndex(0);
  });
}

void TCommForm::IpQueryClick() {
  if (ipPage->ComboBox4->currentIndex() < 0 && ipPage->ComboBox4->currentText().isEmpty()) return;
  Prompt& prompt = prompt_;
  ipPage->QueryButton->setEnabled(false);
  runGuarded(prompt, this, [&] {
    ControllerLink& link = ws_.link();
    const QString chosen = ipPage->ComboBox4->currentText();
    for (int k = 0; k < cardCount_; ++k) {
      const QString address = slotText(cards_[k].address, sizeof cards_[k].address);
      if (address.isEmpty()) continue;
      if (address + QLatin1Char(' ') +
              slotText(cards_[k].description, sizeof cards_[k].description) ==
          chosen) {
        link.SendArpPacket(k + 1);
        break;
      }
    }
    auto answers = std::make_unique<NetIpEntry[]>(1024);
    std::memset(answers.get(), 0, sizeof(NetIpEntry) * 1024);
    waitForLink(ws_, [&] { return link.GetNetIP(answers.get()); });
    for (int k = 0; k < 255; ++k) {
      const NetIpEntry& e = answers[static_cast<size_t>(k)];
      const QString ip = slotText(e.ip, sizeof e.ip);
      if (ip.isEmpty()) break;
      ipPage->setCell(k + 1, 1, ip);
      ipPage->setCell(k + 1, 2, slotText(e.mask, sizeof e.mask));
      ipPage->setCell(k + 1, 3, slotText(e.gateway, sizeof e.gateway));
      ipPage->setCell(k + 1, 4, QString::number(e.port));
    }
  });
}

void TCommForm::StringGrid1DblClick(int row) {
  if (row < 1) return;
  const QTableWidgetItem* ip = ipPage->StringGrid1->item(row, 1);
  if (!ip || ip->text().isEmpty()) return;
  netPage->Edit1->setText(ip->text());
  const QTableWidgetItem* port = ipPage->StringGrid1->item(row, 4);
  netPage->Edit2->setText(port ? port->text() : QString());
  PageControl1->setCurrentWidget(netPage);
}
