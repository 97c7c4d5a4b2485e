#include "qt/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace korvida::qt {

namespace {
// A hand-over is one line: the folder's path in UTF-8.
constexpr char kEndOfPath = '\n';
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), serverName(std::move(name))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME", "user"));
    return QStringLiteral("korvida-") + user;
}

bool SingleInstance::handToRunning(const QString& folder, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(folder.toUtf8() + kEndOfPath);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen(std::function<void(const QString&)> onFolder)
{
    folderHandler = std::move(onFolder);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName)) {
        // A socket left behind by a process that crashed: nobody answered on it above.
        QLocalServer::removeServer(serverName);
        if (!server->listen(serverName))
            return false;
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                readFrom(socket);
                socket->deleteLater();
            });
            readFrom(socket);
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine();
        line.chop(1);
        if (folderHandler)
            folderHandler(QString::fromUtf8(line));
    }
}

}  // namespace korvida::qt
