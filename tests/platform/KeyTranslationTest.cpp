#include "platform/wayland/KeyTranslation.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <Qt>

namespace {

struct KeyCase
{
    quint32 keysym;
    int key;
};

// The keys the band answers (Ctrl+N, F1, Shift+F10, the Menu key, Escape in its windows),
// both cases of a letter, the ends of each range, and symbols outside every range.
TEST(KeyTranslation, GivesQtsKeyForTheKeysym)
{
    const KeyCase cases[] = {
        {XKB_KEY_n, Qt::Key_N},
        {XKB_KEY_N, Qt::Key_N},
        {XKB_KEY_a, Qt::Key_A},
        {XKB_KEY_z, Qt::Key_Z},
        {XKB_KEY_0, Qt::Key_0},
        {XKB_KEY_9, Qt::Key_9},
        {XKB_KEY_F1, Qt::Key_F1},
        {XKB_KEY_F10, Qt::Key_F10},
        {XKB_KEY_F24, Qt::Key_F24},
        {XKB_KEY_Menu, Qt::Key_Menu},
        {XKB_KEY_Escape, Qt::Key_Escape},
        {XKB_KEY_KP_Enter, Qt::Key_Enter},
        {XKB_KEY_ISO_Left_Tab, Qt::Key_Backtab},
        {XKB_KEY_F25, Qt::Key_unknown},
        {XKB_KEY_Shift_L, Qt::Key_unknown},
        {XKB_KEY_adiaeresis, Qt::Key_unknown},
        {XKB_KEY_NoSymbol, Qt::Key_unknown},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(qb::qtKeyForKeysym(c.keysym), c.key) << "keysym 0x" << std::hex << c.keysym;
}

} // namespace
