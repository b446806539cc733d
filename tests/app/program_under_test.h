#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

// Starts the program as a desktop would, with its data folder under `dataHome` and no display.
inline void StartProgram(QProcess& program, const QString& dataHome) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program.setProcessEnvironment(environment);
  // Qt's own options pass the program's command line on to the application.
  program.start(QStringLiteral(QUILLORY_PROGRAM), {"-platform", "offscreen"});
}

// The data folder the program uses under `dataHome`.
inline QString DataFolderUnder(const QString& dataHome) {
  return dataHome + QStringLiteral("/quillory");
}

// True once start-up is over: the last subject's result files are made after the lock is taken
// and after the first subject's.
inline bool StartUpFinished(const QString& dataHome) {
  return QFile::exists(DataFolderUnder(dataHome) + QStringLiteral("/trend3QP.txt"));
}
