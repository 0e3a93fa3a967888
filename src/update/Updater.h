#pragma once

#include "update/FtpTransfer.h"
#include "update/UpdatePackage.h"

#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace qb {

// Fetches, verifies and installs the offered version:
//  1. the checksum file and the package from the folder of the version file;
//  2. the package's SHA-256 against the checksum file, its name and version through
//     dpkg-deb --field;
//  3. the install command (pkexec apt-get install -y by default) with the package file.
// The first fault ends it; the package tool's own transaction keeps a failed installation
// from leaving anything half-installed. The downloads lie in a private temporary folder
// that goes with the object.
class Updater : public QObject
{
    Q_OBJECT

public:
    enum class Step { Downloading, Verifying, Installing };

    struct Setup
    {
        QString versionFileAddress; // ftp:// URL of the version file, with the account
        QString fetchHelper;
        QString installCommand; // the command's words; the package file is appended
        FtpTransfer::Limits limits{std::chrono::seconds(10), std::chrono::minutes(30)};
    };

    Updater(UpdateOrder order, Setup setup, QObject* parent = nullptr);
    ~Updater() override;

    void start();

signals:
    void stepStarted(Updater::Step step);
    void progress(qint64 received, qint64 total);
    // ok: the new version is installed; text: what the user is told, in their language.
    void finished(bool ok, const QString& text);

private:
    void fetchChecksum();
    void checksumArrived(bool ok, const QByteArray& data);
    void packageArrived(bool ok);
    void verify();
    void fieldsRead(int exitCode, QProcess::ExitStatus status);
    void install();
    void installEnded(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void fail(const QString& reason);

    UpdateOrder m_order;
    Setup m_setup;
    QTemporaryDir m_folder;
    QString m_package;
    QByteArray m_checksum;
    FtpTransfer m_transfer;
    std::unique_ptr<QProcess> m_process;
    bool m_done = false;
};

} // namespace qb
