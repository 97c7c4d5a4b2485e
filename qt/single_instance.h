#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace korvida::qt {

// Keeps Korvida to one window per user: the first process listens on a local socket; a
// later one hands it the folder it was asked to open and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Sends the folder (empty: only raise the window) to a running process. True when one
    // took it.
    bool handToRunning(const QString& folder, int timeoutMs = 1000) const;

    // Starts listening; every folder a later process hands over goes to onFolder (an empty
    // one asks only to raise the window).
    bool listen(std::function<void(const QString&)> onFolder);

    // The server name for this user, so that two users of one machine do not meet.
    static QString defaultServerName();

private:
    void readFrom(QLocalSocket* socket);

    QString serverName;
    QLocalServer* server = nullptr;
    std::function<void(const QString&)> folderHandler;
};

}  // namespace korvida::qt
