// Cost of one schedule evaluation per rhythm. Each benchmark walks a year of days so that
// every branch of the rhythm (before, inside and after its window) is taken.
#include "schedule/NoteRow.h"
#include "schedule/ScheduleDraft.h"
#include "schedule/ScheduleEvaluation.h"

#include <benchmark/benchmark.h>

#include <QMap>

namespace {

using qb::Days;

// Rows as the database layer builds them, from the columns the editor writes.
qb::NoteRow rowFor(const qb::ScheduleDraft& draft)
{
    const qb::NoteColumns columns = qb::scheduleColumns(draft);
    return qb::NoteRow::fromColumns([&](const QString& column) { return columns.value(column); });
}

qb::ScheduleDraft baseDraft(int rhythm)
{
    qb::ScheduleDraft draft;
    draft.rhythm = rhythm;
    draft.wholeDay = false;
    draft.fromMinutes = 0;
    draft.toMinutes = 1439;
    draft.firstDate = QDate(2020, 1, 1);
    return draft;
}

void evaluateOverAYear(benchmark::State& state, const qb::NoteRow& row)
{
    const Days first = Days{std::chrono::year{2026} / 1 / 1};
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qb::isDue(row, first + std::chrono::days{offset}, 43200));
        offset = offset == 364 ? 0 : offset + 1;
    }
}

void BM_Permanent(benchmark::State& state)
{
    evaluateOverAYear(state, rowFor(baseDraft(0)));
}

void BM_Daily(benchmark::State& state)
{
    evaluateOverAYear(state, rowFor(baseDraft(1)));
}

void BM_Weekly(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(2);
    draft.weekdays = {true, false, true, false, true, false, false};
    evaluateOverAYear(state, rowFor(draft));
}

void BM_MonthlyDayOfMonth(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(3);
    draft.dayOfMonth = 31;
    draft.daysInAdvance = 3;
    evaluateOverAYear(state, rowFor(draft));
}

// The costliest case: the last weekday, which needs the month's length and first weekday.
void BM_MonthlyLastWeekday(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(3);
    draft.monthlyKind = qb::ScheduleDraft::MonthlyKind::NthWeekday;
    draft.position = 5;
    draft.weekday = 4;
    draft.daysInAdvance = 6;
    evaluateOverAYear(state, rowFor(draft));
}

void BM_MonthlySecondWeekday(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(3);
    draft.monthlyKind = qb::ScheduleDraft::MonthlyKind::NthWeekday;
    draft.position = 2;
    draft.weekday = 1;
    draft.daysInAdvance = 3;
    evaluateOverAYear(state, rowFor(draft));
}

// Four groups, none of which matches on most days, so every group is read.
void BM_YearlyFourGroups(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(4);
    draft.yearlyRows = {{{29, 2}, {24, 12}, {1, 7}, {15, 5}}};
    draft.daysInAdvance = 5;
    evaluateOverAYear(state, rowFor(draft));
}

// Reading a row from its columns, as the ticker does for every row at every rebuild.
void BM_NoteRowFromColumns(benchmark::State& state)
{
    qb::ScheduleDraft draft = baseDraft(3);
    draft.monthlyKind = qb::ScheduleDraft::MonthlyKind::NthWeekday;
    draft.position = 5;
    qb::NoteColumns columns = qb::scheduleColumns(draft);
    columns.insert(qb::NoteRow::colID, 42);
    columns.insert(qb::NoteRow::colInhalt, QStringLiteral("Team meeting in room 4"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            qb::NoteRow::fromColumns([&](const QString& column) { return columns.value(column); }));
    }
}

} // namespace

BENCHMARK(BM_Permanent);
BENCHMARK(BM_Daily);
BENCHMARK(BM_Weekly);
BENCHMARK(BM_MonthlyDayOfMonth);
BENCHMARK(BM_MonthlyLastWeekday);
BENCHMARK(BM_MonthlySecondWeekday);
BENCHMARK(BM_YearlyFourGroups);
BENCHMARK(BM_NoteRowFromColumns);

BENCHMARK_MAIN();
