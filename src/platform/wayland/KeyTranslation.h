#pragma once

#include <QtGlobal>

namespace qb {

// The Qt key for an X keyboard symbol (xkb_keysym_t), as Qt's own platforms give it for
// the keys a window reacts to: letters and digits, function keys, editing and moving keys.
// Qt::Key_unknown for any other.
int qtKeyForKeysym(quint32 keysym);

} // namespace qb
