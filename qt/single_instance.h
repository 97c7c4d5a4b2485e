#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace korvida::qt {

// What the listening side allows a connection before it drops it, and how often it looks
// whether its socket still listens.
struct HandOverLimits {
    int connectionMs = 2000; // a hand-over arrives in a moment; a silent connection is dropped
    int connections = 16;    // open at once; a new one drops the oldest
    int watchMs = 1000;
};

// Keeps Korvida to one window per user and desktop session: the first process listens on
// a local socket; a later one hands it the folder it was asked to open and ends. An empty
// server name means no socket could be trusted: every process then has a window of its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, HandOverLimits limits = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Sends the folder (an absolute path, as the bytes the file system knows it by; empty:
    // only raise the window) to a running process. True when one took it.
    bool handToRunning(const std::string& folder, int timeoutMs = 1000) const;

    // Starts listening; every absolute folder a later process hands over goes to onFolder
    // (an empty one asks only to raise the window). When the socket stops listening (an
    // accept that failed closes it), it listens again at the next look.
    bool listen(std::function<void(const std::string&)> onFolder);

    // The socket for this user's session: in $XDG_RUNTIME_DIR, which only the user can
    // enter, named after the display (or the session). Empty when that folder is missing or
    // could be reached by anyone else.
    static QString defaultServerName();
    // The same from given values, for tests.
    static QString serverNameFor(const QString& runtimeDir, const QString& session);

private:
    bool startListening();
    void acceptPending();
    void readFrom(QLocalSocket* socket);
    void drop(QLocalSocket* socket);

    QString serverName;
    HandOverLimits limits;
    QLocalServer* server = nullptr;
    std::function<void(const std::string&)> folderHandler;
    std::deque<QLocalSocket*> connections; // oldest first
    QTimer watch;
};

} // namespace korvida::qt
