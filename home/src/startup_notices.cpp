#include "quillory/home/startup_notices.h"

#include <QDir>
#include <QStringList>
#include <cerrno>

#include "quillory/content/content_package.h"

namespace quillory {
namespace {

QString Plain(const std::string& text) { return QString::fromStdString(text); }

QString Folder(const std::filesystem::path& folder) {
  return QDir::toNativeSeparators(Plain(folder.string()));
}

// One file a line, by name only: they all lie in the data folder, named once below the list.
QString FileList(const std::vector<KeptCopy>& files, bool withReason) {
  QStringList lines;
  for (const KeptCopy& file : files) {
    QString line = QStringLiteral("  ") + Plain(file.copy.filename().string());
    if (withReason) line += QStringLiteral(" (%1)").arg(Plain(file.unreadable));
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString FileAdvice(int code) {
  switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return QStringLiteral("Please ask an adult to make room on the disk.");
    case EROFS:
      return QStringLiteral(
          "Please ask an adult to make the disk writable, or to give Quillory "
          "a folder on a disk that can be written.");
    case EACCES:
    case EPERM:
      return QStringLiteral("Please ask an adult to make sure the folder can be written.");
    case EIO:
      return QStringLiteral("The disk may be failing. Please ask an adult to check it.");
    case EISDIR:
    case ENOTDIR:
      return QStringLiteral(
          "Something else stands where Quillory keeps a file. Please ask an "
          "adult to move it away.");
    case 0:
    case kNoSuchMember:
      return QStringLiteral("Reinstalling Quillory should mend this.");
    default:
      return QStringLiteral(
          "Please ask an adult to make sure the disk has room and the folder can be written.");
  }
}

QString HeaderFailureNotice(const Error& error) {
  // A fault in the program's own content is mended by installing it again; a fault of the disk
  // is not.
  if (error.code == 0 || error.code == kNoSuchMember) {
    return Plain(error.message) +
           QStringLiteral(
               "\n\nQuillory will close now. Reinstalling it should mend this; "
               "your saved work is not affected.");
  }
  return Plain(error.message) + QStringLiteral("\n\n") + FileAdvice(error.code) +
         QStringLiteral(" Quillory will close now; your saved work is not affected.");
}

QString ResultFilesFailureNotice(const Error& error, const std::filesystem::path& dataFolder) {
  return QStringLiteral(
             "Quillory cannot keep your work in its folder:\n\n%1\n\n%2\n\n%3 Quillory "
             "will close now; nothing was lost.")
      .arg(Folder(dataFolder), Plain(error.message), FileAdvice(error.code));
}

QString ResultFilesNotice(const ResultFilesReport& report,
                          const std::filesystem::path& dataFolder) {
  std::vector<KeptCopy> unfit;
  std::vector<KeptCopy> unreadable;
  for (const KeptCopy& file : report.setAside) {
    (file.unreadable.empty() ? unfit : unreadable).push_back(file);
  }
  QStringList parts;
  if (!report.repaired.empty()) {
    parts << QStringLiteral(
                 "Some saved results were damaged or did not fit this version of "
                 "Quillory. They were mended, keeping everything that was whole, and a "
                 "copy of each file as it was is kept:\n\n%1\n\nin %2")
                 .arg(FileList(report.repaired, false), Folder(dataFolder));
  }
  if (!unreadable.empty()) {
    parts << QStringLiteral(
                 "Some saved results could not be read, so they were put aside, not "
                 "deleted:\n\n%1\n\nin %2")
                 .arg(FileList(unreadable, true), Folder(dataFolder));
  }
  if (!unfit.empty()) {
    parts << QStringLiteral(
                 "Some saved results did not fit this version of Quillory, so they "
                 "were put aside, not deleted:\n\n%1\n\nin %2")
                 .arg(FileList(unfit, false), Folder(dataFolder));
  }
  if (parts.isEmpty()) return {};
  QString notice = parts.join(QStringLiteral("\n\n"));
  if (!report.setAside.empty()) {
    notice += QStringLiteral("\n\nFresh result files were made so you can carry on.");
  }
  return notice;
}

}  // namespace quillory
