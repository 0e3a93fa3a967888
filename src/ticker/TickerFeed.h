#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

namespace qb {

enum class TickerSource { Local = 0, Broadcast = 1 };

// One due note in the ticker: its source decides its colour.
struct TickerEntry
{
    TickerSource source = TickerSource::Local;
    QString text;
    bool operator==(const TickerEntry&) const = default;
};

// What the band shows, as the content logic decides it. The band window calls
// these once per tick, in this order, with the tick's moment.
class TickerFeed
{
public:
    virtual ~TickerFeed() = default;
    // Network-error waiting of a receiver: clears the error after a minute boundary.
    virtual void waitForNetwork(const QDateTime& now) = 0;
    // One step of the content logic; true when the shown text changed, so the
    // band measures it anew and restarts it at the left.
    virtual bool NotizMachen(const QDateTime& now) = 0;
    // The entries of the shown text, in ticker order; empty when nothing is due.
    virtual const QVector<TickerEntry>& entries() const = 0;
    // Makes the next step rebuild at once (a command changed notes or settings).
    virtual void requestRebuild() = 0;
};

// The floating notice that the content logic raises on a network error.
class NoticeBoard
{
public:
    virtual ~NoticeBoard() = default;
    virtual void showNetworkNotice(const QString& text) = 0;
    // Any other notice, in the same place.
    virtual void showNotice(const QString& text) { showNetworkNotice(text); }
    virtual bool noticeVisible() const = 0;
    virtual void closeNotice() = 0;
};

} // namespace qb
