#include "KeyTranslation.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <Qt>
#include <algorithm>
#include <iterator>

namespace qb {

namespace {

struct KeyPair
{
    quint32 keysym;
    int key;
};

constexpr KeyPair namedKeys[] = {
    {XKB_KEY_Escape, Qt::Key_Escape},
    {XKB_KEY_Tab, Qt::Key_Tab},
    {XKB_KEY_ISO_Left_Tab, Qt::Key_Backtab},
    {XKB_KEY_BackSpace, Qt::Key_Backspace},
    {XKB_KEY_Return, Qt::Key_Return},
    {XKB_KEY_KP_Enter, Qt::Key_Enter},
    {XKB_KEY_Insert, Qt::Key_Insert},
    {XKB_KEY_Delete, Qt::Key_Delete},
    {XKB_KEY_Home, Qt::Key_Home},
    {XKB_KEY_End, Qt::Key_End},
    {XKB_KEY_Left, Qt::Key_Left},
    {XKB_KEY_Up, Qt::Key_Up},
    {XKB_KEY_Right, Qt::Key_Right},
    {XKB_KEY_Down, Qt::Key_Down},
    {XKB_KEY_Page_Up, Qt::Key_PageUp},
    {XKB_KEY_Page_Down, Qt::Key_PageDown},
    {XKB_KEY_Menu, Qt::Key_Menu},
    {XKB_KEY_space, Qt::Key_Space},
};

} // namespace

int qtKeyForKeysym(quint32 keysym)
{
    if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z)
        return Qt::Key_A + int(keysym - XKB_KEY_a);
    if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z)
        return Qt::Key_A + int(keysym - XKB_KEY_A);
    if (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9)
        return Qt::Key_0 + int(keysym - XKB_KEY_0);
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F24)
        return Qt::Key_F1 + int(keysym - XKB_KEY_F1);
    const auto* found =
        std::find_if(std::begin(namedKeys), std::end(namedKeys),
                     [keysym](const KeyPair& pair) { return pair.keysym == keysym; });
    return found == std::end(namedKeys) ? int(Qt::Key_unknown) : found->key;
}

} // namespace qb
