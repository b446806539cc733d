#pragma once

#include <QLockFile>
#include <QString>

namespace quillory {

// Keeps a second copy of the program from writing the same files. The lock is never judged stale
// by its age, only when the process that took it has gone (killed, or the machine restarted).
class InstanceLock {
 public:
  explicit InstanceLock(const QString& dataFolder);
  // True when this process now holds the lock. Otherwise `message()` says why not.
  bool acquire();
  QString message() const { return message_; }

 private:
  QString path_;
  QLockFile lock_;
  QString message_;
};

}  // namespace quillory
