#include "core/StorageFailure.h"
#include "support/OpenNotes.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>

#include <fcntl.h>
#include <unistd.h>

namespace qb {
namespace {

using test::OpenNotes;
using test::RawSql;
using test::TemplateCopy;

// Sets or clears the immutable attribute, which holds even for root; false where the file
// system or the process's rights do not allow it.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

// Makes a file read-only for this process: the immutable attribute, or without the right
// to set it, the permission bits (which bind every user but root).
void makeReadOnly(const QString& path)
{
    if (!setImmutable(path, true))
        QFile::setPermissions(path, QFile::ReadOwner);
}

// Overwrites every page but the first (the schema, already read) with garbage.
void damage(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    file.seek(pageSize);
    file.write(QByteArray(file.size() - pageSize, '\xA5'));
}

// Each storage failure a user can meet, produced on a real file, reaches the record set
// with its cause, and the note is not written.
TEST(StorageFailure, RealFailuresKeepTheirCause)
{
    struct Case
    {
        const char* name;
        std::function<void(const QString& path)> beforeOpening;
        std::function<void(const QString& path, OpenNotes& open)> afterOpening;
        StorageCause cause;
    };
    std::unique_ptr<RawSql> locker;
    const auto nothing = [](const QString&) {};
    std::vector<Case> cases = {
        {"read-only file", makeReadOnly, [](const QString&, OpenNotes&) {}, StorageCause::ReadOnly},
        {"disk full", nothing,
         [](const QString&, OpenNotes& open) {
             open.db.connection().exec(QStringLiteral("PRAGMA max_page_count = 1"));
         },
         StorageCause::DiskFull},
        {"locked by another program", nothing,
         [&locker](const QString& path, OpenNotes&) {
             locker = std::make_unique<RawSql>(path);
             locker->exec(QStringLiteral("BEGIN EXCLUSIVE"));
         },
         StorageCause::Locked},
        {"damaged file", nothing,
         [](const QString& path, OpenNotes& open) {
             damage(path);
             open.db.releaseMemory();
         },
         StorageCause::Damaged},
        {"file deleted underneath", nothing,
         [](const QString& path, OpenNotes&) { QFile::remove(path); }, StorageCause::FileRemoved},
    };
    // A file made read-only while it is open fails as an I/O error; only the system's error
    // number tells it from a failing disk. Setting the attribute needs the right to.
    if (TemplateCopy probe; setImmutable(probe.path(), true)) {
        setImmutable(probe.path(), false);
        cases.push_back({"made read-only while open", nothing,
                         [](const QString& path, OpenNotes&) { setImmutable(path, true); },
                         StorageCause::ReadOnly});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateCopy file;
        c.beforeOpening(file.path());
        {
            OpenNotes open(file.path(), OpenMode::ReadWrite, RecordSet::defaultPageSize, 0);
            ASSERT_TRUE(open.opened);
            c.afterOpening(file.path(), open);
            EXPECT_FALSE(open.add({QString(5000, QLatin1Char('x'))}));
            EXPECT_EQ(open.notes.failure().cause, c.cause) << open.notes.error().toStdString();
        }
        locker.reset();
        setImmutable(file.path(), false);
        if (c.cause != StorageCause::Damaged && QFile::exists(file.path())) {
            EXPECT_EQ(RawSql(file.path()).scalar(QStringLiteral("SELECT count(*) FROM Notizen")),
                      0);
        }
    }
}

// The codes that a test cannot produce on demand: extended codes carry their primary
// code in the low byte, and a database moved away underneath is a removed file.
TEST(StorageFailure, ExtendedCodesKeepTheirPrimaryMeaning)
{
    EXPECT_EQ(storageCause(10 | (1 << 8)), StorageCause::DiskError);  // a short read
    EXPECT_EQ(storageCause(8 | (4 << 8)), StorageCause::FileRemoved); // moved database
    EXPECT_EQ(storageCause(8 | (3 << 8)), StorageCause::ReadOnly);    // cannot roll back
    EXPECT_EQ(storageCause(1), StorageCause::Other);
}

// The message names the operation and the cause in the user's language; an unknown cause
// gives its code for support, never the driver's text.
TEST(StorageFailure, MessagesNameOperationAndCause)
{
    const StorageFailure locked{StorageCause::Locked, 5, QStringLiteral("database is locked")};
    EXPECT_EQ(storageFailureText(StorageAction::DeleteNotes, locked, 2),
              QString::fromUtf8("Die Notizen konnten nicht gelöscht werden. Ein anderes Programm "
                                "hält die Notizdatei gesperrt: es schließen oder warten und "
                                "erneut versuchen."));
    const StorageFailure odd{StorageCause::Other, 1, QStringLiteral("SQL logic error")};
    const QString text = storageFailureText(StorageAction::SaveSettings, odd, 1);
    EXPECT_EQ(text, QStringLiteral("The settings could not be saved. The notes file could not "
                                   "be used (error 1)."));
}

} // namespace
} // namespace qb
