#pragma once

#include <QByteArray>
#include <QString>

// The firmware image the operator chose, checked before anything is sent.
struct FirmwareImage {
  // The most a TCP/IP upgrade takes: the network library receives the image in one buffer of
  // this size, so a larger file would reach the controller cut short.
  static constexpr qint64 MaxNetBytes = 131072;

  QByteArray bytes;  // read only when the image travels as bytes
  QString refusal;   // why nothing may be sent, naming the file; empty when it may
  bool ok() const { return refusal.isEmpty(); }

  // Checks that the file opens and holds at least one byte. With `asBytes` (TCP/IP) it is read
  // whole, and a file over MaxNetBytes is refused; otherwise (serial) the library reads the path
  // itself and the size is the library's affair.
  static FirmwareImage load(const QString& path, bool asBytes);
};
