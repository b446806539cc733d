#include "quillory/platform/instance_lock.h"

#include <QDir>

namespace quillory {

InstanceLock::InstanceLock(const QString& dataFolder)
    : lock_(QDir(dataFolder).filePath(QStringLiteral("quillory.lock"))) {
  lock_.setStaleLockTime(0);
}

bool InstanceLock::acquire() {
  if (lock_.tryLock(0)) return true;
  switch (lock_.error()) {
    case QLockFile::LockFailedError:
      message_ = QStringLiteral("Quillory is already open. Please use the window that is open.");
      break;
    case QLockFile::PermissionError:
      message_ =
          QStringLiteral("Quillory cannot write in its folder, so it cannot keep your work safe.");
      break;
    default:
      message_ =
          QStringLiteral("Quillory could not start because of an unknown problem with its folder.");
  }
  return false;
}

}  // namespace quillory
