#pragma once

#include "core/Settings.h"
#include "editor/ui/NoteWindowContext.h"
#include "platform/Clock.h"
#include "support/OpenNotes.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"

#include <QTest>

namespace qb::test {

// What the note windows need, around a fresh database file: English captions, a German
// locale (dates "04.12.2026"), Friday 4 December 2026 as today, the band at the top.
struct NoteWindowBench
{
    TemplateCopy file;
    OpenNotes open{file.path()};
    Settings settings;
    ScriptedPlatform platform;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(10, 0))};
    RawSql sql{file.path()};

    NoteWindowBench() { settings.Sprache = 1; }
    NoteWindowContext context(int tickerTopTwips = 0)
    {
        return {settings,   platform,       clock,
                open.notes, tickerTopTwips, QLocale(QLocale::German, QLocale::Germany)};
    }
    // One row of Notizen as "inhalt|Rhythmus|UhrVon|UhrBis|StartDatum|Dauer|Vorher|RhyDetails".
    QString stored(qint64 id)
    {
        return sql
            .scalar(QStringLiteral("SELECT inhalt || '|' || Rhythmus || '|' || ifnull(UhrVon, '') "
                                   "|| '|' || ifnull(UhrBis, '') || '|' || ifnull(StartDatum, '') "
                                   "|| '|' || ifnull(Dauer, '') || '|' || ifnull(Vorher, '') || "
                                   "'|' || ifnull(RhyDetails, '') FROM Notizen WHERE ID = %1")
                        .arg(id))
            .toString();
    }
    qint64 lastId()
    {
        return sql.scalar(QStringLiteral("SELECT max(ID) FROM Notizen")).toLongLong();
    }
    int rows() { return sql.scalar(QStringLiteral("SELECT count(*) FROM Notizen")).toInt(); }
};

template <class T = QWidget> T* child(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

} // namespace qb::test
