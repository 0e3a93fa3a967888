#include "BroadcastPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace qb {

namespace {

// A field of the mount table: blanks, tabs, line breaks and backslashes are written as
// three-digit octal escapes (\040, \011, \012, \134).
QString unescapeMountField(const QByteArray& field)
{
    QByteArray plain;
    plain.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(i + 1) && isOctal(i + 2) &&
            isOctal(i + 3)) {
            plain.append(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                           (field[i + 3] - '0')));
            i += 3;
        } else {
            plain.append(field[i]);
        }
    }
    return QString::fromUtf8(plain);
}

// The path as the mount table sees it: symbolic links resolved where the file exists.
QString resolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Whether a mount of this type reaches another computer.
bool isNetworkMountType(const QString& type)
{
    static const QStringList network = {
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),
        QStringLiteral("afs"),
        QStringLiteral("9p"),
        QStringLiteral("ncpfs"),
        QStringLiteral("ncp"),
        QStringLiteral("ceph"),
        QStringLiteral("lustre"),
        QStringLiteral("davfs"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.smbnetfs"),
        QStringLiteral("fuse.kio-fuse"),
        QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.ceph-fuse"),
        QStringLiteral("fuse.curlftpfs"),
    };
    return network.contains(type);
}

// The type of the mount holding an absolute, clean path; empty when no entry holds it.
QString mountTypeOf(const QString& path, const QByteArray& mountTable)
{
    qsizetype bestLength = -1;
    QString type;
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QString point = unescapeMountField(fields[1]);
        const bool holds = point == QStringLiteral("/") || path == point ||
                           path.startsWith(point + QLatin1Char('/'));
        // A later mount on the same point hides the earlier one.
        if (holds && point.size() >= bestLength) {
            bestLength = point.size();
            type = unescapeMountField(fields[2]);
        }
    }
    return type;
}

} // namespace

bool liesOnOtherComputer(const QString& path, const QByteArray& mountTable)
{
    if (path.startsWith(QStringLiteral("//")) || path.startsWith(QStringLiteral("\\\\")))
        return true;
    return isNetworkMountType(mountTypeOf(resolvedPath(path), mountTable));
}

bool liesOnOtherComputer(const QString& path)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    const QByteArray table = mounts.open(QIODevice::ReadOnly) ? mounts.readAll() : QByteArray();
    return liesOnOtherComputer(path, table);
}

} // namespace qb
