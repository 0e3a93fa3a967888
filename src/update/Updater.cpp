#include "Updater.h"

#include "update/UpdateTexts.h"

#include <QCryptographicHash>
#include <QFile>

#include <utility>

namespace qb {

namespace {

// The checksum file holds one line; the package is a few megabytes.
constexpr int checksumFileLimit = 4096;
constexpr qint64 packageLimit = qint64(512) << 20;
// pkexec's statuses for a refused or dismissed authorisation.
constexpr int notAuthorised = 127;
constexpr int dismissed = 126;

QByteArray sha256Of(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

} // namespace

Updater::Updater(UpdateOrder order, Setup setup, QObject* parent)
    : QObject(parent), m_order(order), m_setup(std::move(setup)), m_transfer(m_setup.fetchHelper)
{
    connect(&m_transfer, &FtpTransfer::progress, this, &Updater::progress);
}

Updater::~Updater() = default;

void Updater::start()
{
    emit stepStarted(Step::Downloading);
    if (m_order.version <= 0) {
        fail(updateText(UpdateText::NothingOffered, m_order));
        return;
    }
    if (!m_folder.isValid() || installCommand(m_setup.installCommand, {}).isEmpty()) {
        fail(updateText(UpdateText::NotStarted, m_order));
        return;
    }
    m_package = m_folder.filePath(packageFileName(m_order.version));
    fetchChecksum();
}

void Updater::fetchChecksum()
{
    const QString address =
        siblingAddress(m_setup.versionFileAddress, packageFileName(m_order.version) + ".sha256");
    if (address.isEmpty()) {
        fail(updateText(UpdateText::NotDownloaded, m_order));
        return;
    }
    connect(&m_transfer, &FtpTransfer::finished, this, &Updater::checksumArrived,
            Qt::SingleShotConnection);
    m_transfer.start(address, m_setup.limits, checksumFileLimit);
}

void Updater::checksumArrived(bool ok, const QByteArray& data)
{
    if (!ok) {
        fail(updateText(UpdateText::NotDownloaded, m_order));
        return;
    }
    const std::optional<QByteArray> checksum = expectedChecksum(data);
    if (!checksum) {
        fail(updateText(UpdateText::ChecksumWrong, m_order));
        return;
    }
    m_checksum = *checksum;
    connect(
        &m_transfer, &FtpTransfer::finished, this,
        [this](bool arrived) { packageArrived(arrived); }, Qt::SingleShotConnection);
    m_transfer.download(
        siblingAddress(m_setup.versionFileAddress, packageFileName(m_order.version)),
        m_setup.limits, packageLimit, m_package);
}

void Updater::packageArrived(bool ok)
{
    if (!ok) {
        fail(updateText(UpdateText::NotDownloaded, m_order));
        return;
    }
    verify();
}

void Updater::verify()
{
    emit stepStarted(Step::Verifying);
    if (sha256Of(m_package) != m_checksum) {
        fail(updateText(UpdateText::ChecksumWrong, m_order));
        return;
    }
    m_process = std::make_unique<QProcess>();
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process.get(), &QProcess::finished, this, &Updater::fieldsRead);
    connect(m_process.get(), &QProcess::errorOccurred, this, &Updater::processFailed);
    m_process->start(QStringLiteral("dpkg-deb"),
                     {QStringLiteral("--field"), m_package, QStringLiteral("Package"),
                      QStringLiteral("Version")});
}

void Updater::fieldsRead(int exitCode, QProcess::ExitStatus status)
{
    const QByteArray fields = m_process->readAllStandardOutput();
    if (status != QProcess::NormalExit || exitCode != 0) {
        fail(updateText(UpdateText::OtherPackage, m_order));
        return;
    }
    switch (checkPackageFields(fields, m_order.version)) {
    case PackageCheck::OtherPackage:
        fail(updateText(UpdateText::OtherPackage, m_order));
        return;
    case PackageCheck::OtherVersion:
        fail(updateText(UpdateText::OtherVersion, m_order));
        return;
    case PackageCheck::Fits:
        install();
        return;
    }
}

void Updater::install()
{
    emit stepStarted(Step::Installing);
    QStringList command = installCommand(m_setup.installCommand, m_package);
    const QString program = command.takeFirst();
    // Called from the finished signal of dpkg-deb's process: that one goes later.
    m_process.release()->deleteLater();
    m_process = std::make_unique<QProcess>();
    // The package tool's messages belong to the terminal the updater was started from.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process.get(), &QProcess::finished, this, &Updater::installEnded);
    connect(m_process.get(), &QProcess::errorOccurred, this, &Updater::processFailed);
    m_process->start(program, command);
}

void Updater::installEnded(int exitCode, QProcess::ExitStatus status)
{
    if (status == QProcess::NormalExit && exitCode == 0) {
        if (!std::exchange(m_done, true))
            emit finished(true, updateText(UpdateText::Installed, m_order));
        return;
    }
    const bool refused =
        status == QProcess::NormalExit && (exitCode == notAuthorised || exitCode == dismissed);
    fail(updateText(refused ? UpdateText::NotAuthorised : UpdateText::NotInstalled, m_order));
}

void Updater::processFailed(QProcess::ProcessError error)
{
    // Other errors end in finished().
    if (error != QProcess::FailedToStart)
        return;
    fail(updateText(UpdateText::NotStarted, m_order));
}

void Updater::fail(const QString& reason)
{
    if (std::exchange(m_done, true))
        return;
    if (!m_package.isEmpty())
        QFile::remove(m_package);
    emit finished(false, reason);
}

} // namespace qb

// The meta-object code in this object file, not in the library's common one: the band and the
// updater link the update libraries, and each takes a class only when it uses it.
#include "moc_Updater.cpp"
