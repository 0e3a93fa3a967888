#pragma once

#include "ticker/TickerFeed.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QRawFont>
#include <QSize>
#include <QVector>

class QPainter;

namespace qb {

// The picture of the ticker text. The text of one copy is laid out once per change into
// glyph runs; the band is drawn from tiles (images of a slice of the copy) that are
// rendered from those runs when they are first needed and dropped when a paint no longer
// needs them. A tick therefore only copies images; memory stays bounded for very long texts.
class BandPicture
{
public:
    struct Style
    {
        QFont font;
        QColor local;      // SchriftFarbe: local notes and the separators
        QColor broadcast;  // SchriftFarbe2: the broadcaster's notes
        QColor background; // notizHgFarbe
        bool operator==(const Style&) const = default;
    };

    static constexpr int tileWidth = 1024;

    // One copy: each entry followed by one blank, then Trenner and one blank between
    // entries and, when trailingSeparator, after the last; entries in their source colour,
    // separators in the local colour.
    void setContent(const QVector<TickerEntry>& entries, bool trailingSeparator,
                    const Style& style);
    void clear();
    bool isEmpty() const { return m_pieces.isEmpty(); }
    const Style& style() const { return m_style; }

    // Width of one copy in logical pixels: the period at which copies repeat.
    int copyWidth() const { return m_copyWidth; }

    // Size of the band and top of the text in logical pixels; the device pixel ratio of
    // the surface the band is painted on.
    void setGeometry(QSize band, int textTop, qreal devicePixelRatio);

    // Fills the area of the band with the background and draws there the copies whose
    // left ends are at copyX (logical pixels, relative to the band). Tiles that reach
    // into the area are kept for the next call, the others are dropped.
    void paint(QPainter& painter, const QVector<int>& copyX, const QRect& area);

    int cachedTiles() const { return static_cast<int>(m_tiles.size()); }
    // The glyphs laid out for one copy.
    qsizetype glyphCount() const;

private:
    // Up to glyphsPerPiece glyphs of one font and colour. Positions are kept as offsets
    // from the first glyph in floats: layout positions are multiples of 1/64 pixel, which
    // a float holds exactly over a piece's width, at half the memory of QPointF.
    struct Piece
    {
        int font = 0; // index into m_fonts
        QGlyphRun::GlyphRunFlags flags;
        QPointF origin;
        QList<quint32> glyphs;
        QList<float> offsets; // x and y of each glyph after the first, from origin
        QColor colour;
        qreal left = 0;
        qreal right = 0;
    };
    struct Tile
    {
        QImage image;
        quint64 lastUsed = 0;
    };

    const QImage& tile(int index);
    QImage renderTile(int index) const;
    QGlyphRun glyphRun(const Piece& piece) const;

    Style m_style;
    QVector<Piece> m_pieces;
    QVector<QRawFont> m_fonts;
    int m_copyWidth = 0;
    QSize m_band;
    int m_textTop = 0;
    qreal m_devicePixelRatio = 1.0;
    QHash<int, Tile> m_tiles;
    quint64 m_generation = 0;
};

} // namespace qb
