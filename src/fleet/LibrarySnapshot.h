#pragma once
// A fixed copy of the home's library for a send to many signs: the settings file and the
// programs' pictures, copied once into a private temporary folder, so that every sign gets the
// same library however the home changes meanwhile, and the jobs (each its own process) only
// read. The folder is removed with the snapshot.

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <vector>

class ProgramStore;

// Why a sign of the given size cannot show programs of these sizes (the first program of another
// size), in the UI's words; empty when it can. Every program of a library is made for one sign.
QString programSizeMismatch(const std::vector<QSize>& programSizes, QSize signSize);

class LibrarySnapshot {
  Q_DECLARE_TR_FUNCTIONS(LibrarySnapshot)

 public:
  // Copies programs 0 .. n-1 of the store (up to the first missing picture). Throws LedError
  // when the library is empty ("发送节目数目不能为0") or a file cannot be copied.
  static std::unique_ptr<LibrarySnapshot> take(const ProgramStore& store);

  QString home() const { return dir_.path(); }  // a home holding set.ini and Program/
  int count() const { return int(sizes_.size()); }
  // Each program's size as its settings give it.
  const std::vector<QSize>& programSizes() const { return sizes_; }
  // Why a controller of this model cannot show this library (the send's check), in the UI's
  // words; empty when it can. Checked once per model.
  QString modelRefusal(int model) const;
  // Why a sign of the given size cannot show this library; empty when it can.
  QString sizeMismatch(QSize signSize) const { return programSizeMismatch(sizes_, signSize); }

 private:
  LibrarySnapshot() = default;
  QTemporaryDir dir_;
  std::vector<QSize> sizes_;
  mutable std::map<int, QString> refusals_;
};
