#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

namespace qb {

// What the band asked the updater for through the exchange files "updver.txt" (the offered
// version) and "updinfo.txt" (the language, Sprache).
struct UpdateOrder
{
    int version = 0; // 0: nothing readable on offer
    qint16 Sprache = 2;
};

// Reads the exchange files in `folder`. A missing or garbled version gives 0; a language
// other than 1 or 2 gives 2.
UpdateOrder readUpdateOrder(const QDir& folder);

// The package's version for a program version: 301 gives "3.01".
QString packageVersion(int version);

// The package file the update server offers for a version: "quillaband_3.01_amd64.deb".
QString packageFileName(int version);

// The address of `name` in the folder of the version file's address; empty when the
// address is not an ftp:// URL with a path.
QString siblingAddress(const QString& versionFileAddress, const QString& name);

// The SHA-256 a checksum file names, in lower case: its first word, as sha256sum writes
// it ("<64 hex digits>  <file name>"). Nothing when that is not 64 hex digits.
std::optional<QByteArray> expectedChecksum(const QByteArray& checksumFile);

// What the fields of a package (the output of dpkg-deb --field FILE Package Version) say
// about it as the update to `version`.
enum class PackageCheck {
    Fits,
    OtherPackage, // not named quillaband
    OtherVersion, // not the offered version
};
PackageCheck checkPackageFields(const QByteArray& fields, int version);

// The install command for `file`: the setting split into words as a shell would (quotes
// keep blanks), the file's absolute path appended. Empty when the setting has no program.
QStringList installCommand(const QString& setting, const QString& file);

// The install command's setting: QUILLABAND_INSTALL_COMMAND when it is set and not empty,
// else the one built in.
QString installCommandSetting();

// The band program for an updater in `updaterFolder`: beside it in a build tree (the
// template "org.kvl" lies there too), else in ../../bin (from /usr/libexec/quillaband).
QString bandProgram(const QString& updaterFolder);

} // namespace qb
