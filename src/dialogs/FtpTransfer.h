#pragma once

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <memory>

namespace qb {

// Fetches the start of one file over FTP with libcurl on a worker thread, so the band's
// tick never waits for the network; the result comes back on the thread that started it.
// At most `maxBytes` are kept: the transfer stops there. Destroying the object abandons a
// running transfer at once; its worker ends on its own within the limits and reports to
// nobody.
class FtpTransfer : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        std::chrono::milliseconds connect{10'000};
        std::chrono::milliseconds total{30'000};
    };

    explicit FtpTransfer(QObject* parent = nullptr);
    ~FtpTransfer() override;

    // Starts fetching url (ftp:// only; user and password in the URL). Ignored while a
    // transfer runs.
    void start(const QString& url, Limits limits, int maxBytes);
    bool running() const { return m_running; }

signals:
    // ok: the file arrived, or its first maxBytes did; data: those bytes.
    void finished(bool ok, const QByteArray& data);

private:
    struct Shared;
    void finish(bool ok, const QByteArray& data);

    std::shared_ptr<Shared> m_shared;
    bool m_running = false;
};

} // namespace qb
