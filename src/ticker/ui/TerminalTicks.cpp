// The band's content at each tick: the text taken from the feed, measured and drawn.

#include "Terminal.h"

#include "BandAnnouncer.h"
#include "TickerWindow.h"
#include "core/ProgramValues.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Colour.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "ticker/view/BandText.h"

#include <QFontMetrics>
#include <QLabel>

namespace qb {

namespace {

int twipsWidth(const QFont& font, const QString& text)
{
    return twips::fromPixels(QFontMetrics(font).horizontalAdvance(text));
}

} // namespace

QFont Terminal::bandFont() const
{
    QFont font(m_settings.SchriftName);
    font.setPointSize(std::max<int>(1, m_settings.SchriftGroesse));
    font.setBold(m_settings.SchriftFett);
    font.setItalic(m_settings.SchriftKursiv);
    return font;
}

void Terminal::tick()
{
    const QDateTime now = m_clock.now();
    m_feed.waitForNetwork(now);
    // Any change of the primary screen (narrower, wider, lower, moved) docks the band anew.
    if (m_platform.screenGeometry() != m_laidOutScreen)
        MachLayout();
    if (!m_uhrPan->isHidden())
        UhrStellen(now);
    const bool newText = m_feed.NotizMachen(now);
    // Settings adopted from a broadcaster that change the layout: a new layout, and the
    // text measured again in it. Unchanged settings leave the band alone.
    if (layoutSettings() != m_laidOut) {
        MachLayout();
        takeText();
    } else if (newText) {
        takeText();
    }
    draw();
}

Terminal::BandSettings Terminal::bandSettings() const
{
    return {m_settings.SchriftName,   m_settings.SchriftGroesse, m_settings.SchriftFett,
            m_settings.SchriftKursiv, m_settings.SchriftFarbe,   m_settings.SchriftFarbe2,
            m_settings.notizHgFarbe};
}

Terminal::LayoutSettings Terminal::layoutSettings() const
{
    BandSettings font = bandSettings();
    font.local = font.broadcast = font.background = 0;
    return {font,
            m_settings.zeigRahmen,
            m_settings.zeigDatum,
            m_settings.dockPos,
            m_settings.fensterHgFarbe,
            m_settings.uhrHgFarbe,
            m_settings.UhrSchriftFarbe,
            m_settings.eigeneErlauben};
}

// A new text: measured, its mode chosen, the band cleared and x back at the left.
void Terminal::takeText()
{
    // The band's work follows its shown texts, which are bounded, not the stored ones.
    m_entries.clear();
    m_anzeigeText.clear();
    for (const TickerEntry& entry : m_feed.entries()) {
        m_entries.append({entry.source, bandText(entry.text)});
        m_anzeigeText += m_entries.back().text + ProgramValues::Trenner;
    }
    if (const QString news = m_newNotes.take(m_entries, m_settings.Sprache); !news.isEmpty())
        m_announcer->announce(news);

    m_testPan2->setText(m_anzeigeText);
    // A screen reader reads the band's text from the panel that shows it.
    m_notizPan->setAccessibleName(m_anzeigeText.left(accessibleTextLength));
    m_textWidth = twipsWidth(m_testPan2->font(), m_anzeigeText);
    m_testPan2->resize(twips::toPixels(m_textWidth), m_testPan2->height());

    const QFont font = bandFont();
    const int bandFontWidth =
        font == m_testPan2->font() ? m_textWidth : twipsWidth(font, m_anzeigeText);
    m_scroll.setText(bandFontWidth, m_layout.notizRect.width());
    renderPicture();
    m_ticker->showCopies({});
}

void Terminal::renderPicture()
{
    m_rendered = bandSettings();
    const BandPicture::Style style{bandFont(), colour::toQColor(m_settings.SchriftFarbe),
                                   colour::toQColor(m_settings.SchriftFarbe2),
                                   colour::toQColor(m_settings.notizHgFarbe)};
    m_ticker->picture().setContent(m_entries, m_scroll.LaufModus() == TickerScroll::Scrolling,
                                   style);
}

void Terminal::draw()
{
    if (bandSettings() != m_rendered) {
        // Font or colours changed between ticks (e.g. adopted from the broadcaster).
        renderPicture();
        m_ticker->redraw();
    }
    if (m_anzeigeText.isEmpty()) {
        if (!m_ticker->copies().isEmpty())
            m_ticker->showCopies({});
        return;
    }
    const int copyWidth = twips::fromPixels(m_ticker->picture().copyWidth());
    const TickerScroll::Frame frame =
        m_scroll.step(m_layout.notizRect.width(), copyWidth, m_textWidth);
    if (!frame.redraw)
        return;
    QVector<int> copyX;
    copyX.reserve(frame.copyX.size());
    for (const int x : frame.copyX)
        copyX.append(twips::toPixels(x));
    m_ticker->showCopies(copyX);
}

} // namespace qb
