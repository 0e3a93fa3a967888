#include "FtpTransfer.h"

#include <curl/curl.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace qb {

struct FtpTransfer::Shared
{
    std::mutex mutex;
    FtpTransfer* receiver = nullptr; // cleared when the transfer is abandoned
    std::atomic<bool> abandoned = false;
};

namespace {

struct Received
{
    QByteArray data;
    std::size_t maxBytes = 0;
    const std::atomic<bool>* abandoned = nullptr;
};

std::size_t keep(char* bytes, std::size_t size, std::size_t count, void* user)
{
    auto& received = *static_cast<Received*>(user);
    const std::size_t room = received.maxBytes - static_cast<std::size_t>(received.data.size());
    const std::size_t taken = std::min(room, size * count);
    received.data.append(bytes, static_cast<qsizetype>(taken));
    // Returning less than offered stops the transfer: enough has arrived.
    return received.data.size() >= static_cast<qsizetype>(received.maxBytes) ? 0 : size * count;
}

int watchAbandoned(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Received*>(user)->abandoned->load() ? 1 : 0;
}

// The blocking transfer of the worker thread.
bool fetch(const std::string& url, FtpTransfer::Limits limits, Received& received)
{
    CURL* curl = curl_easy_init();
    if (!curl)
        return false;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total.count()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &keep);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &watchAbandoned);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &received);
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    const bool cutOff = result == CURLE_WRITE_ERROR &&
                        received.data.size() >= static_cast<qsizetype>(received.maxBytes);
    return result == CURLE_OK || cutOff;
}

} // namespace

FtpTransfer::FtpTransfer(QObject* parent) : QObject(parent), m_shared(std::make_shared<Shared>())
{
    // Once per process, on the interface thread, before any worker uses libcurl.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
    m_shared->receiver = this;
}

FtpTransfer::~FtpTransfer()
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->receiver = nullptr;
    m_shared->abandoned = true;
}

void FtpTransfer::start(const QString& url, Limits limits, int maxBytes)
{
    if (m_running)
        return;
    m_running = true;
    std::thread([shared = m_shared, url = url.toStdString(), limits, maxBytes] {
        Received received;
        received.maxBytes = static_cast<std::size_t>(std::max(maxBytes, 1));
        received.abandoned = &shared->abandoned;
        const bool ok = fetch(url, limits, received);
        const std::lock_guard lock(shared->mutex);
        if (FtpTransfer* receiver = shared->receiver)
            // Queued: runs on the receiver's thread, and not at all once it is destroyed.
            QMetaObject::invokeMethod(
                receiver, [receiver, ok, data = received.data] { receiver->finish(ok, data); },
                Qt::QueuedConnection);
    }).detach();
}

void FtpTransfer::finish(bool ok, const QByteArray& data)
{
    m_running = false;
    emit finished(ok, data);
}

} // namespace qb
