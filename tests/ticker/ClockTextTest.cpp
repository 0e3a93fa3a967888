#include "ticker/view/ClockText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// English 12-hour clock in lower case, month first and always "/"; German 24-hour clock
// with zeros, day first; separators other than English "/" from the locale. An afternoon
// hour without its zero: TerminalTest::clockPanels.
TEST(ClockTextTest, CaptionsByLanguage)
{
    using Format = QString (*)(const QDateTime&, qint16, const QLocale&);
    const Format time = &ClockText::time;
    const Format date = &ClockText::date;
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    struct Case
    {
        const char* name;
        Format format;
        QDateTime moment;
        int sprache;
        QLocale locale;
        const char* expected;
    };
    const Case cases[] = {
        {"English half past midnight is 12 am", time, at(2026, 1, 5, 0, 30, 0), 1, german,
         "12:30:00 am"},
        {"English noon is 12 pm", time, at(2026, 1, 5, 12, 0, 0), 1, german, "12:00:00 pm"},
        {"German leading zeros", time, at(2026, 1, 5, 9, 5, 3), 2, german, "09:05:03"},
        {"German midnight on the 24-hour clock", time, at(2026, 1, 5, 0, 0, 0), 2, german,
         "00:00:00"},
        {"the locale's time separator", time, at(2026, 1, 5, 21, 5, 3), 1, finnish, "9.05.03 pm"},
        {"English month first, slash despite the locale", date, at(2027, 2, 1, 10, 0, 0), 1, german,
         "02/01/27"},
        {"German day first", date, at(2026, 12, 4, 10, 0, 0), 2, german, "04.12.26"},
        {"German with the locale's slash", date, at(2026, 12, 4, 10, 0, 0), 2, american,
         "04/12/26"},
        {"German with no separator in the locale", date, at(2026, 12, 4, 10, 0, 0), 2, QLocale::c(),
         "04.12.26"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.format(c.moment, c.sprache, c.locale).toStdString(), c.expected);
    }
}

} // namespace
} // namespace qb
