#include "Pramme.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ConnectionGuard.h"
#include "ErrorReport.h"
#include "LinkWait.h"
#include "ProgramIoRules.h"
#include "Prompt.h"
#include "Workspace.h"

namespace {

// The row of the selected entry, -1 when none is selected.
int selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.front());
}

QStringList texts(const QListWidget* list) {
  QStringList result;
  for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
  return result;
}

}  // namespace

TPrammeForm::TPrammeForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("节目控制"));
  setModal(true);

  Label1 = new QLabel(QStringLiteral("IO"), this);
  ComboBox1 = new QComboBox(this);
  for (int i = 1; i <= programio::LineCount; ++i) ComboBox1->addItem(QStringLiteral("IO%1").arg(i));
  ComboBox1->setCurrentIndex(-1);
  ListBox1 = new QListWidget(this);
  ListBox2 = new QListWidget(this);
  for (QListWidget* list : {ListBox1, ListBox2}) {
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(110, 220);
  }
  Button1 = new QPushButton(QStringLiteral(">>"), this);
  Button2 = new QPushButton(QStringLiteral("<<"), this);
  Button3 = new QPushButton(tr("获取"), this);
  Button4 = new QPushButton(tr("下发"), this);
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setAutoDefault(false);
  Button3->setDefault(true);  // Return reads the table

  auto* lineRow = new QHBoxLayout;
  lineRow->addWidget(Label1);
  lineRow->addWidget(ComboBox1, 1);
  auto* moveColumn = new QVBoxLayout;
  moveColumn->addStretch(1);
  moveColumn->addWidget(Button1);
  moveColumn->addWidget(Button2);
  moveColumn->addStretch(1);
  auto* lists = new QHBoxLayout;
  lists->addWidget(ListBox1, 1);
  lists->addLayout(moveColumn);
  lists->addWidget(ListBox2, 1);
  auto* commands = new QHBoxLayout;
  commands->addStretch(1);
  commands->addWidget(Button3);
  commands->addWidget(Button4);
  auto* column = new QVBoxLayout(this);
  column->addLayout(lineRow);
  column->addLayout(lists, 1);
  column->addLayout(commands);
  resize(440, 330);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  updateButtons();
}

void TPrammeForm::launch() {
  if (!requireConnection(ws_, prompt_, parentWidget())) return;
  Workspace::HeartbeatPause pause(ws_);
  exec();
}

void TPrammeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TPrammeForm::FormShow() {
  table_ = ProgramIoTable{};
  ListBox1->clear();
  ListBox2->clear();
  updateButtons();
}

void TPrammeForm::ComboBox1Change() {
  // Edits of the line chosen before and not sent are dropped.
  showLine(ComboBox1->currentIndex());
  updateButtons();
}

void TPrammeForm::showLine(int line) {
  ListBox2->clear();
  if (line < 0 || line >= programio::LineCount) return;
  ListBox2->addItems(programio::linePrograms(table_.lines[line]));
}

void TPrammeForm::Button1Click() {
  const int source = selectedRow(ListBox1);
  if (source < 0) return;
  const std::optional<int> row = programio::assignRow(ListBox2->count(), selectedRow(ListBox2));
  if (!row) {
    prompt_.message(this, tr("超出最大节目数"));
    return;
  }
  ListBox2->insertItem(*row, ListBox1->item(source)->text());
}

void TPrammeForm::Button2Click() {
  const int row = selectedRow(ListBox2);
  if (row < 0) return;
  delete ListBox2->takeItem(row);
  ListBox2->clearSelection();
}

void TPrammeForm::Button3Click() {
  runGuarded(prompt_, this, [this] {
    ControllerLink& link = ws_.link();
    const Transport transport = ws_.transport();
    const int count = waitForLink(ws_, [&] { return link.ProgramNumber(transport); });
    if (count < 0) {
      prompt_.message(this, tr("获取节目数失败"));
      return;
    }
    ws_.ControllerProgramCount = count;
    // Read beside the table: a failed read leaves what the dialog held.
    ProgramIoTable read{};
    const int result = waitForLink(ws_, [&] { return link.GetProgramIO(transport, &read); });
    if (result != 0) {
      prompt_.message(this, tr("获取失败"));
      ws_.markDisconnectedIfNet();
      return;
    }
    table_ = read;
    ListBox1->clear();
    ListBox1->addItems(programio::controllerPrograms(count));
    {
      const QSignalBlocker quiet(ComboBox1);
      ComboBox1->setCurrentIndex(0);
    }
    showLine(0);
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    updateButtons();
  });
}

void TPrammeForm::Button4Click() {
  const int line = ComboBox1->currentIndex();
  if (line < 0 || line >= programio::LineCount) return;
  runGuarded(prompt_, this, [this, line] {
    ControllerLink& link = ws_.link();
    const Transport transport = ws_.transport();
    if (const std::optional<QString> bad =
            programio::storeLine(table_.lines[line], texts(ListBox2))) {
      prompt_.message(this, tr("无效的节目：%1，未下发").arg(*bad));
      return;
    }
    const int result =
        waitForLink(ws_, [&] { return link.ModProgramIO(transport, line, &table_); });
    if (result == 0) {
      prompt_.message(this, tr("下发成功"));
    } else {
      prompt_.message(this, tr("下发失败"));
      ws_.markDisconnectedIfNet();
    }
  });
}

void TPrammeForm::updateButtons() { Button4->setEnabled(ComboBox1->currentIndex() >= 0); }
