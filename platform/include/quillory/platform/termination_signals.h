#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillory {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in a terminal) into a Qt signal
// delivered on the window thread, so that the program can end the way its Close button ends it:
// the pupil's answers stored, the page file and the lock removed. A signal handler itself may do
// almost nothing safely, so it only writes a byte to a socket that the event loop watches.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void terminationRequested();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quillory
