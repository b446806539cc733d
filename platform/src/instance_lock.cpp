#include "quillory/platform/instance_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>

namespace quillory {
namespace {

// Why the lock file cannot tell who holds it: the system's reason when it cannot be read.
QString UnreadableReason(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  int code = fd < 0 ? errno : 0;
  if (fd >= 0) {
    char byte = 0;
    if (::read(fd, &byte, 1) < 0) code = errno;
    ::close(fd);
  }
  if (code != 0) return QString::fromLocal8Bit(std::strerror(code));
  return QStringLiteral("it does not say which program holds it");
}

}  // namespace

InstanceLock::InstanceLock(const QString& dataFolder)
    : path_(QDir(dataFolder).filePath(QStringLiteral("quillory.lock"))), lock_(path_) {
  lock_.setStaleLockTime(0);
}

bool InstanceLock::acquire() {
  if (lock_.tryLock(0)) return true;
  switch (lock_.error()) {
    case QLockFile::LockFailedError: {
      // A lock that cannot be read is never found stale, so it would refuse every start; and
      // whether its holder is still running cannot be known.
      qint64 pid = 0;
      QString host;
      QString application;
      if (!lock_.getLockInfo(&pid, &host, &application)) {
        message_ = QStringLiteral(
                       "Quillory's lock file cannot be read (%1), so Quillory cannot "
                       "check whether it is already open:\n\n%2\n\nIf no other "
                       "Quillory window is open, please ask an adult to remove that "
                       "file.")
                       .arg(UnreadableReason(path_), QDir::toNativeSeparators(path_));
        break;
      }
      message_ = QStringLiteral("Quillory is already open. Please use the window that is open.");
      break;
    }
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
