#include "BandPicture.h"

#include "core/ProgramValues.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace qb {

namespace {

// Glyphs per piece: a tile draws only the pieces that reach into it.
constexpr int glyphsPerPiece = 64;

struct ColourRange
{
    int start = 0;
    int length = 0;
    bool local = true;
};

} // namespace

void BandPicture::clear()
{
    m_pieces.clear();
    m_fonts.clear();
    m_tiles.clear();
    m_copyWidth = 0;
}

void BandPicture::setContent(const QVector<TickerEntry>& entries, bool trailingSeparator,
                             const Style& style)
{
    clear();
    m_style = style;
    if (entries.isEmpty())
        return;

    // 1. The copy's text and the colour of each stretch of it. Each entry is a first-strong
    //    isolate, so its direction, and any override or embedding left open in it, stays
    //    inside it: no note reorders another.
    const QString blank = QStringLiteral(" ");
    const QChar isolate(0x2068);    // FIRST STRONG ISOLATE
    const QChar endIsolate(0x2069); // POP DIRECTIONAL ISOLATE
    QString text;
    QVector<ColourRange> ranges;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const TickerEntry& entry = entries[i];
        ranges.append({static_cast<int>(text.size()), static_cast<int>(entry.text.size() + 3),
                       entry.source == TickerSource::Local});
        text += isolate + entry.text + endIsolate + blank;
        if (i + 1 < entries.size() || trailingSeparator) {
            const QString separator = ProgramValues::Trenner + blank;
            ranges.append(
                {static_cast<int>(text.size()), static_cast<int>(separator.size()), true});
            text += separator;
        }
    }

    // 2. One line, laid out once.
    QTextLayout layout(text, style.font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    // The entries follow each other from left to right, whatever their scripts.
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));
    layout.endLayout();
    if (!line.isValid())
        return;
    m_copyWidth = std::max(1, static_cast<int>(std::ceil(line.naturalTextWidth())));

    // 3. Glyph runs per colour, cut into pieces with their horizontal extent.
    for (const ColourRange& range : ranges) {
        if (range.length <= 0)
            continue;
        const QColor colour = range.local ? style.local : style.broadcast;
        const QList<QGlyphRun> runs = layout.glyphRuns(range.start, range.length);
        for (const QGlyphRun& run : runs) {
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            qsizetype font = m_fonts.indexOf(run.rawFont());
            if (font < 0) {
                font = m_fonts.size();
                m_fonts.append(run.rawFont());
            }
            for (qsizetype first = 0; first < indexes.size(); first += glyphsPerPiece) {
                const qsizetype count = std::min<qsizetype>(glyphsPerPiece, indexes.size() - first);
                Piece piece;
                piece.font = static_cast<int>(font);
                piece.flags = run.flags();
                piece.origin = positions[first];
                piece.glyphs = indexes.mid(first, count);
                piece.offsets.reserve(2 * (count - 1));
                for (qsizetype i = first + 1; i < first + count; ++i) {
                    piece.offsets.append(static_cast<float>(positions[i].x() - piece.origin.x()));
                    piece.offsets.append(static_cast<float>(positions[i].y() - piece.origin.y()));
                }
                piece.colour = colour;
                const QRectF bounds = glyphRun(piece).boundingRect();
                piece.left = bounds.left();
                piece.right = bounds.right();
                m_pieces.append(piece);
            }
        }
    }
}

qsizetype BandPicture::glyphCount() const
{
    qsizetype count = 0;
    for (const Piece& piece : m_pieces)
        count += piece.glyphs.size();
    return count;
}

void BandPicture::setGeometry(QSize band, int textTop, qreal devicePixelRatio)
{
    if (band == m_band && textTop == m_textTop && devicePixelRatio == m_devicePixelRatio)
        return;
    m_band = band;
    m_textTop = textTop;
    m_devicePixelRatio = devicePixelRatio;
    m_tiles.clear();
}

QGlyphRun BandPicture::glyphRun(const Piece& piece) const
{
    QList<QPointF> positions;
    positions.reserve(piece.glyphs.size());
    positions.append(piece.origin);
    for (qsizetype i = 0; i + 1 < piece.offsets.size(); i += 2)
        positions.append(piece.origin + QPointF(piece.offsets[i], piece.offsets[i + 1]));
    QGlyphRun run;
    run.setRawFont(m_fonts[piece.font]);
    run.setFlags(piece.flags);
    run.setGlyphIndexes(piece.glyphs);
    run.setPositions(positions);
    return run;
}

QImage BandPicture::renderTile(int index) const
{
    const int left = index * tileWidth;
    const int width = std::min(tileWidth, m_copyWidth - left);
    QImage image(QSize(width, m_band.height()) * m_devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(m_devicePixelRatio);
    image.fill(m_style.background);

    QPainter painter(&image);
    const QPointF origin(-left, m_textTop);
    for (const Piece& piece : m_pieces) {
        if (piece.right < left || piece.left > left + width)
            continue;
        painter.setPen(piece.colour);
        painter.drawGlyphRun(origin, glyphRun(piece));
    }
    return image;
}

const QImage& BandPicture::tile(int index)
{
    auto found = m_tiles.find(index);
    if (found == m_tiles.end())
        found = m_tiles.insert(index, Tile{renderTile(index), 0});
    found->lastUsed = m_generation;
    return found->image;
}

void BandPicture::paint(QPainter& painter, const QVector<int>& copyX, const QRect& area)
{
    const QRect clip = area & QRect(QPoint(0, 0), m_band);
    painter.fillRect(clip, m_style.background);
    if (m_pieces.isEmpty() || m_copyWidth <= 0 || clip.isEmpty())
        return;

    ++m_generation;
    const int lastTile = (m_copyWidth - 1) / tileWidth;
    for (const int x : copyX) {
        // Tiles of this copy that reach into [clip.left, clip.right].
        if (x > clip.right() || x + m_copyWidth <= clip.left())
            continue;
        const int first = std::max(0, (clip.left() - x) / tileWidth);
        const int last = std::min(lastTile, (clip.right() - x) / tileWidth);
        for (int index = first; index <= last; ++index)
            painter.drawImage(QPoint(x + index * tileWidth, 0), tile(index));
    }
    // Tiles not needed here are rendered again when a paint needs them.
    for (auto it = m_tiles.begin(); it != m_tiles.end();) {
        if (it->lastUsed != m_generation)
            it = m_tiles.erase(it);
        else
            ++it;
    }
}

} // namespace qb
