#pragma once

#include <QString>

namespace qb {

// Whether a mount of this type (as /proc/self/mounts names it: "nfs4", "cifs",
// "fuse.sshfs" ...) reaches another computer.
bool isNetworkMountType(const QString& type);

// Whether a chosen broadcaster path points at another computer: it begins with two
// slashes or two backslashes, or the file lies on a network file system (NFS, SMB/CIFS,
// AFS, 9p, or a FUSE network mount such as sshfs or a desktop's SMB mount).
bool liesOnOtherComputer(const QString& path);

} // namespace qb
