#include "Prompt.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QStringListModel>
#include <QVBoxLayout>
#include <array>
#include <cstdlib>

namespace {

// The caption of every notice and question.
QString caption() { return QCoreApplication::translate("Prompt", "提示"); }

struct NamedColour {
  const char* name;
  QRgb rgb;
};

// The 16 standard colours a font dialog offers.
constexpr std::array<NamedColour, 16> kStandardColours{{
    {QT_TRANSLATE_NOOP("Prompt", "黑色"), 0x000000},
    {QT_TRANSLATE_NOOP("Prompt", "褐红色"), 0x800000},
    {QT_TRANSLATE_NOOP("Prompt", "绿色"), 0x008000},
    {QT_TRANSLATE_NOOP("Prompt", "橄榄色"), 0x808000},
    {QT_TRANSLATE_NOOP("Prompt", "藏青色"), 0x000080},
    {QT_TRANSLATE_NOOP("Prompt", "紫色"), 0x800080},
    {QT_TRANSLATE_NOOP("Prompt", "深青色"), 0x008080},
    {QT_TRANSLATE_NOOP("Prompt", "灰色"), 0x808080},
    {QT_TRANSLATE_NOOP("Prompt", "银色"), 0xc0c0c0},
    {QT_TRANSLATE_NOOP("Prompt", "红色"), 0xff0000},
    {QT_TRANSLATE_NOOP("Prompt", "酸橙色"), 0x00ff00},
    {QT_TRANSLATE_NOOP("Prompt", "黄色"), 0xffff00},
    {QT_TRANSLATE_NOOP("Prompt", "蓝色"), 0x0000ff},
    {QT_TRANSLATE_NOOP("Prompt", "紫红色"), 0xff00ff},
    {QT_TRANSLATE_NOOP("Prompt", "水绿色"), 0x00ffff},
    {QT_TRANSLATE_NOOP("Prompt", "白色"), 0xffffff},
}};

}  // namespace

void DialogPrompt::message(QWidget* owner, const QString& text) {
  QMessageBox::information(owner, caption(), text, QMessageBox::Ok);
}

bool DialogPrompt::question(QWidget* owner, const QString& text) {
  return QMessageBox::question(owner, caption(), text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

namespace {

// Qt's file dialog takes its size and date columns from the system's locale, and its folder type
// from a text that Qt's Chinese translation lacks. This view of its model words those three
// columns by the application's locale, like everything else in the dialog.
class LocalFileColumns final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr || index.column() < 1)
      return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QFileInfo info = files->fileInfo(source);
    switch (index.column()) {
      case 1:
        return info.isDir() ? QString() : QLocale().formattedDataSize(info.size());
      case 2:
        if (info.isRoot()) return QCoreApplication::translate("Prompt", "驱动器");
        if (info.isDir()) return QCoreApplication::translate("Prompt", "文件夹");
        break;
      case 3:
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
      default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
  }
};

// The path the operator chose, empty when cancelled.
QString chosenPath(QFileDialog& dialog) {
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

std::unique_ptr<QFileDialog> newFileDialog(QWidget* owner, const QString& title,
                                           const QString& filter) {
  auto dialog = std::make_unique<QFileDialog>(owner, title, QString(), filter);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setProxyModel(new LocalFileColumns(dialog.get()));
  if (filter.isEmpty()) {
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
  } else {
    dialog->setFileMode(QFileDialog::ExistingFile);
  }
  return dialog;
}

QString DialogPrompt::openFile(QWidget* owner, const QString& title, const QString& filter) {
  return chosenPath(*newFileDialog(owner, title, filter.isEmpty() ? QStringLiteral("*") : filter));
}

QString DialogPrompt::chooseFolder(QWidget* owner, const QString& title) {
  return chosenPath(*newFileDialog(owner, title, QString()));
}

namespace {

// Puts the installed faces that have Chinese glyphs at the top of the dialog's face list, and
// keeps the dialog's face selected.
void chineseFacesFirst(QFontDialog& dialog) {
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (QListView* list : dialog.findChildren<QListView*>()) {
    auto* model = qobject_cast<QStringListModel*>(list->model());
    if (model == nullptr) continue;
    const QStringList faces = model->stringList();
    if (!faces.contains(dialog.currentFont().family()) && !faces.contains(chinese.value(0)))
      continue;  // the style or size list
    const QString current = list->currentIndex().data().toString();
    QStringList first;
    QStringList rest;
    for (const QString& face : faces) (chinese.contains(face) ? first : rest) << face;
    model->setStringList(first + rest);
    const int row = int(model->stringList().indexOf(current));
    if (row >= 0) list->setCurrentIndex(model->index(row));
    return;
  }
}

}  // namespace

QFont withFaceStyle(QFont font) {
  if (!font.styleName().isEmpty()) return font;
  const QString family = QFontInfo(font).family();
  QString best;
  int bestDistance = 0;
  const int stretch = font.stretch() == QFont::AnyStretch ? QFont::Unstretched : font.stretch();
  for (const QString& style : QFontDatabase::styles(family)) {
    const QFont candidate = QFontDatabase::font(family, style, 12);
    if (candidate.style() != font.style()) continue;  // upright, italic and oblique differ
    const int candidateStretch =
        candidate.stretch() == QFont::AnyStretch ? QFont::Unstretched : candidate.stretch();
    const int distance =
        std::abs(candidate.weight() - font.weight()) + std::abs(candidateStretch - stretch);
    if (best.isEmpty() || distance < bestDistance) {
      best = style;
      bestDistance = distance;
    }
  }
  if (!best.isEmpty()) font.setStyleName(best);
  return font;
}

std::unique_ptr<QDialog> newFontDialog(QWidget* owner, const Prompt::FontChoice& initial) {
  auto dialog = std::make_unique<QDialog>(owner);
  dialog->setWindowTitle(QCoreApplication::translate("Prompt", "字体"));
  auto* layout = new QVBoxLayout(dialog.get());
  // The dialog lists installed faces only: a face that is not installed opens as its stand-in.
  QFont shown = initial.font;
  if (!QFontDatabase::families().contains(shown.family()))
    shown.setFamilies({QFontInfo(shown).family()});
  auto* fonts = new QFontDialog(withFaceStyle(shown), dialog.get());
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts->setWindowFlags(Qt::Widget);
  chineseFacesFirst(*fonts);
  layout->addWidget(fonts);
  auto* form = new QFormLayout;
  auto* colours = new QComboBox(dialog.get());
  colours->setObjectName(QStringLiteral("colours"));
  for (const NamedColour& c : kStandardColours) {
    QPixmap swatch(16, 12);
    swatch.fill(QColor(c.rgb));
    colours->addItem(QIcon(swatch), QCoreApplication::translate("Prompt", c.name), QColor(c.rgb));
    if (QColor(c.rgb) == initial.colour) colours->setCurrentIndex(colours->count() - 1);
  }
  form->addRow(QCoreApplication::translate("Prompt", "颜色："), colours);
  layout->addLayout(form);
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog.get());
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
  layout->addWidget(buttons);
  return dialog;
}

std::optional<Prompt::FontChoice> DialogPrompt::chooseFont(QWidget* owner,
                                                           const FontChoice& initial) {
  const std::unique_ptr<QDialog> dialog = newFontDialog(owner, initial);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const auto* fonts = dialog->findChild<QFontDialog*>();
  const auto* colours = dialog->findChild<QComboBox*>(QStringLiteral("colours"));
  return FontChoice{fonts->currentFont(), colours->currentData().value<QColor>()};
}
