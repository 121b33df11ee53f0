#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "protocol/Records.h"

class ProgramStore;

// The GBK bytes of an absolute path, in the platform's separators, as the link library opens it:
// empty (with `why` set) when the path has a character GBK lacks or one whose GBK bytes would
// not name the file on this file system.
QByteArray linkPathBytes(const QString& path, QString* why = nullptr);

// ModProgram's record for the first `count` programs of the store: zeroed, the paths of
// Program/<i>.bmp in slots 0..count-1, the count, and the path of Program/set.ini, each
// NUL-terminated. A path that does not fit its slot (254 bytes for a picture, 255 for the
// settings) or that cannot be handed over in GBK is refused with a LedError naming the home
// folder: nothing is ever truncated. The files themselves are the link library's to read.
std::unique_ptr<ProgramSendRecord> buildSendRecord(const ProgramStore& store, int count);
