#include "BroadcastLink.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace qb {

// The state both threads share. The worker holds its own reference, so an abandoned
// worker that comes back from a hung call finds it still there.
struct BroadcastLink::Shared
{
    std::mutex mutex;
    std::condition_variable wake;     // a request or the end for the worker
    std::condition_variable answered; // the call ended
    std::unique_ptr<BroadcastSource> source;
    std::optional<BroadcastRequest> request;
    std::optional<BroadcastAnswer> answer;
    bool outstanding = false;
    qint64 askedAt = 0;
    bool quit = false;
    // The link's end stopped waiting for the worker: it must not close anything any more.
    bool abandoned = false;
    bool workerDone = false;
};

namespace {

qint64 steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// How long the link's end waits for its worker to finish a call and close its connections;
// a worker still busy then is abandoned.
constexpr auto workerGrace = std::chrono::milliseconds(300);

} // namespace

BroadcastLink::BroadcastLink(std::unique_ptr<BroadcastSource> source, Mode mode, Ticks ticks)
    : m_shared(std::make_shared<Shared>()), m_mode(mode),
      m_ticks(ticks ? std::move(ticks) : Ticks(&steadyMilliseconds))
{
    m_shared->source = std::move(source);
}

BroadcastLink::~BroadcastLink()
{
    finish();
}

bool BroadcastLink::finish()
{
    if (!m_started)
        return true;
    std::unique_lock lock(m_shared->mutex);
    m_shared->quit = true;
    m_shared->wake.notify_all();
    // A worker closes its connections after its call; one whose call hangs on a share may
    // stay there for minutes and is abandoned: the program's end must not wait for it.
    if (m_shared->abandoned ||
        !m_shared->answered.wait_for(lock, workerGrace, [this] { return m_shared->workerDone; }))
        m_shared->abandoned = true;
    return !m_shared->abandoned;
}

void BroadcastLink::use(std::unique_ptr<BroadcastSource> source, Mode mode, Ticks ticks)
{
    if (m_started)
        return;
    m_shared->source = std::move(source);
    m_mode = mode;
    if (ticks)
        m_ticks = std::move(ticks);
}

void BroadcastLink::startWorker()
{
    m_started = true;
    std::thread([shared = m_shared] {
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->wake.wait(lock, [&] { return shared->quit || shared->request; });
            if (shared->quit)
                break;
            const BroadcastRequest request = *std::exchange(shared->request, std::nullopt);
            lock.unlock();
            BroadcastAnswer answer = shared->source->answer(request);
            lock.lock();
            if (shared->abandoned) {
                // Back from a call the link gave up on, maybe while the program ends:
                // the source's connections are left alone rather than closed then.
                (void)shared->source.release();
                return;
            }
            if (shared->quit)
                break;
            shared->answer = std::move(answer);
            shared->outstanding = false;
            shared->answered.notify_all();
        }
        lock.unlock();
        shared->source.reset();
        lock.lock();
        shared->workerDone = true;
        shared->answered.notify_all();
    }).detach();
}

bool BroadcastLink::request(const BroadcastRequest& request)
{
    if (m_mode == Mode::Inline) {
        if (m_shared->answer)
            return false;
        m_shared->answer = m_shared->source->answer(request);
        return true;
    }
    if (!m_started)
        startWorker();
    std::lock_guard lock(m_shared->mutex);
    if (m_shared->outstanding || m_shared->answer || m_shared->quit)
        return false;
    m_shared->outstanding = true;
    m_shared->askedAt = m_ticks();
    m_shared->request = request;
    m_shared->wake.notify_all();
    return true;
}

bool BroadcastLink::busy() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->outstanding;
}

qint64 BroadcastLink::outstandingMs() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->outstanding ? m_ticks() - m_shared->askedAt : 0;
}

std::optional<BroadcastAnswer> BroadcastLink::take()
{
    std::lock_guard lock(m_shared->mutex);
    return std::exchange(m_shared->answer, std::nullopt);
}

bool BroadcastLink::waitForAnswer(int milliseconds)
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->answered.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                       [this] { return !m_shared->outstanding; });
}

} // namespace qb
