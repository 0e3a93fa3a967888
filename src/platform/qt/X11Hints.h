#pragma once

#include "platform/Strut.h"

#include <optional>

class QWidget;

namespace qb::x11 {

// The window-manager hints the band needs on an X server (also XWayland). Both do nothing
// and answer nothing when the program does not run on X.

// Sets the window's partial and full strut, or deletes both for an empty strut.
void setStrut(QWidget& window, const Strut& strut);

// Asks the window manager to raise the window; false when not on X. A plain raise is a
// configure request, which some window managers answer by moving the window out of the
// strips reserved at the screen edges, its own included.
bool raise(QWidget& window);

// Whether the running window manager lists struts among the hints it supports.
std::optional<bool> strutSupported();

} // namespace qb::x11
