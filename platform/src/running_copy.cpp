#include "quillory/platform/running_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quillory {
namespace {

constexpr int kTimeoutMs = 1000;
const QByteArray kRequest = QByteArrayLiteral("come forward\n");
const QByteArray kAnswer = QByteArrayLiteral("coming\n");

// One socket per data folder, so that copies with different folders never meet.
QString SocketName(const QString& dataFolder) {
  const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
  const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex();
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return QDir(runtime).filePath(
      QStringLiteral("quillory-%1.socket").arg(QString::fromLatin1(hash.left(16))));
}

}  // namespace

bool RunningCopy::AskToComeForward(const QString& dataFolder) {
  QLocalSocket socket;
  socket.connectToServer(SocketName(dataFolder));
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  while (socket.bytesAvailable() < kAnswer.size()) {
    if (!socket.waitForReadyRead(kTimeoutMs)) return false;
  }
  return socket.readAll().startsWith(kAnswer);
}

RunningCopy::RunningCopy(const QString& dataFolder, QObject* parent)
    : QObject(parent), name_(SocketName(dataFolder)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        if (socket->readLine() == kRequest) {
          socket->write(kAnswer);
          socket->flush();
          emit comeForwardRequested();
        }
        socket->disconnectFromServer();
      });
    }
  });
}

bool RunningCopy::listen() {
  QLocalServer::removeServer(name_);
  return server_.listen(name_);
}

}  // namespace quillory
