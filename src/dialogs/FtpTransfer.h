#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>

namespace qb {

// Fetches the start of one file over FTP through the helper program quillaband-fetch, so
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
    bool running() const { return m_process != nullptr; }

signals:
    // ok: the file arrived, or its first maxBytes did; data: those bytes.
    void finished(bool ok, const QByteArray& data);

private:
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
};

} // namespace qb
