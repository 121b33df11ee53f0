#pragma once

#include <QImage>
#include <QString>

class ProgramStore;

// The product's limits (protocol/Limits.h) in the operator's words, and the check of a library
// as the card will read it.

// A colour class ("颜色") in the operator's words: 无颜色, 红色, 绿色, 红绿双色.
QString colourClassName(int colourClass);

// The limit a program of this size and colour class breaks on a controller model, named for the
// operator ("最大宽度不能大于640" …), or an empty text. Models 1 and 2 have their own rules; any
// other model gets the card's own (640 wide, 256 high).
QString sizeLimitMessage(int controllerModel, int colourClass, int width, int height);

// What the operator is told at once when a picture just stored for a program breaks a limit of
// the controller model (the picture is kept: it may be sent to another sign), or an empty text.
QString storedPictureLimitNotice(int controllerModel, const QImage& picture);

// Checks programs 0 .. count-1 as a send reads them: Program/set.ini readable; each picture
// readable by the link's BMP reader; its "颜色" able to carry every LED colour of its pixels (a
// class that lacks one would leave that colour dark on the sign); its size within
// sizeLimitMessage's rules for that class; its play settings within range. Throws LedError
// naming the first program that fails ("节目N：…", N counted from 1 as the list shows it).
void checkLibraryForSend(const ProgramStore& store, int count, int controllerModel);
