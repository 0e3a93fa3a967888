#include "ticker/ClockText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale american(QLocale::English, QLocale::UnitedStates);
const QLocale finnish(QLocale::Finnish, QLocale::Finland);

struct Case
{
    const char* name;
    QDateTime moment;
    int sprache;
    QLocale locale;
    const char* expected;
};

// The time: 12-hour clock in lower case for English, 24-hour with zeros for German.
TEST(ClockTextTest, Time)
{
    const Case cases[] = {
        {"English half past midnight is 12 am", at(2026, 1, 5, 0, 30, 0), 1, german,
         "12:30:00 am"},
        {"English noon is 12 pm", at(2026, 1, 5, 12, 0, 0), 1, german, "12:00:00 pm"},
        {"English hour without leading zero", at(2026, 1, 5, 15, 5, 9), 1, german,
         "3:05:09 pm"},
        {"English last second of the day", at(2026, 1, 5, 23, 59, 59), 1, german,
         "11:59:59 pm"},
        {"English one in the morning", at(2026, 1, 5, 1, 2, 3), 1, german, "1:02:03 am"},
        {"German leading zeros", at(2026, 1, 5, 9, 5, 3), 2, german, "09:05:03"},
        {"German midnight", at(2026, 1, 5, 0, 0, 0), 2, german, "00:00:00"},
        {"German with the locale's time separator", at(2026, 1, 5, 9, 5, 3), 2, finnish,
         "09.05.03"},
        {"English with the locale's time separator", at(2026, 1, 5, 21, 5, 3), 1, finnish,
         "9.05.03 pm"},
        {"no language", at(2026, 1, 5, 9, 5, 3), 0, german, ""},
        {"unknown language", at(2026, 1, 5, 9, 5, 3), 3, german, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClockText::time(c.moment, c.sprache, c.locale).toStdString(), c.expected);
    }
}

// The date: English always joined with "/", German with the locale's date separator.
TEST(ClockTextTest, Date)
{
    const Case cases[] = {
        {"English month first", at(2027, 2, 1, 10, 0, 0), 1, german, "02/01/27"},
        {"English 4 December 2026", at(2026, 12, 4, 10, 0, 0), 1, german, "12/04/26"},
        {"English year 2000", at(2000, 7, 9, 10, 0, 0), 1, american, "07/09/00"},
        {"German with a German locale", at(2026, 12, 4, 10, 0, 0), 2, german, "04.12.26"},
        {"German with the locale's slash", at(2026, 12, 4, 10, 0, 0), 2, american,
         "04/12/26"},
        {"German without a separator in the locale", at(2026, 12, 4, 10, 0, 0), 2,
         QLocale::c(), "04.12.26"},
        {"no language", at(2026, 12, 4, 10, 0, 0), 0, german, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClockText::date(c.moment, c.sprache, c.locale).toStdString(), c.expected);
    }
}

} // namespace
} // namespace qb
