#pragma once

#include <QImage>
#include <QWidget>

class QFont;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QTextEdit;
class QToolButton;
class Prompt;
class TUpDown;
class Workspace;

// The text editor ("文本"): rich text of one program in red, green and yellow, its size, and the
// save that renders it into the program's picture. Created once at start-up and shown for each
// edit; it binds itself to the program that was selected when it opened, follows that program
// when an earlier one is deleted, and closes without writing when its program goes away (saying
// so when a replaced list drops unsaved edits).
class TWordsForm : public QWidget {
  Q_OBJECT
 public:
  TWordsForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);

  // Controls (public so that tests drive them as the operator does).
  QWidget* Panel1 = nullptr;
  QToolButton* SpeedButton8 = nullptr;  // font
  QComboBox* ComboBox1 = nullptr;       // line-spacing rule
  QLineEdit* Edit1 = nullptr;           // line-spacing value
  QLineEdit* Edit2 = nullptr;           // program width
  TUpDown* UpDown2 = nullptr;
  QLineEdit* Edit3 = nullptr;  // program height
  TUpDown* UpDown3 = nullptr;
  QToolButton* SpeedButton9 = nullptr;   // align left
  QToolButton* SpeedButton10 = nullptr;  // align centre
  QToolButton* SpeedButton11 = nullptr;  // align right
  QToolButton* SpeedButton12 = nullptr;  // band at the top
  QToolButton* SpeedButton13 = nullptr;  // band in the middle
  QToolButton* SpeedButton14 = nullptr;  // band at the bottom
  QToolButton* SpeedButton15 = nullptr;  // save
  QScrollArea* ScrollBox1 = nullptr;     // editing area; its free part is the resize handle
  QWidget* EditArea = nullptr;           // the scrolled surface that holds RichEdit1
  QTextEdit* RichEdit1 = nullptr;
  QScrollArea* ScrollBox2 = nullptr;
  QLabel* Image1 = nullptr;  // picture pane
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;  // sign size
  QLabel* StatusPanel1 = nullptr;  // program size

  int VerticalPlacement = 0;
  bool EditorReady = false;
  bool ResizeDrag = false;

  // The program the window was opened for, and the picture in its pane.
  int program() const { return program_; }
  const QImage& picture() const { return picture_; }

  // Handlers.
  void FormShow();
  void SpeedButton8Click();
  void alignParagraphs(Qt::Alignment alignment);
  void PlaceTextBand(int placement);
  void ComboBox1Change();
  void Edit1Change();
  void programSizeChange();
  void SpeedButton15Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildToolBar();
  void buildAreas();
  void applyLineSpacing(int rule);
  void setEditorSize(int width, int height);
  void setEditorFont(const QFont& font);
  void setPicture(const QImage& picture);
  void showProgramSize(int width, int height);
  // Both return how many lines holding text did not fit the program's height.
  int RenderRichText();
  int renderAndPlaceBand(int placement);
  void reportDroppedLines(int dropped);
  // Writes the rich text atomically; throws LedError naming the file when it cannot.
  void saveRichText();
  bool keyAccepted(QLineEdit* field, const QString& text) const;
  void resizeDragEvent(QEvent* event);
  void programsRenumbered(int deleted);
  void programGone();
  void libraryReplaced();
  // The window edits a program of the list; false once that program went away.
  bool bound() const;

  Workspace& ws_;
  Prompt& prompt_;
  int program_ = 0;
  QImage picture_;
};
