#include "FtpTransfer.h"

#include "core/ProgramFolders.h"

#include <QDir>

#include <utility>

namespace qb {

namespace {

// Kills the helper without waiting for it. The process object deletes itself once the
// helper has been reaped, from the event loop, so no defunct process stays behind.
void abandon(QProcess* process, QObject* receiver)
{
    QObject::disconnect(process, nullptr, receiver, nullptr);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

} // namespace

QString FtpTransfer::programHelper()
{
    return QDir(programFolders().helpers).filePath(QStringLiteral("quillaband-fetch"));
}

FtpTransfer::FtpTransfer(QObject* parent) : FtpTransfer(programHelper(), parent) {}

FtpTransfer::FtpTransfer(QString helper, QObject* parent)
    : QObject(parent), m_helper(std::move(helper))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &FtpTransfer::overdue);
}

FtpTransfer::~FtpTransfer()
{
    if (m_process)
        abandon(m_process, this);
}

void FtpTransfer::start(const QString& url, Limits limits, int maxBytes)
{
    if (m_process)
        return;
    m_maxBytes = std::max(maxBytes, 1);
    m_toFile = false;
    run(url, limits,
        {QString::number(limits.connect.count()), QString::number(limits.total.count()),
         QString::number(m_maxBytes)});
}

void FtpTransfer::download(const QString& url, Limits limits, qint64 maxBytes, const QString& file)
{
    if (m_process)
        return;
    m_maxBytes = 0;
    m_toFile = true;
    run(url, limits,
        {QString::number(limits.connect.count()), QString::number(limits.total.count()),
         QString::number(std::max<qint64>(maxBytes, 1)), file});
}

void FtpTransfer::run(const QString& url, Limits limits, const QStringList& arguments)
{
    m_data.clear();
    // Without a parent: an abandoned helper's process object outlives this one until the
    // helper is reaped.
    m_process = new QProcess;
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::readyReadStandardOutput, this, &FtpTransfer::receive);
    connect(m_process, &QProcess::finished, this, &FtpTransfer::ended);
    connect(m_process, &QProcess::errorOccurred, this, &FtpTransfer::failed);
    // The URL holds the password: it goes through stdin, never onto the command line.
    m_process->start(m_helper, arguments);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->write(url.toUtf8() + '\n');
        m_process->closeWriteChannel();
    }
    // The helper keeps the limits itself; this only catches a helper that hangs.
    m_deadline.start(2 * limits.total);
}

void FtpTransfer::receive()
{
    if (m_toFile) {
        // Progress lines "RECEIVED TOTAL"; only the last complete one counts.
        while (m_process->canReadLine()) {
            const QList<QByteArray> numbers = m_process->readLine(64).trimmed().split(' ');
            if (numbers.size() == 2)
                emit progress(numbers[0].toLongLong(), numbers[1].toLongLong());
        }
        return;
    }
    // Keeps no more than asked for, whatever the helper writes.
    const QByteArray bytes = m_process->readAllStandardOutput();
    m_data.append(bytes.left(m_maxBytes - m_data.size()));
}

void FtpTransfer::ended(int exitCode, QProcess::ExitStatus status)
{
    receive();
    std::exchange(m_process, nullptr)->deleteLater();
    report(status == QProcess::NormalExit && exitCode == 0);
}

void FtpTransfer::failed(QProcess::ProcessError error)
{
    // Other errors end in finished().
    if (error != QProcess::FailedToStart)
        return;
    // From the event loop, so that start() never calls back into its caller.
    QMetaObject::invokeMethod(
        this,
        [this, process = m_process] {
            if (m_process != process)
                return;
            std::exchange(m_process, nullptr)->deleteLater();
            report(false);
        },
        Qt::QueuedConnection);
}

void FtpTransfer::overdue()
{
    abandon(std::exchange(m_process, nullptr), this);
    report(false);
}

void FtpTransfer::report(bool ok)
{
    m_deadline.stop();
    const QByteArray data = std::exchange(m_data, {});
    emit finished(ok, data);
}

} // namespace qb
