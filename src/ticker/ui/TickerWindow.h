#pragma once

#include "ticker/view/BandPicture.h"

#include <QBackingStore>
#include <QVector>
#include <QWindow>

namespace qb {

// The ticker band's surface: a window of its own inside the band (shown through a window
// container as NotizPan) with its own backing store. A tick that moves the picture
// sideways lets the window system move the pixels, paints only the strip that comes into
// view and flushes the band; no widget repaint runs on the tick. It keeps no text of its
// own and lays out nothing while painting.
class TickerWindow : public QWindow
{
    Q_OBJECT

public:
    explicit TickerWindow(QWindow* parent = nullptr);

    BandPicture& picture() { return m_picture; }
    const BandPicture& picture() const { return m_picture; }

    // Top of the text in logical pixels.
    void setTextTop(int pixels);
    int textTop() const { return m_textTop; }

    // Shows copies of the text whose left ends are at copyX (logical pixels); an empty
    // list clears the band.
    void showCopies(const QVector<int>& copyX);
    const QVector<int>& copies() const { return m_copyX; }

    // Paints the whole band again: the picture changed.
    void redraw();
    // Off, the window paints nothing: the band's picture is shown by other means (a
    // layer-shell strip) while the band's own windows stay off the screen.
    void setPainting(bool on);

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect band() const { return QRect(QPoint(0, 0), size()); }
    // Moves the shown pixels by dx; false when the backing store cannot.
    bool scrollBand(int dx);
    // Paints the area of the band and flushes the band.
    void paint(const QRect& area);

    QBackingStore m_store;
    BandPicture m_picture;
    QVector<int> m_copyX;
    int m_textTop = 0;
    bool m_painting = true;
};

} // namespace qb
