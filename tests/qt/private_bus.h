#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A D-Bus session bus of the test's own, started with dbus-daemon and stopped with it, so
// that nothing reaches the desktop's real bus.
class PrivateBus {
public:
    PrivateBus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!daemon.waitForStarted() || !daemon.waitForReadyRead(5000))
            return;
        busAddress = QString::fromUtf8(daemon.readLine()).trimmed();
    }

    ~PrivateBus()
    {
        for (const QString& name : names)
            QDBusConnection::disconnectFromBus(name);
        daemon.kill();
        daemon.waitForFinished();
    }

    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool started() const { return !busAddress.isEmpty(); }

    // A new connection to the bus, as another program would have.
    QDBusConnection connect(const QString& name)
    {
        names.append(name);
        return QDBusConnection::connectToBus(busAddress, name);
    }

private:
    QProcess daemon;
    QString busAddress;
    QStringList names;
};
