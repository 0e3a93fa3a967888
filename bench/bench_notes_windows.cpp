#include "admin/ui/Verwaltung.h"
#include "editor/ui/Notizen.h"
#include "support/NoteWindowBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

namespace {

using namespace qb;

// A database of 10,000 notes, a hundred of them 100 kB long, written in one transaction.
test::NoteWindowBench& filledBench()
{
    static test::NoteWindowBench bench;
    static bool filled = false;
    if (!filled) {
        const QString word = QStringLiteral("Maintenance window for the mail server, ");
        const QString huge = word.repeated(100 * 1024 / word.size());
        bench.sql.exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < 10000; ++i) {
            const QString text = i % 100 == 0 ? huge : word + QString::number(i);
            bench.sql.exec(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus, UhrVon, UhrBis, "
                                          "StartDatum, Vorher, RhyDetails) "
                                          "VALUES (?, 3, 0.3, 0.7, '2026-01-05', 2, '254')"),
                           {text});
        }
        bench.sql.exec(QStringLiteral("COMMIT"));
        filled = true;
    }
    return bench;
}

void fillAdministration(benchmark::State& state)
{
    test::NoteWindowBench& bench = filledBench();
    for (auto _ : state) {
        Verwaltung window(bench.context());
        benchmark::DoNotOptimize(window.findChild<QListWidget*>()->count());
    }
}
BENCHMARK(fillAdministration)->Unit(benchmark::kMillisecond);

// The editor on a stored monthly note of 100 kB, built and shown.
void openEditor(benchmark::State& state)
{
    test::NoteWindowBench& bench = filledBench();
    bench.open.notes.findLast(QStringLiteral("ID = 1"));
    for (auto _ : state) {
        Notizen editor(bench.context(), true);
        editor.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(openEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
