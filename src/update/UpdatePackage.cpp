#include "UpdatePackage.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace qb {

namespace {

// The first line of a small exchange file, as a whole number; 0 when it is none.
int firstNumber(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const int value = file.readLine(32).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QByteArray field(const QByteArray& fields, const QByteArray& name)
{
    for (const QByteArray& line : fields.split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

} // namespace

UpdateOrder readUpdateOrder(const QDir& folder)
{
    UpdateOrder order;
    order.version = std::max(0, firstNumber(folder.filePath(QStringLiteral("updver.txt"))));
    order.Sprache = firstNumber(folder.filePath(QStringLiteral("updinfo.txt"))) == 1 ? 1 : 2;
    return order;
}

QString packageVersion(int version)
{
    return QStringLiteral("%1.%2").arg(version / 100).arg(version % 100, 2, 10, QLatin1Char('0'));
}

QString packageFileName(int version)
{
    return QStringLiteral("quillaband_%1_amd64.deb").arg(packageVersion(version));
}

QString siblingAddress(const QString& versionFileAddress, const QString& name)
{
    const QUrl address(versionFileAddress, QUrl::StrictMode);
    if (!address.isValid() || address.scheme() != QLatin1String("ftp") ||
        address.host().isEmpty() || !address.path().startsWith(QLatin1Char('/')))
        return {};
    // Cut after the last slash of the original text: user and password keep their coding.
    return versionFileAddress.left(versionFileAddress.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

std::optional<QByteArray> expectedChecksum(const QByteArray& checksumFile)
{
    const QByteArray word = checksumFile.simplified().split(' ').value(0).toLower();
    if (word.size() != 64)
        return std::nullopt;
    for (const char c : word) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return word;
}

PackageCheck checkPackageFields(const QByteArray& fields, int version)
{
    if (field(fields, "Package") != "quillaband")
        return PackageCheck::OtherPackage;
    // Upstream version only: a Debian revision ("3.01-1") is the same program version.
    const QByteArray offered = packageVersion(version).toLatin1();
    const QByteArray found = field(fields, "Version");
    if (found != offered && !found.startsWith(offered + '-'))
        return PackageCheck::OtherVersion;
    return PackageCheck::Fits;
}

QStringList installCommand(const QString& setting, const QString& file)
{
    QStringList words = QProcess::splitCommand(setting);
    if (words.isEmpty())
        return {};
    words << QFileInfo(file).absoluteFilePath();
    return words;
}

QString installCommandSetting()
{
    const QString chosen = qEnvironmentVariable("QUILLABAND_INSTALL_COMMAND").trimmed();
    return chosen.isEmpty() ? QStringLiteral(QB_INSTALL_COMMAND) : chosen;
}

QString bandProgram(const QString& updaterFolder)
{
    const QDir folder(updaterFolder);
    if (QFileInfo::exists(folder.filePath(QStringLiteral("org.kvl"))))
        return folder.absoluteFilePath(QStringLiteral("quillaband"));
    return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../../bin/quillaband")));
}

} // namespace qb
