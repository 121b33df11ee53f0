#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole: the bytes go to a temporary file beside it, which is then renamed
// over it, so a crash never leaves a half-written file. Throws LedError on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file of at most maxBytes; throws LedError when it cannot be read or is larger.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);
