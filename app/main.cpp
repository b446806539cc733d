#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <csignal>

#include "command_line.h"
#include "program_windows.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/platform/data_folder.h"
#include "quillory/platform/instance_lock.h"
#include "quillory/platform/running_copy.h"
#include "quillory/platform/termination_signals.h"
#include "quillory/practice/page_view.h"

int main(int argc, char** argv) {
  if (const auto status = quillory::HandleCommandLine(argc, argv)) return *status;

  // Whatever the program writes is the user's alone: folders 0700, files 0600.
  ::umask(077);
  // A file-size limit makes a write fail with an error the program reports, instead of ending it.
  std::signal(SIGXFSZ, SIG_IGN);

  // The scheme question pages are shown under must be known before the application exists.
  quillory::PreparePageViews();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillory"));
  // No display name: Qt would append it to every window's title, which is the caption alone.
  QApplication::setApplicationVersion(QStringLiteral(QUILLORY_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.quillory.Quillory"));

  auto refuse = [](const QString& message) {
    QMessageBox::critical(nullptr, QStringLiteral("Quillory"), message);
    return 1;
  };

  QString error;
  const QString dataFolder = quillory::DataFolder(&error);
  if (dataFolder.isEmpty()) return refuse(error);

  // A second start brings the open window forward; only when that copy cannot be reached does
  // the lock's message explain why nothing opens.
  if (quillory::RunningCopy::AskToComeForward(dataFolder)) return 0;
  quillory::InstanceLock lock(dataFolder);
  if (!lock.acquire()) return refuse(lock.message());
  quillory::RunningCopy runningCopy(dataFolder);
  runningCopy.listen();
  quillory::RemoveLeftovers(dataFolder);

  auto package = quillory::ContentPackage::FromBytes(quillory::EmbeddedPackageBytes());
  if (!package) return refuse(QString::fromStdString(package.error().message));

  quillory::ProgramWindows windows(*package, dataFolder.toStdString());
  quillory::Contents& contents = windows.contents();
  quillory::PracticeWindows& practice = windows.practice();
  // A logout, `kill` or Ctrl+C ends the program as its Close button does, keeping the answers.
  quillory::TerminationSignals termination;
  QObject::connect(&termination, &quillory::TerminationSignals::terminationRequested, &contents,
                   &quillory::Contents::ExitProgram);
  // A session manager that asks for the work to be saved gets the open page's answers stored.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &contents,
                   [&practice] { practice.StoreOpenAnswers(); });
  QObject::connect(&runningCopy, &quillory::RunningCopy::comeForwardRequested, &contents,
                   [&contents] {
                     contents.showNormal();
                     contents.raise();
                     contents.activateWindow();
                   });
  const bool loaded = contents.Form_Load();
  // The program was asked to end while a start-up notice waited for the pupil.
  if (contents.exiting()) return 0;
  if (!loaded) return 1;
  contents.show();
  return QApplication::exec();
}
