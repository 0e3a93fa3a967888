#pragma once

#include <QRect>

namespace qb {

// What the settings window and the password prompt do to the ticker band: the band
// stands still while they are open and is restored, laid out and re-captioned after.
class TickerBand
{
public:
    virtual ~TickerBand() = default;
    // The band's actual place on the primary screen, twips from its top-left corner.
    virtual QRect geometryTwips() const = 0;
    virtual void setTopmost(bool onTop) = 0;
    virtual void startTimer() = 0;
    virtual void FormAktiv(bool on) = 0;
    virtual void MachLayout() = 0;
    virtual void SpracheEinstellen() = 0;
    virtual void setSchritt(int schritt) = 0;
    // The ticker text is rebuilt at the next tick.
    virtual void requestRebuild() = 0;
};

} // namespace qb
