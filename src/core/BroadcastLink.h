#pragma once

#include "schedule/NoteRow.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace qb {

// A question to the broadcaster's file system.
struct BroadcastRequest
{
    enum class Kind { Probe, Read };
    Kind kind = Kind::Probe;
    QString path;
    // Read: close the connection and open the file anew (after an error, a new path).
    bool reopen = false;
};

// The answer, in plain values the interface thread may keep.
struct BroadcastAnswer
{
    enum class Outcome { Read, LockedOut, Unreachable };
    BroadcastRequest::Kind kind = BroadcastRequest::Kind::Probe;
    // The file was found (both kinds).
    bool exists = false;
    // Read only: whether the database could be read, was locked or held an
    // unfinished write, or could not be opened at all.
    Outcome outcome = Outcome::Unreachable;
    // The settings row by column; empty when it could not be read.
    std::optional<QHash<QString, QVariant>> einstellungen;
    // The rows of Notizen in table order.
    QVector<NoteRow> notes;
};

// What makes the calls; runs on the link's worker thread only (its connections
// belong to that thread). A call may take any time, also for ever.
class BroadcastSource
{
public:
    virtual ~BroadcastSource() = default;
    virtual BroadcastAnswer answer(const BroadcastRequest& request) = 0;
};

// Hands requests to a worker thread and its answers back, without ever waiting
// for a call: the band asks, goes on, and takes the answer at a later tick.
// One call at a time: a request while one is outstanding, or while its answer
// is not taken yet, is refused. A call that hangs is left to itself; ending the
// link abandons its thread instead of joining it.
class BroadcastLink
{
public:
    // After this long without an answer the broadcaster counts as unreachable. A
    // healthy share answers a file test or a read within milliseconds, and a read
    // waits at most FileBroadcastSource::busyTimeoutMs for a lock; four seconds
    // leave room for a slow share without leaving the user long in the dark.
    static constexpr int deadlineMs = 4000;

    enum class Mode { Threaded, Inline };
    // Monotonic milliseconds; the steady clock unless a test sets its own.
    using Ticks = std::function<qint64()>;

    explicit BroadcastLink(std::unique_ptr<BroadcastSource> source, Mode mode = Mode::Threaded,
                           Ticks ticks = {});
    // finish()es.
    ~BroadcastLink();
    BroadcastLink(const BroadcastLink&) = delete;
    BroadcastLink& operator=(const BroadcastLink&) = delete;

    // Replaces the source and mode; only before the first request.
    void use(std::unique_ptr<BroadcastSource> source, Mode mode, Ticks ticks = {});

    // Starts a call; false (and nothing asked) while a call is outstanding or its
    // answer waits. Inline mode answers before returning.
    bool request(const BroadcastRequest& request);
    // A call is outstanding.
    bool busy() const;
    // How long the outstanding call has run; 0 when none is.
    qint64 outstandingMs() const;
    bool overdue() const { return outstandingMs() >= deadlineMs; }
    // The answer of the last call, once; nullopt while it runs or when taken.
    std::optional<BroadcastAnswer> take();
    // Waits up to milliseconds for the outstanding call to end (for the start, which
    // lets events run between waits); true when no call is outstanding.
    bool waitForAnswer(int milliseconds);

    // Ends the worker: waits a moment for it to close its connections; false when it is
    // inside a call that does not return and was abandoned there. Its connection then stays
    // open, and closing it (as the usual teardown of the database driver does) would hang
    // on the share too. No request is taken after this.
    bool finish();

private:
    struct Shared;
    void startWorker();

    std::shared_ptr<Shared> m_shared;
    Mode m_mode;
    Ticks m_ticks;
    bool m_started = false;
};

} // namespace qb
