#pragma once

#include <QDialog>
#include <vector>

#include "SignList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// One sign of the list, added or edited: its name, its link (TCP/IP address and port, or serial
// device and baud) and optionally the size it should have. OK takes only an entry the list can
// hold, and otherwise says why in the dialog.
class SignDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SignDialog(QWidget* parent = nullptr);

  // Fills the fields from `sign`; `others` are the rest of the list, which the name must not
  // repeat.
  void setSign(const SignEntry& sign, std::vector<SignEntry> others);
  // The entry the fields describe.
  SignEntry sign() const;

  void accept() override;

  // Controls (public so that tests drive them as the operator does).
  QLineEdit* NameEdit = nullptr;
  QComboBox* TransportBox = nullptr;  // 0: TCP/IP, 1: serial
  QLineEdit* HostEdit = nullptr;
  QSpinBox* PortBox = nullptr;
  QComboBox* DeviceBox = nullptr;  // editable: the machine's serial ports
  QComboBox* BaudBox = nullptr;
  QCheckBox* SizeBox = nullptr;
  QSpinBox* WidthBox = nullptr;
  QSpinBox* HeightBox = nullptr;
  QLabel* ErrorLabel = nullptr;
  QPushButton* OkButton = nullptr;

 private:
  std::vector<SignEntry> others_;
};
