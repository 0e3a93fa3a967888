#pragma once

#include "dialogs/ui/FliegBubble.h"

#include <QPointer>
#include <QString>

namespace qb {

class Platform;

// Owns the one floating bubble of the program: a new bubble closes the old one first.
class BubbleHost
{
public:
    // fallbackAnchor: the window the offsets count from when no window of the program is
    // active (the band usually is not: it does not take the focus by itself).
    explicit BubbleHost(Platform& platform, QWidget* fallbackAnchor = nullptr);
    ~BubbleHost();
    BubbleHost(const BubbleHost&) = delete;
    BubbleHost& operator=(const BubbleHost&) = delete;

    void setFallbackAnchor(QWidget* anchor) { m_fallbackAnchor = anchor; }
    // Bubbles beside a band docked as a layer-shell strip: they go past the window manager,
    // which would centre a floating window, and are transparent around their face, as the
    // compositor does not cut windows to their shape.
    void setBesideLayerStrip(bool beside) { m_besideLayerStrip = beside; }

    // Shows text in a bubble whose top-left corner comes to rest at the offsets (twips,
    // rounded to whole twips, halves to even) from the top-left corner of the active
    // window. Returns at once; the bubble slides in on its own.
    void BubbleZeigen(double offsetX, double offsetY, const QString& text);
    // The same, with the offsets counted from the corner of the given window, whichever
    // window is active (after a question box closed there may be none).
    void BubbleZeigen(QWidget& anchor, double offsetX, double offsetY, const QString& text);

    bool bubbleVisible() const;
    void closeBubble();
    FliegBubble* bubble() const { return m_bubble; }

private:
    void show(QWidget* anchor, double offsetX, double offsetY, const QString& text);

    Platform& m_platform;
    QPointer<QWidget> m_fallbackAnchor;
    QPointer<FliegBubble> m_bubble;
    bool m_besideLayerStrip = false;
};

} // namespace qb
