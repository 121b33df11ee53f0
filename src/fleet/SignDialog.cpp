#include "SignDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "CommSettings.h"
#include "protocol/Limits.h"

namespace {

QSpinBox* spinBox(QWidget* parent, int minimum, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setRange(minimum, maximum);
  return box;
}

}  // namespace

SignDialog::SignDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("大屏"));
  NameEdit = new QLineEdit(this);
  TransportBox = new QComboBox(this);
  TransportBox->addItems({QStringLiteral("TCP/IP"), tr("串口")});

  HostEdit = new QLineEdit(this);
  HostEdit->setPlaceholderText(tr("例如 192.168.3.117"));
  PortBox = spinBox(this, 1, 65535);
  DeviceBox = new QComboBox(this);
  DeviceBox->setEditable(true);
  DeviceBox->addItems(listSerialPorts());
  BaudBox = new QComboBox(this);
  for (const int rate : nq::kBaudRates) BaudBox->addItem(QString::number(rate), rate);

  SizeBox = new QCheckBox(tr("屏幕尺寸应为"), this);
  WidthBox = spinBox(this, 1, nq::kMaxSignSide);
  HeightBox = spinBox(this, 1, nq::kMaxSignSide);
  auto* size = new QHBoxLayout;
  size->addWidget(SizeBox);
  size->addWidget(WidthBox);
  size->addWidget(new QLabel(QStringLiteral("×"), this));
  size->addWidget(HeightBox);
  size->addStretch(1);
  for (QSpinBox* box : {WidthBox, HeightBox})
    connect(SizeBox, &QCheckBox::toggled, box, &QWidget::setEnabled);

  auto* form = new QFormLayout;
  form->addRow(tr("名称"), NameEdit);
  form->addRow(tr("通讯方式"), TransportBox);
  form->addRow(tr("IP地址"), HostEdit);
  form->addRow(tr("端口"), PortBox);
  form->addRow(tr("串口"), DeviceBox);
  form->addRow(tr("波特率"), BaudBox);
  form->addRow(size);
  // Only the chosen link's fields show.
  auto showLink = [this, form](int transport) {
    const bool serial = transport == 1;
    form->setRowVisible(HostEdit, !serial);
    form->setRowVisible(PortBox, !serial);
    form->setRowVisible(DeviceBox, serial);
    form->setRowVisible(BaudBox, serial);
  };
  connect(TransportBox, &QComboBox::currentIndexChanged, this, showLink);
  showLink(0);

  ErrorLabel = new QLabel(this);
  ErrorLabel->setWordWrap(true);
  ErrorLabel->setStyleSheet(QStringLiteral("color: #c00000"));
  ErrorLabel->hide();

  OkButton = new QPushButton(tr("确定"), this);
  OkButton->setDefault(true);
  auto* cancel = new QPushButton(tr("取消"), this);
  connect(OkButton, &QPushButton::clicked, this, &SignDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &SignDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  buttons->addWidget(cancel);

  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(ErrorLabel);
  column->addStretch(1);
  column->addLayout(buttons);
  setMinimumWidth(360);
}

void SignDialog::setSign(const SignEntry& sign, std::vector<SignEntry> others) {
  others_ = std::move(others);
  NameEdit->setText(sign.name);
  TransportBox->setCurrentIndex(sign.serial ? 1 : 0);
  HostEdit->setText(sign.host);
  PortBox->setValue(sign.port);
  DeviceBox->setCurrentText(sign.device);
  const int baud = BaudBox->findData(sign.baud);
  BaudBox->setCurrentIndex(baud >= 0 ? baud : BaudBox->findData(115200));
  const bool sized = sign.expectedSize.isValid();
  SizeBox->setChecked(sized);
  WidthBox->setEnabled(sized);
  HeightBox->setEnabled(sized);
  WidthBox->setValue(sized ? sign.expectedSize.width() : 64);
  HeightBox->setValue(sized ? sign.expectedSize.height() : 32);
  ErrorLabel->clear();
  ErrorLabel->hide();
  NameEdit->setFocus();
}

SignEntry SignDialog::sign() const {
  SignEntry e;
  e.name = NameEdit->text().trimmed();
  e.serial = TransportBox->currentIndex() == 1;
  // Only the fields of the chosen link are kept, as the list file holds them.
  if (e.serial) {
    e.device = DeviceBox->currentText().trimmed();
    e.baud = BaudBox->currentData().toInt();
  } else {
    e.host = HostEdit->text().trimmed();
    e.port = PortBox->value();
  }
  if (SizeBox->isChecked()) e.expectedSize = QSize(WidthBox->value(), HeightBox->value());
  return e;
}

void SignDialog::accept() {
  if (const QString why = SignList::validate(sign(), others_); !why.isEmpty()) {
    ErrorLabel->setText(why);
    ErrorLabel->show();
    return;
  }
  QDialog::accept();
}
