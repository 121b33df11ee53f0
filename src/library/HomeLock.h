#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// One process at a time works on a home: the editor, which empties the library when it starts,
// and every other tool that writes the home hold this lock for as long as they run. It is the
// file .ledsign.lock in the home; a lock left by a process that no longer runs (a crash, a power
// cut) is taken over, a lock held by a running one never is, however long it has been held.
class HomeLock {
  Q_DECLARE_TR_FUNCTIONS(HomeLock)

 public:
  static constexpr const char* FileName = ".ledsign.lock";

  explicit HomeLock(const QString& home);
  HomeLock(const HomeLock&) = delete;
  HomeLock& operator=(const HomeLock&) = delete;

  // Takes the lock; false when another process holds it or the lock file cannot be made. Nothing
  // in the home changes then.
  bool tryLock();
  // Why tryLock failed, in the operator's words, naming the home.
  QString refusal() const;

 private:
  QString home_;
  QLockFile file_;
};
