#include "qt/single_instance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace korvida::qt {

namespace {

// A hand-over is the folder's path, its bytes as the file system has them, after its length in four bytes (big-endian),
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

SingleInstance::SingleInstance(QString name, HandOverLimits limits, QObject* parent)
    : QObject(parent), serverName(std::move(name)), limits(limits)
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

bool SingleInstance::handToRunning(const std::string& folder, int timeoutMs) const
{
    if (serverName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(folder.size()), message.data());
    message.append(folder.data(), static_cast<qsizetype>(folder.size()));
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen(std::function<void(const std::string&)> onFolder)
{
    if (serverName.isEmpty())
        return false;
    folderHandler = std::move(onFolder);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::acceptPending);
    if (!startListening()) {
        // A socket left behind by a process that crashed: nobody answered on it above.
        QLocalServer::removeServer(serverName);
        if (!startListening())
            return false;
    }
    connect(&watch, &QTimer::timeout, this, [this] {
        // Not removed first: a socket there now belongs to a window started meanwhile.
        if (!server->isListening())
            startListening();
    });
    watch.start(limits.watchMs);
    return true;
}

bool SingleInstance::startListening()
{
    return server->listen(serverName);
}

void SingleInstance::acceptPending()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        // Connections that never send must not pile up until no descriptor is left for the
        // next accept: the oldest goes, and each has a moment to finish its hand-over.
        if (connections.size() >= static_cast<std::size_t>(std::max(limits.connections, 1)))
            drop(connections.front());
        connections.push_back(socket);
        QTimer::singleShot(limits.connectionMs, socket, [this, socket] { drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readFrom(socket);
            drop(socket);
        });
        readFrom(socket);
    }
}

void SingleInstance::drop(QLocalSocket* socket)
{
    const auto at = std::find(connections.begin(), connections.end(), socket);
    if (at == connections.end())
        return;
    connections.erase(at);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    for (;;) {
        if (socket->bytesAvailable() < kLengthBytes)
            return;
        QByteArray header = socket->peek(kLengthBytes);
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (length > kLongestPath) {
            drop(socket);
            return;
        }
        if (socket->bytesAvailable() < kLengthBytes + length)
            return;
        socket->skip(kLengthBytes);
        const QByteArray bytes = socket->read(length);
        const std::string folder(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        // A relative path would be opened from this process's working folder.
        if (folderHandler && (folder.empty() || folder.front() == '/'))
            folderHandler(folder);
        // The handler may have let events run meanwhile, and the connection be dropped.
        if (std::find(connections.begin(), connections.end(), socket) == connections.end())
            return;
    }
}

} // namespace korvida::qt
