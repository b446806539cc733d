#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace quillory {

// The copy of the program already running for a data folder, reached through a local socket in
// the user's runtime folder, so that a second start brings the open window forward instead of
// only saying that Quillory is already open.
class RunningCopy : public QObject {
  Q_OBJECT

 public:
  // Asks the copy running for `dataFolder` to bring its window forward. True when it answered;
  // false when none answered in time (none runs, or it cannot be reached). Blocks for at most
  // about two seconds; meant for start-up, before any window exists.
  static bool AskToComeForward(const QString& dataFolder);

  explicit RunningCopy(const QString& dataFolder, QObject* parent = nullptr);

  // Starts answering later starts. Only for the copy that holds the data folder's lock: a socket
  // left by a copy that was killed is replaced. False when the socket cannot be made.
  bool listen();

 signals:
  void comeForwardRequested();

 private:
  QString name_;
  QLocalServer server_;
};

}  // namespace quillory
