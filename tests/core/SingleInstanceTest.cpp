#include "core/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qb;
using Role = SingleInstance::Role;

namespace {

// Leaves a socket file nobody listens on, as a band killed by a crash does.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(size_t(name.size()), sizeof(address.sun_path));
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

} // namespace

// A second start for the same database hands its command to the first and is told to
// end, also when it names the database through a link or its folder is not made yet;
// bands of other databases, or after a crash, start on their own.
TEST(SingleInstance, SecondStartReachesTheFirst)
{
    QTemporaryDir home;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    ASSERT_EQ(::mkdir(QFile::encodeName(runtime).constData(), 0700), 0);
    const QString database = home.filePath(QStringLiteral("Documents/Quillaband 3/qb.kvl"));
    ASSERT_TRUE(QFile::link(home.path(), home.filePath(QStringLiteral("link"))));

    struct Case
    {
        const char* name;
        QString second;
        bool staleFirst;
        Role expected;
    };
    const Case cases[] = {
        {"same database", database, false, Role::Second},
        {"same database through a link",
         home.filePath(QStringLiteral("link/Documents/Quillaband 3/qb.kvl")), false, Role::Second},
        {"another home's database", home.filePath(QStringLiteral("other/qb.kvl")), false,
         Role::First},
        {"the holder crashed and left its socket", database, true, Role::First},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<SingleInstance> first(std::in_place, database, runtime);
        ASSERT_EQ(first->claim(QStringLiteral("raise")), Role::First);
        QSignalSpy received(&*first, &SingleInstance::commandReceived);
        if (c.staleFirst) {
            const QString socket = first->socketPath();
            first.reset();
            leaveStaleSocket(socket);
        }
        SingleInstance second(c.second, runtime);
        EXPECT_EQ(second.claim(QStringLiteral("raise")), c.expected);
        if (c.expected == Role::Second) {
            ASSERT_TRUE(received.wait(5000));
            EXPECT_EQ(received.first().first().toString(), QStringLiteral("raise"));
        }
    }
}

// A runtime folder other accounts may write could hand the socket to someone else.
TEST(SingleInstance, SharedRuntimeFolderIsNotUsed)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(QFile::setPermissions(
        runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::WriteOther | QFileDevice::ExeOther));
    SingleInstance instance(runtime.filePath(QStringLiteral("qb.kvl")), runtime.path());
    EXPECT_EQ(instance.claim(QStringLiteral("raise")), Role::Alone);
}

// Without XDG_RUNTIME_DIR the socket goes into a folder of this user alone, made in the
// temporary folder, where a band can claim its database.
TEST(SingleInstance, RuntimeFolderWithoutXdgRuntimeDir)
{
    QTemporaryDir temporary;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QProcessEnvironment environment;
    EXPECT_EQ(SingleInstance::runtimeFolderFor(environment),
              temporary.path() + "/quillaband-" + QString::number(::getuid()));
    SingleInstance instance(temporary.filePath(QStringLiteral("qb.kvl")),
                            SingleInstance::runtimeFolderFor(environment));
    EXPECT_EQ(instance.claim(QStringLiteral("raise")), Role::First);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/run/user/7"));
    EXPECT_EQ(SingleInstance::runtimeFolderFor(environment), QStringLiteral("/run/user/7"));
    if (previous.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", previous);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
