#include "qt/single_instance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

namespace korvida::qt {

namespace {

// A hand-over is the folder's path in UTF-8 after its length in four bytes (big-endian),
// so that any character, a newline too, arrives as it was sent.
constexpr qint64 kLengthBytes = 4;
// Longer than any path; a claimed length above it ends the connection.
constexpr quint32 kLongestPath = 64 * 1024;

// Only the user may own and enter the folder: otherwise another user could listen there
// first and receive every folder this user opens.
bool isPrivateFolder(const QString& folder)
{
    struct stat info {};
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// A piece of a file name naming this desktop session.
QString sessionName()
{
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY", "XDG_SESSION_ID"}) {
        QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value.replace(QLatin1Char('/'), QLatin1Char('_'));
    }
    return QStringLiteral("console");
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), serverName(std::move(name))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    return serverNameFor(qEnvironmentVariable("XDG_RUNTIME_DIR"), sessionName());
}

QString SingleInstance::serverNameFor(const QString& runtimeDir, const QString& session)
{
    if (!runtimeDir.startsWith(QLatin1Char('/')) || !isPrivateFolder(runtimeDir))
        return {};
    QString name = session;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return runtimeDir + QStringLiteral("/korvida-") + name + QStringLiteral(".socket");
}

bool SingleInstance::handToRunning(const QString& folder, int timeoutMs) const
{
    if (serverName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    const QByteArray path = folder.toUtf8();
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(path.size()), message.data());
    socket.write(message + path);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen(std::function<void(const QString&)> onFolder)
{
    if (serverName.isEmpty())
        return false;
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
    for (;;) {
        if (socket->bytesAvailable() < kLengthBytes)
            return;
        QByteArray header = socket->peek(kLengthBytes);
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (length > kLongestPath) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < kLengthBytes + length)
            return;
        socket->skip(kLengthBytes);
        const QString folder = QString::fromUtf8(socket->read(length));
        // A relative path would be opened from this process's working folder.
        if (folderHandler && (folder.isEmpty() || folder.startsWith(QLatin1Char('/'))))
            folderHandler(folder);
    }
}

} // namespace korvida::qt
