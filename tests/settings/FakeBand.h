#pragma once

#include "settings/TickerBand.h"

#include <QStringList>

namespace qb::test {

// The band as the settings window sees it: calls recorded as lines of text.
class FakeBand final : public TickerBand
{
public:
    QStringList calls;
    QRect geometry{0, 0, 28800, 450};

    QRect geometryTwips() const override { return geometry; }
    void setTopmost(bool onTop) override
    {
        calls << (onTop ? QStringLiteral("topmost on") : QStringLiteral("topmost off"));
    }
    void startTimer() override { calls << QStringLiteral("startTimer"); }
    void FormAktiv(bool on) override { calls << QStringLiteral("FormAktiv %1").arg(on); }
    void MachLayout() override { calls << QStringLiteral("MachLayout"); }
    void SpracheEinstellen() override { calls << QStringLiteral("SpracheEinstellen"); }
    void setSchritt(int schritt) override { calls << QStringLiteral("Schritt %1").arg(schritt); }
    void requestRebuild() override { calls << QStringLiteral("requestRebuild"); }
};

} // namespace qb::test
