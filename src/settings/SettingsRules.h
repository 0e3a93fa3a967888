#pragma once

#include "core/Settings.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

namespace qb {

// The fixed geometry of the settings window and its decisions that need no window:
// preview layout, element buttons, reset values, the check before saving, placements.
// Lengths in twips.
namespace SettingsRules {

inline constexpr int windowWidth = 8190;
inline constexpr int windowHeight = 8640;
inline constexpr int bubbleHalfWidth = 885;
inline constexpr QRect zzzPanel1{75, 90, 4365, 945};
inline constexpr QRect zzzPanel2{75, 2400, 6105, 2535};
inline constexpr QRect passwortTex{945, 480, 2655, 285};
inline constexpr QRect broadcastPfadPan{375, 705, 5565, 375};
inline constexpr QRect hilfePan1{2265, 75, 1890, 285};
inline constexpr QRect hilfePan2{2985, 75, 1890, 285};
inline constexpr int kommentarTextHeight1 = 1845;
inline constexpr int kommentarTextHeight2 = 2445;
inline constexpr int closeLinkHeight = 315;

// Rounds to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value);

// Swatches 2 to 4 of the preview inside the frame swatch (W1 wide); swatch 2 is W2 wide.
struct PreviewLayout
{
    bool dateShown = false;
    bool bevel = false; // sunken swatches inside a coloured frame
    double left2 = 0;   // only when dateShown
    double left3 = 0;
    double left4 = 0;
    double noteWidth = 0; // swatches 3 and 4
};
PreviewLayout previewLayout(bool showMargin, bool showDate, double w1, double w2);

// The colours an element button edits.
enum class ColourField { Frame, DateGround, DateText, NoteGround, LocalText, BroadcastText };
qint32& colourOf(Settings& settings, ColourField field);
// Colour buttons 1 to 3 of element 1 to 4; nothing where the button is hidden.
std::array<std::optional<ColourField>, 3> elementColours(int element);
// The font button belongs to the note elements 3 and 4.
bool elementHasFont(int element);

// The window's own defaults for the display settings; the rest stays.
void resetDisplay(Settings& working);

// A font size from the dialog as stored: whole points, a half to the even neighbour.
qint16 fontSize(double points);

// A refused save: the message and the bubble's offsets from the window's corner.
struct CheckFailure
{
    QString text;
    QPoint bubble;
};
// The check before saving. passwordFieldEnabled is false exactly while the receiver box
// is ticked; sprache is the working language.
std::optional<CheckFailure> checkBeforeSaving(const Settings& working, bool passwordFieldEnabled,
                                              qint16 sprache);

// Help popup n (1 sysop, 2 broadcast): left, top, the close link's top and the height.
struct PopupGeometry
{
    int left = 0;
    int top = 0;
    int closeTop = 0;
    int height = 0;
};
PopupGeometry helpPopup(int n);

// The settings window's top-left corner: 500 from the left; 200 from the top while the
// band is at the top (its top under 100), else the window's lower edge 200 above the
// screen's. height: the window's outer height, title bar included.
QPoint windowPosition(int bandTop, int screenHeight, int height = windowHeight);

// The password prompt (5865 x 2070) centred over the settings window's place, its edge on
// the band's middle line on the side that faces the middle of the screen.
QPointF passTestPosition(const QRect& band, int screenHeight);

} // namespace SettingsRules

} // namespace qb
