#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace korvida::qt {

// Keeps Korvida to one window per user and desktop session: the first process listens on
// a local socket; a later one hands it the folder it was asked to open and ends. An empty
// server name means no socket could be trusted: every process then has a window of its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Sends the folder (an absolute path; empty: only raise the window) to a running
    // process. True when one took it.
    bool handToRunning(const QString& folder, int timeoutMs = 1000) const;

    // Starts listening; every absolute folder a later process hands over goes to onFolder
    // (an empty one asks only to raise the window).
    bool listen(std::function<void(const QString&)> onFolder);

    // The socket for this user's session: in $XDG_RUNTIME_DIR, which only the user can
    // enter, named after the display (or the session). Empty when that folder is missing or
    // could be reached by anyone else.
    static QString defaultServerName();
    // The same from given values, for tests.
    static QString serverNameFor(const QString& runtimeDir, const QString& session);

private:
    void readFrom(QLocalSocket* socket);

    QString serverName;
    QLocalServer* server = nullptr;
    std::function<void(const QString&)> folderHandler;
};

} // namespace korvida::qt
