#include "quillory/platform/running_copy.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <future>

using namespace quillory;

// A second start reaches the copy that runs for the same data folder, and only that copy.
class RunningCopyTest : public QObject {
  Q_OBJECT

  // Asks from another thread, as a second process would, while this thread answers.
  static std::future<bool> AskInTheBackground(const QString& folder) {
    return std::async(std::launch::async,
                      [folder] { return RunningCopy::AskToComeForward(folder); });
  }

 private slots:
  void aSecondStartAsksTheRunningCopyToComeForward() {
    QTemporaryDir folder;
    RunningCopy running(folder.path());
    QVERIFY(running.listen());
    QSignalSpy asked(&running, &RunningCopy::comeForwardRequested);
    std::future<bool> answered = AskInTheBackground(folder.path());
    QVERIFY(asked.wait(5000));
    QTRY_VERIFY(answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(answered.get());
  }

  void noCopyRunningMeansNoAnswer() {
    QTemporaryDir folder;
    QVERIFY(!RunningCopy::AskToComeForward(folder.path()));
  }

  void aCopyOfAnotherDataFolderIsNotDisturbed() {
    QTemporaryDir mine;
    QTemporaryDir theirs;
    RunningCopy running(theirs.path());
    QVERIFY(running.listen());
    QSignalSpy asked(&running, &RunningCopy::comeForwardRequested);
    QVERIFY(!RunningCopy::AskToComeForward(mine.path()));
    QCOMPARE(asked.count(), 0);
  }

  void aSocketLeftByAKilledCopyIsReplaced() {
    QTemporaryDir folder;
    {
      RunningCopy killed(folder.path());
      QVERIFY(killed.listen());
    }
    RunningCopy running(folder.path());
    QVERIFY(running.listen());
    QSignalSpy asked(&running, &RunningCopy::comeForwardRequested);
    std::future<bool> answered = AskInTheBackground(folder.path());
    QVERIFY(asked.wait(5000));
    QVERIFY(answered.get());
  }
};

QTEST_GUILESS_MAIN(RunningCopyTest)
#include "running_copy_test.moc"
