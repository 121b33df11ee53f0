#pragma once

#include <QSize>
#include <QString>

// The text editor's size rules, free of widgets.
namespace ledtext {

// Save steps 3 to 5: the size that is stored, and how many corrections made it.
struct CorrectedSize {
  int width = 0;
  int height = 0;
  int corrections = 0;
  bool operator==(const CorrectedSize&) const = default;
};
CorrectedSize correctSaveSize(int width, int height, int screenWidth, int screenHeight);

// Save step 10: the message that refuses a size for controller model 1 or 2, or an empty text;
// the editor applies no size rule for other models.
QString modelLimitMessage(int controllerModel, int colourClass, int width, int height);

// Resize drag, on release: x and y are the pointer's position plus the scroll positions.
QSize dragReleaseSize(int x, int y, int screenWidth, int screenHeight);

// Status-bar texts.
QString signSizeText(int width, int height);
QString programSizeText(int width, int height);

}  // namespace ledtext
