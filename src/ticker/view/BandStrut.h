#pragma once

#include "platform/Strut.h"

#include <QList>
#include <QRect>

namespace qb {

// The strip a band docked at the top (or the bottom) of its monitor reserves so that other
// windows are not placed under it.
// Contract: monitors are the places of all monitors and band the band's place, all on the
// whole desktop in logical pixels. Window managers count a strut from the outer edge of the
// desktop (the bounding box of the monitors): the result reserves from that edge to the
// band's far side, across the band's width. It is empty for a hidden or empty band, and for
// a band whose edge faces another monitor within its width, which the strut would cover.
Strut bandStrut(const QList<QRect>& monitors, const QRect& band, bool atBottom, bool visible);

} // namespace qb
