#pragma once

#include <QFont>
#include <QLocale>
#include <QSize>
#include <QStringList>

namespace qb {

// The font of the date and clock panels, whose widths are fixed: the given font (the
// window's) when the widest date and time of both languages fit the panels, otherwise
// the same family and weight at the largest size below it that fits.
class ClockFont
{
public:
    // Contract: the contents sizes are the panels' inner sizes in logical pixels.
    static QFont fitting(const QFont& windowFont, const QLocale& locale, QSize datumContents,
                         QSize uhrContents);

    // The widest texts the panels can show in a font: every date and time form of both
    // languages with each digit replaced by the font's widest digit.
    static QStringList widestDates(const QFont& font, const QLocale& locale);
    static QStringList widestTimes(const QFont& font, const QLocale& locale);
};

} // namespace qb
