// Cost of a whole ticker rebuild against the floor set by the database driver: a bare
// forward-only scan of every column of the same rows. Both files hold 10 000 notes in
// a mix of rhythms as the editor writes them, with texts of 20 to 200 characters.
#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "schedule/ScheduleDraft.h"
#include "ticker/NoteWalk.h"
#include "ticker/TickerRebuild.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int notesPerFile = 10'000;
const QDateTime moment(QDate(2026, 3, 10), QTime(12, 0));

// One note of the mix: about 15 % permanent, 25 % daily (half with a window), 25 %
// weekly, 10 % monthly by day, 10 % monthly by weekday, 15 % yearly.
qb::ScheduleDraft randomSchedule(std::mt19937& random)
{
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    qb::ScheduleDraft draft;
    const int kind = pick(0, 99);
    draft.rhythm = kind < 15 ? 0 : kind < 40 ? 1 : kind < 65 ? 2 : kind < 85 ? 3 : 4;
    draft.wholeDay = pick(0, 1) == 0;
    draft.fromMinutes = pick(0, 719);
    draft.toMinutes = draft.fromMinutes + pick(1, 720);
    draft.firstDate = QDate(2025, 1, 1).addDays(pick(0, 500));
    for (bool& day : draft.weekdays)
        day = pick(0, 2) == 0;
    draft.weekdays[static_cast<std::size_t>(pick(0, 6))] = true;
    draft.weeks = pick(0, 1) == 0 ? 0 : pick(1, 52);
    draft.monthlyKind = kind < 75 ? qb::ScheduleDraft::MonthlyKind::DayOfMonth
                                  : qb::ScheduleDraft::MonthlyKind::NthWeekday;
    draft.dayOfMonth = pick(1, 31);
    draft.position = pick(1, 5);
    draft.weekday = pick(0, 6);
    for (int row = 0, rows = pick(1, 4); row < rows; ++row)
        draft.yearlyRows[static_cast<std::size_t>(row)] = {pick(1, 28), pick(1, 12)};
    draft.daysInAdvance = pick(0, 7);
    return draft;
}

QString randomText(std::mt19937& random)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz "
                                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ äöüß·0123456789");
    const int length = std::uniform_int_distribution<int>(20, 200)(random);
    std::uniform_int_distribution<int> letter(0, static_cast<int>(letters.size()) - 1);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += letters[letter(random)];
    return text;
}

void fail(const QString& message)
{
    std::fprintf(stderr, "bench_rebuild: %s\n", qPrintable(message));
    std::exit(1);
}

// A copy of the template with notesPerFile notes, written in one transaction.
void fillDatabase(const QString& path, unsigned seed)
{
    if (!QFile::copy(QStringLiteral(QB_TEMPLATE_PATH), path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
        fail(QStringLiteral("cannot copy the template to %1").arg(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction())
            fail(QStringLiteral("cannot open %1").arg(path));
        std::mt19937 random(seed);
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus, UhrVon, UhrBis, "
                                      "StartDatum, Dauer, Vorher, RhyDetails) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < notesPerFile; ++i) {
            const qb::NoteColumns columns = qb::scheduleColumns(randomSchedule(random));
            insert.addBindValue(randomText(random));
            for (const char* column :
                 {"Rhythmus", "UhrVon", "UhrBis", "StartDatum", "Dauer", "Vorher", "RhyDetails"})
                insert.addBindValue(columns.value(QLatin1String(column)));
            if (!insert.exec())
                fail(QStringLiteral("cannot insert into %1").arg(path));
        }
        if (!db.commit())
            fail(QStringLiteral("cannot commit %1").arg(path));
    }
    QSqlDatabase::removeDatabase(path);
}

// The two files, made once for all benchmarks of the run.
struct Files
{
    QTemporaryDir dir;
    QString local = dir.filePath(QStringLiteral("qb.kvl"));
    QString broadcast = dir.filePath(QStringLiteral("broadcast.kvl"));

    Files()
    {
        fillDatabase(local, 1);
        fillDatabase(broadcast, 2);
    }
};

const Files& files()
{
    static const Files made;
    return made;
}

// The floor: every column of every row of both files, forward-only through Qt SQL.
void BM_BareScan(benchmark::State& state)
{
    QList<QSqlDatabase> connections;
    for (const QString& path : {files().broadcast, files().local}) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        if (!db.open())
            fail(QStringLiteral("cannot open %1").arg(path));
        connections << db;
    }
    qint64 rows = 0;
    for (auto _ : state) {
        for (const QSqlDatabase& db : connections) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT * FROM Notizen"));
            const int columns = query.record().count();
            while (query.next()) {
                for (int i = 0; i < columns; ++i)
                    benchmark::DoNotOptimize(query.value(i));
                ++rows;
            }
        }
    }
    state.SetItemsProcessed(rows);
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
    connections.clear();
    for (const QString& path : {files().broadcast, files().local})
        QSqlDatabase::removeDatabase(path);
}
BENCHMARK(BM_BareScan)->Unit(benchmark::kMillisecond);

// A receiver with own notes allowed, set up as the ticker sets it up.
struct Receiver
{
    qb::AppContext context;

    Receiver()
    {
        QString reason;
        if (!context.openLocal(files().local, reason))
            fail(reason);
        qb::EinstellungenLaden(context.localEinstellungen, context.settings);
        context.settings.broadcastStatus = true;
        context.settings.broadcastPfad = files().broadcast;
        if (!context.BroadcastOeffnen())
            fail(context.broadcast.error());
        context.settings.eigeneErlauben = true;
    }
};

// The whole rebuild: both record sets walked, every row read and evaluated, the text
// assembled.
void BM_Rebuild(benchmark::State& state)
{
    Receiver receiver;
    qint64 entries = 0;
    for (auto _ : state) {
        qb::TickerAssembly assembly;
        qb::RebuildState rebuild;
        qb::rebuildTicker(receiver.context, moment, assembly, rebuild);
        entries += assembly.Eintraege.size();
        benchmark::DoNotOptimize(assembly.TickerText.size());
    }
    state.SetItemsProcessed(state.iterations() * 2 * notesPerFile);
    state.counters["due"] = static_cast<double>(entries) / static_cast<double>(state.iterations());
    if (!receiver.context.settings.eigeneErlauben || entries == 0)
        fail(QStringLiteral("the rebuild did not walk both files"));
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond);

// The record-set walk alone, every column read by name: the rebuild without evaluation.
void BM_RecordSetWalk(benchmark::State& state)
{
    Receiver receiver;
    static const QStringList columns{"ID",         "inhalt", "Rhythmus", "UhrVon",    "UhrBis",
                                     "StartDatum", "Dauer",  "Vorher",   "RhyDetails"};
    for (auto _ : state) {
        for (qb::RecordSet* notes :
             {&receiver.context.broadcastNotizen, &receiver.context.localNotizen}) {
            for (notes->first(); !notes->atEnd(); notes->next()) {
                for (const QString& column : columns)
                    benchmark::DoNotOptimize(notes->value(column));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 2 * notesPerFile);
}
BENCHMARK(BM_RecordSetWalk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
