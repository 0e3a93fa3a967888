#pragma once

#include <QByteArray>
#include <QString>

namespace qb {

// Whether a chosen broadcaster path points at another computer: it begins with two
// slashes or two backslashes, or the mount holding the file (the entry of the mount table
// whose mount point is the longest prefix of the resolved path) has a network type: NFS,
// SMB/CIFS, AFS, 9p, NCP, CephFS, or a FUSE network mount such as sshfs. The first form
// takes the mount table in the format of /proc/self/mounts; the second reads that file.
bool liesOnOtherComputer(const QString& path, const QByteArray& mountTable);
bool liesOnOtherComputer(const QString& path);

} // namespace qb
