#pragma once

#include <QDateTime>

namespace qb {

// The source of "now". Logic takes the moment as a parameter; only timers and
// the start-up ask a Clock, so tests and the companion's --at can fix the time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The local wall clock. The band asks it twenty times a second: the offset
// from UTC is looked up (which reads the time zone files) only when the minute
// changes; time zone and daylight-saving changes fall on minute boundaries.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override
    {
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        const qint64 minute = utc.toSecsSinceEpoch() / 60;
        if (minute != m_minute) {
            m_minute = minute;
            m_offsetSeconds = utc.toLocalTime().offsetFromUtc();
        }
        return utc.toOffsetFromUtc(m_offsetSeconds);
    }

private:
    mutable qint64 m_minute = -1;
    mutable int m_offsetSeconds = 0;
};

// A clock standing at a settable moment.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime moment = {}) : m_moment(std::move(moment)) {}
    QDateTime now() const override { return m_moment; }
    void set(const QDateTime& moment) { m_moment = moment; }
    void advanceSeconds(qint64 seconds) { m_moment = m_moment.addSecs(seconds); }

private:
    QDateTime m_moment;
};

} // namespace qb
