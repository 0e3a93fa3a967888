#pragma once

#include <QWidget>

namespace qb {

// An invisible part of the band that tells a screen reader about news: it is a
// notification to assistive technology, and each announcement shows it anew, which
// screen readers speak also when the band does not have the focus.
class BandAnnouncer final : public QWidget
{
    Q_OBJECT

public:
    explicit BandAnnouncer(QWidget* parent);

    void announce(const QString& text);
};

} // namespace qb
