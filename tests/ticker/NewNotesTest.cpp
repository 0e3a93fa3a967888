#include "ticker/view/NewNotes.h"

#include <gtest/gtest.h>

using namespace qb;

namespace {

TickerEntry local(const char* text)
{
    return {TickerSource::Local, QString::fromUtf8(text)};
}

TickerEntry broadcast(const char* text)
{
    return {TickerSource::Broadcast, QString::fromUtf8(text)};
}

} // namespace

// Successive texts of one band, each with what a screen reader is told about it.
TEST(NewNotes, SuccessiveTexts)
{
    struct Step
    {
        const char* name;
        QVector<TickerEntry> shown;
        int sprache;
        QString told;
    };
    QVector<TickerEntry> many;
    for (int i = 0; i < 50; ++i)
        many.append(local(QByteArray::number(i).constData()));
    QVector<TickerEntry> four = {local("a"), local("b"), local("c"), local("d")};
    const Step steps[] = {
        {"the first text is news", {local("Lunch")}, 1, QStringLiteral("Lunch.")},
        {"a note that stays is not repeated",
         {local("Lunch"), broadcast("Fire drill")},
         1,
         QStringLiteral("Fire drill.")},
        {"the same text again tells nothing", {broadcast("Fire drill"), local("Lunch")}, 1, {}},
        {"the same text from the other source is new",
         {local("Fire drill"), local("Lunch")},
         1,
         QStringLiteral("Fire drill.")},
        {"a note that left", {local("Lunch")}, 1, {}},
        {"comes back as new; own marks kept; a twin counts",
         {local("Lunch"), local("Lunch"), local("Fire drill"), local("Go!")},
         1,
         QStringLiteral("Lunch. Fire drill. Go!")},
        {"nothing left", {}, 1, {}},
        {"more than three new give a count", four, 1, QStringLiteral("4 new notes")},
        {"in German", many, 2, QStringLiteral("50 neue Notizen")},
    };
    NewNotes newNotes;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(newNotes.take(step.shown, step.sprache), step.told);
    }
}
