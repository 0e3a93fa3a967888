#include "SettingsRules.h"

#include "SettingsTexts.h"
#include "core/BandPlacement.h"

#include <cmath>

namespace qb::SettingsRules {

double roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(value);
}

PreviewLayout previewLayout(bool showMargin, bool showDate, double w1, double w2)
{
    PreviewLayout layout;
    layout.dateShown = showDate;
    layout.bevel = showMargin;
    const double inset = showMargin ? 75 : 0;
    const double room = w1 - 2 * inset - (showDate ? w2 : 0);
    layout.noteWidth = room / 2;
    layout.left2 = inset;
    layout.left3 = inset + (showDate ? w2 : 0);
    layout.left4 = layout.left3 + layout.noteWidth;
    return layout;
}

qint32& colourOf(Settings& settings, ColourField field)
{
    switch (field) {
    case ColourField::Frame:
        return settings.fensterHgFarbe;
    case ColourField::DateGround:
        return settings.uhrHgFarbe;
    case ColourField::DateText:
        return settings.UhrSchriftFarbe;
    case ColourField::NoteGround:
        return settings.notizHgFarbe;
    case ColourField::LocalText:
        return settings.SchriftFarbe;
    case ColourField::BroadcastText:
        return settings.SchriftFarbe2;
    }
    return settings.fensterHgFarbe;
}

std::array<std::optional<ColourField>, 3> elementColours(int element)
{
    switch (element) {
    case 1:
        return {ColourField::Frame, std::nullopt, std::nullopt};
    case 2:
        return {ColourField::DateGround, ColourField::DateText, std::nullopt};
    case 3:
    case 4:
        return {ColourField::NoteGround, ColourField::LocalText, ColourField::BroadcastText};
    default:
        return {};
    }
}

bool elementHasFont(int element)
{
    return element == 3 || element == 4;
}

void resetDisplay(Settings& working)
{
    working.SchriftName = QStringLiteral("Verdana");
    working.SchriftGroesse = 10;
    working.SchriftFett = true;
    working.SchriftKursiv = false;
    working.SchriftFarbe = 16777215;
    working.SchriftFarbe2 = 65535;
    working.fensterHgFarbe = 16744576;
    working.uhrHgFarbe = 16769248;
    working.notizHgFarbe = 7303023;
    working.UhrSchriftFarbe = 0;
    working.zeigDatum = true;
    working.zeigRahmen = true;
    working.Speed = 30;
}

qint16 fontSize(double points)
{
    return static_cast<qint16>(roundHalfEven(points));
}

namespace {

// Centred under the field, 30 below it.
QPoint bubbleUnder(const QRect& group, const QRect& field)
{
    const double x = group.x() + field.x() + field.width() / 2.0 - bubbleHalfWidth;
    const double y = group.y() + field.y() + field.height() + 30;
    return QPoint(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y)));
}

} // namespace

std::optional<CheckFailure> checkBeforeSaving(const Settings& working, bool passwordFieldEnabled,
                                              qint16 sprache)
{
    if (working.sysopStatus && working.passWort.isEmpty() && passwordFieldEnabled)
        return CheckFailure{SettingsTexts::message(SettingsMessage::EnterPassword, sprache),
                            bubbleUnder(zzzPanel1, passwortTex)};
    if (working.broadcastStatus && working.broadcastPfad.isEmpty())
        return CheckFailure{SettingsTexts::message(SettingsMessage::SpecifyPath, sprache),
                            bubbleUnder(zzzPanel2, broadcastPfadPan)};
    return std::nullopt;
}

PopupGeometry helpPopup(int n)
{
    const QRect& group = n == 1 ? zzzPanel1 : zzzPanel2;
    const QRect& link = n == 1 ? hilfePan1 : hilfePan2;
    PopupGeometry popup;
    popup.left = link.x() - 1000;
    popup.top = group.y() + link.y() + link.height() + 100;
    popup.closeTop = (n == 1 ? kommentarTextHeight1 : kommentarTextHeight2) + 300;
    popup.height = popup.closeTop + closeLinkHeight + 105;
    return popup;
}

QPoint windowPosition(int bandTop, int screenHeight, int height)
{
    return QPoint(500, placement::bandAtTop(bandTop) ? 200 : screenHeight - height - 200);
}

QPointF passTestPosition(const QRect& band, int screenHeight)
{
    constexpr double width = 5865;
    constexpr double height = 2070;
    const double left = 500 + windowWidth / 2.0 - width / 2;
    const double top = placement::bandAtTop(band.top())
                           ? band.top() + band.height() / 2.0
                           : screenHeight - height - band.height() / 2.0;
    return QPointF(left, top);
}

} // namespace qb::SettingsRules
