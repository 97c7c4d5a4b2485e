#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "qt/single_instance.h"
#include "wait_for.h"

using korvida::qt::SingleInstance;

namespace {

// Lowers this process's limit of descriptors so that exactly `spare` more can be opened, for
// the life of the object: running out of them then does not depend on the machine.
class DescriptorLimit {
public:
    explicit DescriptorLimit(int spare)
    {
        ::getrlimit(RLIMIT_NOFILE, &before);
        std::vector<int> listed;
        std::error_code error;
        for (auto entry = std::filesystem::directory_iterator("/proc/self/fd", error);
             entry != std::filesystem::directory_iterator(); entry.increment(error))
            listed.push_back(std::stoi(entry->path().filename().string()));
        // The listing's own descriptor is closed by now.
        std::set<int> open;
        for (const int fd : listed)
            if (::fcntl(fd, F_GETFD) != -1)
                open.insert(fd);
        // A new descriptor takes the lowest free number, which must lie below the limit.
        int limit = 0;
        for (int free = 0; free < spare; ++limit)
            free += open.contains(limit) ? 0 : 1;
        rlimit lowered = before;
        lowered.rlim_cur = std::min(before.rlim_max, static_cast<rlim_t>(limit));
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &before); }
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;

private:
    rlimit before{};
};

// A connection to the socket that never sends anything.
int connectSilently(const QString& serverName)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(serverName);
    std::copy_n(path.constData(), std::min<std::size_t>(path.size(), sizeof address.sun_path - 1), address.sun_path);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the other side has closed the connection.
bool closedByServer(int fd)
{
    char byte = 0;
    const ssize_t got = ::recv(fd, &byte, 1, MSG_DONTWAIT);
    return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

class SingleInstanceFlood : public ::testing::Test {
protected:
    ~SingleInstanceFlood() override
    {
        for (const int fd : silent)
            ::close(fd);
    }

    bool handedOver(const std::string& folder)
    {
        SingleInstance second(serverName);
        return second.handToRunning(folder, 200) && waitFor([&] { return !received.empty(); }) &&
            received.back() == folder;
    }

    const QString serverName = QDir::temp().filePath(
        QStringLiteral("korvida-flood-%1.socket").arg(QCoreApplication::applicationPid()));
    SingleInstance first{serverName, korvida::qt::HandOverLimits{200, 8, 50}};
    std::vector<std::string> received;
    std::vector<int> silent;
};

} // namespace

TEST_F(SingleInstanceFlood, ConnectionsThatNeverSendAreDroppedAndTheSocketStaysOpen)
{
    ASSERT_TRUE(first.listen([this](const std::string& folder) { received.push_back(folder); }));
    {
        // Kept, each of them would hold a descriptor until accepting the next one fails.
        const DescriptorLimit limit(300);
        for (int i = 0; i < 200; ++i) {
            const int fd = connectSilently(serverName);
            ASSERT_GE(fd, 0) << "connection " << i << " was refused";
            silent.push_back(fd);
            QCoreApplication::processEvents();
        }
    }
    EXPECT_TRUE(waitFor([this] {
        return std::all_of(silent.begin(), silent.end(), [](int fd) { return closedByServer(fd); });
    })) << "every silent connection is closed in the end";
    EXPECT_TRUE(handedOver("/media/anna/IPOD"));
}

TEST_F(SingleInstanceFlood, ASocketClosedByAFailedAcceptListensAgain)
{
    ASSERT_TRUE(first.listen([this](const std::string& folder) { received.push_back(folder); }));
    {
        // The client takes the last descriptor: the server's accept fails and closes its socket.
        const DescriptorLimit limit(1);
        const int fd = connectSilently(serverName);
        ASSERT_GE(fd, 0);
        silent.push_back(fd);
        ASSERT_TRUE(waitFor([fd] { return closedByServer(fd); }));
    }
    EXPECT_TRUE(waitFor([this] { return handedOver("/media/anna/NANO"); }));
}
