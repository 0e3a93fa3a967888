#pragma once

#include "ticker/TickerFeed.h"

namespace qb::test {

// Content logic double: the test sets the entries; the next step reports the change once.
class FakeTickerFeed final : public TickerFeed
{
public:
    QVector<TickerEntry> shown;
    bool changed = false;
    int waits = 0;
    int steps = 0;
    int rebuildRequests = 0;

    void show(const QVector<TickerEntry>& entries)
    {
        shown = entries;
        changed = true;
    }

    void waitForNetwork(const QDateTime&) override { ++waits; }
    bool NotizMachen(const QDateTime&) override
    {
        ++steps;
        const bool result = changed;
        changed = false;
        return result;
    }
    const QVector<TickerEntry>& entries() const override { return shown; }
    void requestRebuild() override { ++rebuildRequests; }
};

} // namespace qb::test
