#include "quillory/platform/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace quillory {
namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The write end the handler uses; -1 while no TerminationSignals exists.
volatile std::sig_atomic_t gWriteEnd = -1;
int gReadEnd = -1;

extern "C" void onTerminationSignal(int) {
  const int fd = gWriteEnd;
  if (fd < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

void setHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return;
  gReadEnd = ends[0];
  gWriteEnd = ends[1];
  notifier_ = new QSocketNotifier(gReadEnd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(gReadEnd, bytes, sizeof bytes) > 0) {
    }
    emit terminationRequested();
  });
  setHandler(onTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
  if (notifier_ == nullptr) return;
  setHandler(SIG_DFL);
  const int writeEnd = gWriteEnd;
  gWriteEnd = -1;
  delete notifier_;
  ::close(gReadEnd);
  ::close(writeEnd);
  gReadEnd = -1;
}

}  // namespace quillory
