#include "single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalSocket>

namespace orvana::qt {

namespace {

constexpr int kTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(const QString& configFolder, QObject* parent)
    : QObject(parent) {
    const QByteArray folderHash =
        QCryptographicHash::hash(configFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    name_ = QStringLiteral("orvana-%1-%2").arg(getuid()).arg(QString::fromLatin1(folderHash));
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::readPath);
}

bool SingleInstance::handOver(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
    // The window closes the connection once it has the whole line.
    socket.waitForDisconnected(kTimeoutMs);
    return true;
}

bool SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name_)) return true;
    // A socket left behind by a window that ended without cleaning up.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void SingleInstance::readPath() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // A path longer than any the program takes is not waited for.
                if (socket->bytesAvailable() > 4096) socket->abort();
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine()).trimmed();
            socket->disconnectFromServer();
            emit pathReceived(path);
        });
    }
}

}  // namespace orvana::qt
