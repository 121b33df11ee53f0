#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <optional>

#include "PictureConvert.h"
#include "ProgramStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class Prompt;

// "导入图片": any picture the platform reads, fitted to one program and turned into the four LED
// colours, the original and the result side by side. OK stores the result as the program's
// 24-bit picture with its colour class and the play settings it was given, as a loaded BMP is
// stored; Cancel stores nothing. The dialog knows only the store, the program and the Prompt.
class TPictureImportForm : public QDialog {
  Q_OBJECT
 public:
  TPictureImportForm(ProgramStore& store, Prompt& prompt, QWidget* parent = nullptr);
  ~TPictureImportForm() override;

  // Asks for a picture file and opens the dialog (application-modal, without blocking the
  // caller) converting it for program n of `size`. False when the operator cancelled the file
  // dialog or the file was refused, which is reported once in a "提示" box.
  bool launch(int n, QSize size, const PlaySettings& play);
  // The same for a file already chosen.
  bool openPicture(const QString& path, int n, QSize size, const PlaySettings& play);

  // Controls (public so that tests drive them as the operator does).
  QScrollArea* OriginalBox = nullptr;
  QLabel* OriginalImage = nullptr;
  QScrollArea* ConvertedBox = nullptr;
  QLabel* ConvertedImage = nullptr;
  QLabel* SourceInfo = nullptr;
  QComboBox* FitBox = nullptr;    // PictureFit order
  QComboBox* AlignBox = nullptr;  // PictureAlign order
  QComboBox* ModeBox = nullptr;   // LedColourMode order
  QComboBox* InkBox = nullptr;    // LedInk order
  QCheckBox* InvertBox = nullptr;
  QSlider* ThresholdBar = nullptr;
  QLabel* ThresholdValue = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

  // The picture is decoded by `ledsignctl convert` in a child process, found in this folder
  // (the application's by default), under an address-space limit and this time limit.
  void setToolDirectory(const QString& directory) { toolDirectory_ = directory; }
  void setDecodeTimeLimit(int ms) { decodeTimeLimitMs_ = ms; }

  // The picture OK would store, empty while no picture is open.
  QImage convertedPicture() const;
  int program() const { return program_; }

  // Handlers.
  void optionsChange();
  void OkButtonClick();

 Q_SIGNALS:
  // Program n's picture and settings were written.
  void pictureImported(int n);

 private:
  void showPreview();
  int zoom() const;
  // The picture as `ledsignctl convert` decoded it; nothing when the operator cancelled. Throws
  // LedError with the operator's message when the child refused the file or failed.
  std::optional<PictureConversion> decodeInChild(const QString& path, QSize size, QWidget* owner);

  ProgramStore& store_;
  Prompt& prompt_;
  std::optional<PictureConversion> conversion_;
  int program_ = -1;
  PlaySettings play_;
  QString toolDirectory_;
  int decodeTimeLimitMs_ = ChildDecodeTimeMs;
};
