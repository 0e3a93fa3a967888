#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>

namespace qb {

// Fetches one file, or its start, over FTP through the helper program quillaband-fetch, so
// that the band neither waits for the network nor maps libcurl; the result comes back on
// the thread that started the transfer. At most `maxBytes` are kept: the transfer stops
// there. Destroying the object abandons a running transfer at once: the helper is killed
// and nobody gets a report.
class FtpTransfer : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        std::chrono::milliseconds connect{10'000};
        std::chrono::milliseconds total{30'000};
    };

    // The helper in the program folder.
    static QString programHelper();

    explicit FtpTransfer(QObject* parent = nullptr);
    // helper: the path of the transfer program.
    explicit FtpTransfer(QString helper, QObject* parent = nullptr);
    ~FtpTransfer() override;

    // Starts fetching url (ftp:// only; user and password in the URL). Ignored while a
    // transfer runs.
    void start(const QString& url, Limits limits, int maxBytes);
    // Fetches the whole file at url into `file` (finished then carries no data); a file
    // larger than maxBytes fails, and so does a server that sends nothing for
    // limits.connect. Reports its progress.
    void download(const QString& url, Limits limits, qint64 maxBytes, const QString& file);
    bool running() const { return m_process != nullptr; }

signals:
    // ok: the file arrived, or its first maxBytes did; data: those bytes.
    void finished(bool ok, const QByteArray& data);
    // A download's bytes so far and its size, 0 while unknown.
    void progress(qint64 received, qint64 total);

private:
    void run(const QString& url, Limits limits, const QStringList& arguments);
    void receive();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failed(QProcess::ProcessError error);
    void overdue();
    void report(bool ok);

    QString m_helper;
    QProcess* m_process = nullptr; // the helper, while a transfer runs
    QTimer m_deadline;
    QByteArray m_data;
    int m_maxBytes = 0;
    bool m_toFile = false;
};

} // namespace qb
