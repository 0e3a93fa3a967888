#pragma once

#include "platform/Strut.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWindow;

namespace qb {

class Platform;
class Terminal;
struct Settings;

// Keeps the band's strip reserved at its screen edge, so that the window manager places
// and maximises other windows beside the band instead of under it: after every layout
// (font, edge, screen), while the band is shown; the strip is given back while it is hidden,
// and for good when the window manager moves the band out of it.
class BandDock final : public QObject
{
public:
    BandDock(Terminal& terminal, const Settings& settings, Platform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives the window system the strut for the band as it is now; unless always, only
    // when it changed.
    void reserve(bool always);
    // Where the last layout put the band's window.
    QPoint laidOutPlace() const;

    Terminal& m_terminal;
    const Settings& m_settings;
    Platform& m_platform;
    Strut m_strut;              // the strut last given to the window system
    QPointer<QWindow> m_window; // the band's native window, watched for its first expose
    bool m_mapped = false;      // shown and exposed since the last show
    bool m_refused = false;     // the window manager moved the band out of its strip
};

} // namespace qb
