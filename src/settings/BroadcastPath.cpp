#include "BroadcastPath.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sys/vfs.h>

namespace qb {

namespace {

// statfs magic numbers of the network file systems.
constexpr unsigned long nfsMagic = 0x6969;
constexpr unsigned long smbMagic = 0x517B;
constexpr unsigned long cifsMagic = 0xFF534D42;
constexpr unsigned long smb2Magic = 0xFE534D42;
constexpr unsigned long afsMagic = 0x5346414F;
constexpr unsigned long kafsMagic = 0x6B414653;
constexpr unsigned long v9fsMagic = 0x01021997;
constexpr unsigned long fuseMagic = 0x65735546;

// The type of the mount that holds the (canonical) path, by the longest mount point.
QString mountTypeOf(const QString& path)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return QString();
    QString best;
    QString type;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        // Blanks in mount points are written as \040.
        const QString point =
            QString::fromUtf8(fields[1]).replace(QStringLiteral("\\040"), QStringLiteral(" "));
        const bool holds = point == QStringLiteral("/") || path == point ||
                           path.startsWith(point + QLatin1Char('/'));
        if (holds && point.size() >= best.size()) {
            best = point;
            type = QString::fromUtf8(fields[2]);
        }
    }
    return type;
}

} // namespace

bool isNetworkMountType(const QString& type)
{
    static const QStringList kernel = {
        QStringLiteral("nfs"),  QStringLiteral("nfs4"),  QStringLiteral("cifs"),
        QStringLiteral("smb3"), QStringLiteral("smbfs"), QStringLiteral("afs"),
        QStringLiteral("9p"),   QStringLiteral("ncpfs"), QStringLiteral("ceph"),
    };
    static const QStringList fuse = {
        QStringLiteral("fuse.sshfs"),     QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.smbnetfs"),  QStringLiteral("fuse.kio-fuse"),
        QStringLiteral("fuse.rclone"),    QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.curlftpfs"),
    };
    return kernel.contains(type) || fuse.contains(type);
}

bool liesOnOtherComputer(const QString& path)
{
    if (path.startsWith(QStringLiteral("//")) || path.startsWith(QStringLiteral("\\\\")))
        return true;
    struct statfs info
    {
    };
    if (statfs(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case nfsMagic:
    case smbMagic:
    case cifsMagic:
    case smb2Magic:
    case afsMagic:
    case kafsMagic:
    case v9fsMagic:
        return true;
    case fuseMagic:
        // FUSE also carries local file systems: its mount type tells them apart.
        return isNetworkMountType(mountTypeOf(QFileInfo(path).canonicalFilePath()));
    default:
        return false;
    }
}

} // namespace qb
