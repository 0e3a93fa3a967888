#include "PreviewPanel.h"

#include "core/Settings.h"
#include "platform/Colour.h"
#include "platform/Twips.h"
#include "settings/SettingsRules.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace qb {

namespace {

void setGround(QWidget& widget, qint32 ground, std::optional<qint32> text = std::nullopt)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour::toQColor(ground));
    if (text)
        palette.setColor(QPalette::WindowText, colour::toQColor(*text));
    widget.setPalette(palette);
}

constexpr qint32 grey = 12632256; // RGB (192, 192, 192)

} // namespace

PreviewPanel::PreviewPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FarbePan1"));
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    for (int n = 2; n <= 4; ++n) {
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("FarbePan%1").arg(n));
        swatch->setAutoFillBackground(true);
        swatch->setAlignment(n == 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        swatch->installEventFilter(this);
        m_swatches[n - 2] = swatch;
    }
}

void PreviewPanel::setCaptions(const QString& frame, const QString& date, const QString& local,
                               const QString& broadcast)
{
    setAccessibleName(frame);
    const QString captions[3] = {date, local, broadcast};
    for (int i = 0; i < 3; ++i) {
        m_swatches[i]->setText(captions[i]);
        m_swatches[i]->setAccessibleName(captions[i]);
    }
}

void PreviewPanel::colour(const Settings& working, bool frameAlways)
{
    setGround(*this, frameAlways || working.zeigRahmen ? working.fensterHgFarbe : grey);
    setGround(*m_swatches[0], working.uhrHgFarbe, working.UhrSchriftFarbe);
    setGround(*m_swatches[1], working.notizHgFarbe, working.SchriftFarbe);
    setGround(*m_swatches[2], working.notizHgFarbe, working.SchriftFarbe2);
}

void PreviewPanel::applyFont(const Settings& working)
{
    QFont font(working.SchriftName);
    font.setPointSize(std::max<int>(1, working.SchriftGroesse));
    font.setBold(working.SchriftFett);
    font.setItalic(working.SchriftKursiv);
    m_swatches[1]->setFont(font);
    m_swatches[2]->setFont(font);
}

// Heights: h, the height of "test" in the window's own face at the note size, rounded to
// whole twips; swatches 2 to 4 are h * 1.7 high at top 75, the frame 150 more.
void PreviewPanel::layOut(const Settings& working)
{
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSize(std::max<int>(1, working.SchriftGroesse));
    const double h = std::round(twips::fromPixels(QFontMetrics(face).height()));
    const double inner = h * 1.7;

    const SettingsRules::PreviewLayout layout = SettingsRules::previewLayout(
        working.zeigRahmen, working.zeigDatum, widthTwips, dateWidthTwips);
    m_twips[0] = QRectF(leftTwips, topTwips, widthTwips, inner + 150);
    m_twips[1] = QRectF(layout.left2, 75, dateWidthTwips, inner);
    m_twips[2] = QRectF(layout.left3, 75, layout.noteWidth, inner);
    m_twips[3] = QRectF(layout.left4, 75, layout.noteWidth, inner);

    setGeometry(twips::toPixels(m_twips[0]));
    setGround(*this, working.zeigRahmen ? working.fensterHgFarbe : grey);
    for (int n = 2; n <= 4; ++n) {
        QLabel* swatch = m_swatches[n - 2];
        swatch->setGeometry(twips::toPixels(m_twips[n - 1]));
        swatch->setFrameStyle(layout.bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    }
    m_swatches[0]->setVisible(layout.dateShown);
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int n = 2; n <= 4; ++n) {
            if (watched == m_swatches[n - 2]) {
                emit swatchClicked(n);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void PreviewPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit swatchClicked(1);
}

} // namespace qb
