#pragma once

#include "core/BroadcastLink.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace qb::test {

// A broadcast source whose calls hang while its gate is closed, as calls on a share that
// stopped answering; it counts the calls it was given. The gate is shared so that a worker
// the link abandoned still finds it.
class GatedSource final : public BroadcastSource
{
public:
    struct Gate
    {
        std::mutex mutex;
        std::condition_variable opened;
        std::condition_variable called;
        bool open = true;
        int calls = 0;

        void close()
        {
            std::lock_guard lock(mutex);
            open = false;
        }
        void release()
        {
            std::lock_guard lock(mutex);
            open = true;
            opened.notify_all();
        }
        int callCount()
        {
            std::lock_guard lock(mutex);
            return calls;
        }
        // Waits until a call has reached the gate.
        void waitForCall()
        {
            std::unique_lock lock(mutex);
            called.wait(lock, [this] { return calls > 0; });
        }
    };

    // Without an inner source every call answers "found, read, empty".
    explicit GatedSource(std::shared_ptr<Gate> gate, std::unique_ptr<BroadcastSource> inner = {})
        : m_gate(std::move(gate)), m_inner(std::move(inner))
    {
    }

    BroadcastAnswer answer(const BroadcastRequest& request) override
    {
        {
            std::unique_lock lock(m_gate->mutex);
            ++m_gate->calls;
            m_gate->called.notify_all();
            m_gate->opened.wait(lock, [this] { return m_gate->open; });
        }
        if (m_inner)
            return m_inner->answer(request);
        BroadcastAnswer answer;
        answer.kind = request.kind;
        answer.exists = true;
        answer.outcome = BroadcastAnswer::Outcome::Read;
        return answer;
    }

private:
    std::shared_ptr<Gate> m_gate;
    std::unique_ptr<BroadcastSource> m_inner;
};

} // namespace qb::test
