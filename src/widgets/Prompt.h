#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <optional>

class QDialog;
class QFileDialog;
class QWidget;

// Every message box, question, file, folder and font dialog of the application goes through this
// interface, so that the windows can be driven by tests without a modal box.
class Prompt {
 public:
  struct FontChoice {
    QFont font;
    QColor colour;
  };

  virtual ~Prompt() = default;

  // A modal notice captioned "提示" with one OK button.
  virtual void message(QWidget* owner, const QString& text) = 0;
  // A "提示" question with Yes and No; true only for Yes.
  virtual bool question(QWidget* owner, const QString& text) = 0;
  // A file-open dialog; an empty result means the operator cancelled.
  virtual QString openFile(QWidget* owner, const QString& title, const QString& filter) = 0;
  // A folder dialog with no folder preselected; an empty result means cancelled.
  virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;
  // A font dialog offering face, style, size and the 16 standard colours; nullopt = cancelled.
  virtual std::optional<FontChoice> chooseFont(QWidget* owner, const FontChoice& initial) = 0;
};

// The application's Prompt: real dialogs.
class DialogPrompt final : public Prompt {
 public:
  void message(QWidget* owner, const QString& text) override;
  bool question(QWidget* owner, const QString& text) override;
  QString openFile(QWidget* owner, const QString& title, const QString& filter) override;
  QString chooseFolder(QWidget* owner, const QString& title) override;
  std::optional<FontChoice> chooseFont(QWidget* owner, const FontChoice& initial) override;
};

// The application's file dialog, not yet shown: a file-open dialog for a filter, a folder dialog
// for an empty filter. Every column speaks the application's language.
std::unique_ptr<QFileDialog> newFileDialog(QWidget* owner, const QString& title,
                                           const QString& filter);

// The application's font dialog, not yet shown: a QFontDialog with the faces that have Chinese
// glyphs listed first, opened on the face the text is drawn with (the stand-in for a face that is
// not installed), and a list of the 16 standard colours named "colours" under it.
std::unique_ptr<QDialog> newFontDialog(QWidget* owner, const Prompt::FontChoice& initial);

// The font as the font dialog should open on it. The dialog picks a style by name and falls back
// to the face's first style (often "Oblique") when the face has no "Normal" one, so OK without a
// change would slant the text: this names the face's own style with the font's slant, nearest
// its weight and width.
QFont withFaceStyle(QFont font);
