// The cost floor of a scrolling band in Qt: the least a Qt program does to move a text
// through a band as wide as the screen, 2 pixels every 50 ms. bench/measure_band.sh
// measures it beside the ticker program, so the ticker's figures come as ratios to it.
//
//   band_floor HEIGHT TEXT
//
// A QApplication, as the ticker program must be one for its windows, with one frameless
// window with its own backing store at the top of the primary screen. The text is rendered
// once, in bold as the band's default note font, into an image; each tick the window system moves
// the band's pixels (a server-side copy), the 2-pixel strip that comes into view is painted from
// the image, and the band is flushed.

#include <QApplication>
#include <QBackingStore>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int tickMs = 50;
constexpr int step = 2;

class FloorBand : public QWindow
{
public:
    FloorBand(int height, const QString& text) : m_store(this)
    {
        setFlag(Qt::FramelessWindowHint);
        const QRect area = QWindow::screen()->geometry();
        setGeometry(area.left(), area.top(), area.width(), height);

        QFont font;
        font.setBold(true);
        const int width = QFontMetrics(font).horizontalAdvance(text + QLatin1Char(' '));
        m_text = QImage(width, height, QImage::Format_RGB32);
        m_text.fill(Qt::white);
        QPainter painter(&m_text);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(m_text.rect(), Qt::AlignVCenter | Qt::AlignLeft, text);

        m_timer.setInterval(tickMs);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }

protected:
    void exposeEvent(QExposeEvent*) override
    {
        if (isExposed())
            paint(QRect(QPoint(0, 0), size()));
    }
    void resizeEvent(QResizeEvent*) override { m_store.resize(size()); }

private:
    void tick()
    {
        if (!isExposed())
            return;
        m_offset = (m_offset + step) % m_text.width();
        // Qt 6.4 on xcb moves nothing when the whole band is given: scroll the part that
        // stays in view.
        m_store.scroll(QRect(step, 0, width() - step, height()), -step, 0);
        paint(QRect(width() - step, 0, step, height()));
    }

    // Paints the area from the text image repeated without a gap, and flushes the band.
    void paint(const QRect& area)
    {
        m_store.beginPaint(area);
        QPainter painter(m_store.paintDevice());
        painter.setClipRect(area);
        for (int x = -m_offset; x < width(); x += m_text.width())
            painter.drawImage(x, 0, m_text);
        painter.end();
        m_store.endPaint();
        m_store.flush(QRect(QPoint(0, 0), size()));
    }

    QBackingStore m_store;
    QImage m_text;
    QTimer m_timer;
    int m_offset = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: band_floor HEIGHT TEXT\n");
        return 2;
    }
    // As the ticker program: strips are sent, not shared through X shared memory.
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    FloorBand band(std::atoi(argv[1]), QString::fromLocal8Bit(argv[2]));
    band.show();
    return app.exec();
}
