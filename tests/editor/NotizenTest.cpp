#include "editor/ui/Notizen.h"
#include "platform/Colour.h"
#include "support/NoteWindowBench.h"
#include "support/Wording.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace qb::test {

namespace {

// The checked options and the visible detail panel, in a line.
QString chosen(const Notizen& editor)
{
    QStringList names;
    for (const char* group :
         {"ZeitArtOpt(%1)", "UhrArtOpt(%1)", "RhythmusOpt(%1)", "MonArtOpt(%1)", "MoPosOpt(%1)"}) {
        for (int i = 0; i <= 5; ++i) {
            const auto* option = editor.findChild<QRadioButton*>(QString::fromLatin1(group).arg(i));
            if (option && option->isChecked())
                names << option->objectName();
        }
    }
    for (int k = 2; k <= 4; ++k) {
        if (child(editor, QStringLiteral("RhyArtPan(%1)").arg(k))->isVisible())
            names << QStringLiteral("RhyArtPan(%1)").arg(k);
    }
    return names.join(QLatin1Char(' '));
}

void click(const Notizen& editor, const QString& name)
{
    QTest::mouseClick(child(editor, name), Qt::LeftButton, {}, QPoint(4, 4));
}

// Focus into a field (its text selected), type, and Tab out of it.
void typeAndLeave(const Notizen& editor, const QString& name, const QString& keys)
{
    auto* field = child<QLineEdit>(editor, name);
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    if (keys.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

QString meldung(const Notizen& editor)
{
    return child<QLabel>(editor, QStringLiteral("MeldungPan"))->text();
}

} // namespace

class NotizenTest : public QObject
{
    Q_OBJECT

private:
    NoteWindowBench bench;
    std::unique_ptr<Notizen> editor;
    QStringList activation; // the platform calls of showing the window

    // An editor on the stored row (bearbeiten) or on a new note, shown and active.
    Notizen& open(const QString& row = {})
    {
        if (!row.isEmpty()) {
            bench.sql.exec(QStringLiteral("INSERT INTO Notizen (ID, inhalt, Rhythmus, UhrVon, "
                                          "UhrBis, StartDatum, Dauer, Vorher, RhyDetails) "
                                          "VALUES (%1)")
                               .arg(row));
            bench.open.notes.findLast(QStringLiteral("ID = 1"));
        }
        editor = std::make_unique<Notizen>(bench.context(), !row.isEmpty());
        editor->show();
        editor->activateWindow();
        if (!QTest::qWaitForWindowActive(editor.get()))
            qWarning("editor not active");
        activation = std::exchange(bench.platform.calls, {});
        return *editor;
    }

private slots:
    void init() { bench.sql.exec(QStringLiteral("DELETE FROM Notizen")); }
    void cleanup()
    {
        editor.reset();
        bench.platform.calls.clear();
        bench.settings.Sprache = 1;
        bench.settings.ImmerOben = false;
    }

    // A stored row of each rhythm shows exactly its options and its detail panel, and the
    // controls read back as the row's form.
    void loadsEachRhythm_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("shown");
        QTest::newRow("daily 08:00-09:00")
            << "1, 'd', 1, 0.333333333333333, 0.375, NULL, NULL, NULL, NULL"
            << "ZeitArtOpt(1) UhrArtOpt(1) RhythmusOpt(1) MonArtOpt(1)";
        QTest::newRow("weekly on two weekdays")
            << "1, 'w', 2, 0, 0, '2026-12-07', 6, NULL, '-1 0-1 0 0 0 0'"
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(2) MonArtOpt(1) RhyArtPan(2)";
        QTest::newRow("monthly day 31")
            << "1, 'm', 3, 0, 0, '2026-12-04', NULL, 2, '131'"
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(3) MonArtOpt(1) RhyArtPan(3)";
        QTest::newRow("monthly last Friday")
            << "1, 'm', 3, 0, 0, '2026-12-04', NULL, 3, '254'"
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(3) MonArtOpt(2) MoPosOpt(5) RhyArtPan(3)";
        QTest::newRow("yearly rows 1 and 3 stored as two groups")
            << "1, 'y', 4, 0, 0, '2026-12-04', NULL, 0, '01012412'"
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(4) MonArtOpt(1) RhyArtPan(4)";
        QTest::newRow("permanent") << "1, 'p', 0, 0.5, 0.6, NULL, NULL, NULL, NULL"
                                   << "ZeitArtOpt(0) UhrArtOpt(0) RhythmusOpt(1) MonArtOpt(1)";
    }
    void loadsEachRhythm()
    {
        QFETCH(QString, row);
        QFETCH(QString, shown);
        Notizen& e = open(row);
        QCOMPARE(chosen(e), shown);
        const NoteRow stored = NoteRow::fromColumns(
            [this](const QString& column) { return bench.open.notes.value(column); });
        QCOMPARE(e.form(), storedNoteForm(stored, QDate(2026, 12, 4),
                                          QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(child(e, QStringLiteral("Notiz"))->hasFocus());
    }

    void reactions_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("typed"); // "field=keys"
        QTest::addColumn<QString>("shown");
        const QString monthlyDay = "1, 'm', 3, 0, 0, '2026-12-04', NULL, 0, '15'";
        QTest::newRow("permanent, then time control: daily, no details")
            << monthlyDay << QStringList{"ZeitArtOpt(0)", "ZeitArtOpt(1)"} << QString()
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(1) MonArtOpt(1)";
        QTest::newRow("both time fields cleared: whole day")
            << "1, 'd', 1, 0.25, 0.5, NULL, NULL, NULL, NULL" << QStringList()
            << "Uhrzeit(1)=;Uhrzeit(2)="
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(1) MonArtOpt(1)";
        QTest::newRow("a position chooses the n-th weekday")
            << monthlyDay << QStringList{"MoPosOpt(2)"} << QString()
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(3) MonArtOpt(2) MoPosOpt(2) RhyArtPan(3)";
        QTest::newRow("a day of the month clears the position")
            << "1, 'm', 3, 0, 0, '2026-12-04', NULL, 0, '213'" << QStringList() << "TagZahlMon=9"
            << "ZeitArtOpt(1) UhrArtOpt(0) RhythmusOpt(3) MonArtOpt(1) RhyArtPan(3)";
        QTest::newRow("a time typed: from/to")
            << monthlyDay << QStringList() << "Uhrzeit(2)=9"
            << "ZeitArtOpt(1) UhrArtOpt(1) RhythmusOpt(3) MonArtOpt(1) RhyArtPan(3)";
    }
    void reactions()
    {
        QFETCH(QString, row);
        QFETCH(QStringList, clicks);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Notizen& e = open(row);
        for (const QString& name : clicks)
            click(e, name);
        for (const QString& entry : typed.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            typeAndLeave(e, entry.section(QLatin1Char('='), 0, 0),
                         entry.section(QLatin1Char('='), 1));
        QCOMPARE(chosen(e), shown);
    }

    // Each field takes its characters only and does its own check on leaving.
    void entryFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("8 o'clock") << "Uhrzeit(1)"
                                   << "8"
                                   << "08:00"
                                   << "";
        QTest::newRow("25 o'clock") << "Uhrzeit(2)"
                                    << "25"
                                    << "25"
                                    << "Invalid time format.";
        QTest::newRow("letters swallowed") << "Uhrzeit(1)"
                                           << "7a:b3"
                                           << "07:03"
                                           << "";
        QTest::newRow("emptied first date") << "ErstDatumWoc"
                                            << ""
                                            << "04.12.2026"
                                            << "";
        QTest::newRow("short date") << "ErstDatumMon"
                                    << "1.2."
                                    << "01.02.2026"
                                    << "";
        QTest::newRow("no such date") << "ErstDatumJah"
                                      << "31.4"
                                      << "31.4"
                                      << "Invalid date.";
        QTest::newRow("five-digit year refused, not cut") << "ErstDatumWoc"
                                                          << "01.01.10000"
                                                          << "01.01.10000"
                                                          << "Invalid date.";
        QTest::newRow("emptied weeks") << "DauerWoc"
                                       << ""
                                       << "0"
                                       << "";
        QTest::newRow("emptied day of month") << "TagZahlMon"
                                              << ""
                                              << "4"
                                              << "";
        QTest::newRow("digits only, two at most") << "TagZahlJahr(2)"
                                                  << "x123"
                                                  << "12"
                                                  << "";
    }
    void entryFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Notizen& e = open();
        click(e, QStringLiteral("ZeitArtOpt(1)"));
        click(e, QStringLiteral("RhythmusOpt(%1)")
                     .arg(field.contains("Woc")   ? 2
                          : field.contains("Mon") ? 3
                                                  : 4));
        auto* edit = child<QLineEdit>(e, field);
        typeAndLeave(e, field, keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(meldung(e), message);
        QCOMPARE(edit->hasFocus(), !message.isEmpty());
        QCOMPARE(edit->palette().color(QPalette::Base),
                 colour::classic(message.isEmpty() ? 15 : 11));
        QCOMPARE(bench.platform.calls.contains("beep"), !message.isEmpty());
        QTest::keyClick(edit, Qt::Key_Home);
        QCOMPARE(meldung(e), QString()); // the next key clears the message line
    }

    // Errors show in the message line in the window's language, with the focus on the
    // field concerned; nothing is written.
    void saveErrors_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("blank text") << 2 << "1, '   ', 0, 0, 0, NULL, NULL, NULL, NULL"
                                    << ""
                                    << "Notiztext fehlt."
                                    << "Notiz";
        QTest::newRow("yearly day without month")
            << 2 << "1, 'y', 4, 0, 0, '2026-12-04', NULL, 0, '0101'"
            << "TagZahlJahr(2)=5"
            << "Monat fehlt."
            << "MonatJah(2)";
        QTest::newRow("first date never left")
            << 1 << "1, 'w', 2, 0, 0, '2026-12-07', 0, NULL, '-1 0 0 0 0 0 0'"
            << ""
            << "Invalid date."
            << "ErstDatumWoc";
    }
    void saveErrors()
    {
        QFETCH(int, sprache);
        QFETCH(QString, row);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        bench.settings.Sprache = static_cast<qint16>(sprache);
        Notizen& e = open(row);
        if (!typed.isEmpty())
            typeAndLeave(e, typed.section('=', 0, 0), typed.section('=', 1));
        if (focus == "ErstDatumWoc") // typed, and Save pressed by its key without leaving
            child<QLineEdit>(e, focus)->setText(QStringLiteral("32.13"));
        const QString before = bench.stored(1);
        click(e, QStringLiteral("OkBef"));
        QCOMPARE(meldung(e), message);
        QVERIFY(child(e, focus)->hasFocus());
        QVERIFY(e.isVisible());
        QCOMPARE(bench.stored(1), before);
    }

    // A question's answer: Yes stores what it proposes, No writes nothing.
    void questions_data()
    {
        QTest::addColumn<QString>("times"); // from;to
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("both missing, Yes: whole day")
            << ";" << true << "beep|message Start and end time missing -\n\nShow note full-time?"
            << "Note|1|0.0|0.0||||";
        QTest::newRow("both missing, No") << ";" << false
                                          << "beep|message Start and end time "
                                             "missing -\n\nShow note full-time?"
                                          << "";
        QTest::newRow("start missing, Yes: from midnight")
            << ";12" << true << "beep|message Start time missing -\n\nShow note from midnight?"
            << "Note|1|0.0|0.5||||";
    }
    void questions()
    {
        QFETCH(QString, times);
        QFETCH(bool, yes);
        QFETCH(QString, asked);
        QFETCH(QString, stored);
        Notizen& e = open();
        QTest::keyClicks(child(e, QStringLiteral("Notiz")), QStringLiteral("Note"));
        click(e, QStringLiteral("ZeitArtOpt(1)"));
        click(e, QStringLiteral("UhrArtOpt(1)"));
        child<QLineEdit>(e, QStringLiteral("Uhrzeit(2)"))->setText(times.section(';', 1));
        bench.platform.messageAnswers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
        click(e, QStringLiteral("OkBef"));
        QCOMPARE(bench.platform.calls.join('|'), asked);
        QCOMPARE(bench.platform.dialogs.back().buttons, MessageButtons::YesNo);
        QCOMPARE(bench.platform.dialogs.back().icon, MessageIcon::Question);
        QCOMPARE(bench.stored(bench.lastId()), stored);
        QCOMPARE(e.isVisible(), !yes);
        if (!yes)
            QCOMPARE(chosen(e), QStringLiteral("ZeitArtOpt(1) UhrArtOpt(1) RhythmusOpt(1) "
                                               "MonArtOpt(1)"));
    }

    // Every caption against its wording in both languages, not against the window's table.
    void captionsInBothLanguages()
    {
        static constexpr Wording captions[] = {
            {"windowTitle", u"Quillaband - Notiz bearbeiten", u"Quillaband - Edit note"},
            {"ZeitArtOpt(0)", u"Notiz permanent anzeigen", u"Show note permanently"},
            {"ZeitArtOpt(1)", u"Notiz mit Zeitsteuerung", u"Note with date/time options"},
            {"UhrArtOpt(0)", u"Ganztags", u"Whole day"},
            {"UhrArtOpt(1)", u"Von", u"From"},
            {"zzzPanel(25)", u"bis", u"to"},
            {"zzzPanel(26)", u"Uhr", u""},
            {"RhythmusOpt(1)", u"Täglich", u"Daily"},
            {"RhythmusOpt(2)", u"Wöchentlich", u"Weekly"},
            {"RhythmusOpt(3)", u"Monatlich", u"Monthly"},
            {"RhythmusOpt(4)", u"Jährlich", u"Yearly"},
            {"WoTagChe(1)", u"Montags", u"on Mondays"},
            {"WoTagChe(2)", u"Dienstags", u"on Tuesdays"},
            {"WoTagChe(3)", u"Mittwochs", u"on Wednesdays"},
            {"WoTagChe(4)", u"Donnerstags", u"on Thursdays"},
            {"WoTagChe(5)", u"Freitags", u"on Fridays"},
            {"WoTagChe(6)", u"Samstags", u"on Saturdays"},
            {"WoTagChe(7)", u"Sonntags", u"on Sundays"},
            {"zzzPanel(0)", u"Erstmals am", u"First time on"},
            {"zzzPanel(1)", u"Dauer", u"Duration"},
            {"zzzPanel(2)", u"Woche(n)", u"Week(s)"},
            {"zzzPanel(3)", u"Ohne Endtermin: 0", u"No final date: 0"},
            {"OkBef", u"&Speichern", u"&Save"},
            {"AbbrechenBef", u"Abbrechen", u"Cancel"},
            {"zzzPanel(4)", u"Jeden", u"Each"},
            {"zzzPanel(5)", u". des Monats", u". of month"},
            {"zzzPanel(7)", u"Jeden", u"Each"},
            {"MoPosOpt(1)", u"ersten", u"first"},
            {"MoPosOpt(2)", u"zweiten", u"second"},
            {"MoPosOpt(3)", u"dritten", u"third"},
            {"MoPosOpt(4)", u"vierten", u"fourth"},
            {"MoPosOpt(5)", u"letzten", u"last"},
            {"zzzPanel(6)", u"des Monats", u"of month"},
            {"zzzPanel(10)", u"Beginnend", u"Starting"},
            {"zzzPanel(11)", u"Tage vorher", u"days earlier"},
            {"zzzPanel(12)", u"Erstmals am", u"First time on"},
            {"zzzPanel(13)", u"Jeden", u"Each"},
            {"zzzPanel(14)", u"des Jahres", u"of year"},
            {"zzzPanel(15)", u"und jeden", u"and each"},
            {"zzzPanel(16)", u"des Jahres", u"of year"},
            {"zzzPanel(17)", u"und jeden", u"and each"},
            {"zzzPanel(18)", u"des Jahres", u"of year"},
            {"zzzPanel(19)", u"und jeden", u"and each"},
            {"zzzPanel(20)", u"des Jahres", u"of year"},
            {"zzzPanel(21)", u"Beginnend", u"Starting"},
            {"zzzPanel(22)", u"Tage vorher", u"days earlier"},
            {"zzzPanel(23)", u"Erstmals am", u"First time on"},
        };
        for (const int sprache : {1, 2}) {
            bench.settings.Sprache = static_cast<qint16>(sprache);
            Notizen& e = open();
            compareShown(e, captions, sprache);
            QCOMPARE(child<QComboBox>(e, QStringLiteral("MonatJah(3)"))->itemText(2),
                     sprache == 1 ? QStringLiteral("March") : QStringLiteral("März"));
            QCOMPARE(child<QComboBox>(e, QStringLiteral("WoTagCom"))->itemText(3),
                     sprache == 1 ? QStringLiteral("Thursday") : QStringLiteral("Donnerstag"));
        }
    }

    // Saving into a locked file keeps the window and the text and says why, whole; once the
    // lock is gone the same save goes through. A note deleted meanwhile is not written anew.
    void storeFailures()
    {
        Notizen& e = open(QStringLiteral("1, 'old', 0, 0, 0, NULL, NULL, NULL, NULL"));
        QTest::keyClicks(child(e, QStringLiteral("Notiz")), QStringLiteral(" new"));
        RawSql locker(bench.file.path());
        bench.open.db.connection().exec(QStringLiteral("PRAGMA busy_timeout = 0"));
        QCOMPARE(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
        click(e, QStringLiteral("OkBef"));
        QCOMPARE(meldung(e), QStringLiteral("The note could not be stored. Another program holds "
                                            "the notes file locked: close it or wait, then try "
                                            "again."));
        const auto* line = child<QLabel>(e, QStringLiteral("MeldungPan"));
        QVERIFY(line->height() >= line->heightForWidth(line->width())); // whole, not cut
        QVERIFY(bench.platform.calls.contains("beep"));
        QVERIFY(e.isVisible());
        locker.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(bench.stored(1), QStringLiteral("old|0|0.0|0.0||||"));
        click(e, QStringLiteral("OkBef"));
        QVERIFY(!e.isVisible());
        QCOMPARE(bench.stored(1), QStringLiteral("old new|0|0.0|0.0||||"));

        Notizen& again = open(QStringLiteral("2, 'other', 0, 0, 0, NULL, NULL, NULL, NULL"));
        bench.sql.exec(QStringLiteral("DELETE FROM Notizen WHERE ID = 1"));
        click(again, QStringLiteral("OkBef"));
        QCOMPARE(meldung(again), QStringLiteral("Datensatz nicht gefunden"));
        QCOMPARE(bench.rows(), 1);
    }

    // 5040 twips wide, centred; below a band at the top, otherwise 200 twips above the band;
    // on the primary screen also when it does not start at the desktop's origin.
    void placement()
    {
        for (const QPoint origin : {QPoint(0, 0), QPoint(1280, 200)}) {
            bench.platform.screenOrigin = origin;
            for (const int tickerTop : {0, 15000}) {
                editor = std::make_unique<Notizen>(bench.context(tickerTop), false);
                QCOMPARE(editor->width(), 336);
                QCOMPARE(
                    editor->pos() - origin,
                    QPoint((1920 - 336) / 2, tickerTop == 0 ? 13 : 1000 - editor->height() - 13));
            }
        }
        bench.platform.screenOrigin = {};
    }

    // Keyboard only: Tab walks the panels top to bottom (an option group is one stop, its
    // options are chosen with the arrow keys), and Space presses the focused Save.
    void tabOrder()
    {
        Notizen& e = open(QStringLiteral("1, 'm', 3, 0, 0, '2026-12-04', NULL, 0, '253'"));
        QStringList order;
        for (int i = 0; i < 14; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(' '),
                 QStringLiteral("Notiz ZeitArtOpt(0) UhrArtOpt(0) Uhrzeit(1) Uhrzeit(2) "
                                "RhythmusOpt(1) MonArtOpt(1) TagZahlMon MoPosOpt(1) WoTagCom "
                                "VorherMon ErstDatumMon OkBef AbbrechenBef"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Notiz"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!e.isVisible());
    }

    // Showing puts the window on top by ImmerOben. Esc closes without writing; F1 opens the
    // help page; Enter adds nothing to the text.
    void keys()
    {
        bench.settings.ImmerOben = true;
        Notizen& e = open();
        QCOMPARE(activation, QStringList{"topmost on"});
        QWidget* notiz = child(e, QStringLiteral("Notiz"));
        QTest::keyClicks(notiz, QStringLiteral("ab"));
        QTest::keyClick(notiz, Qt::Key_Return);
        QTest::keyClick(notiz, Qt::Key_F1);
        QCOMPARE(child<QPlainTextEdit>(e, QStringLiteral("Notiz"))->toPlainText(),
                 QStringLiteral("ab"));
        QCOMPARE(bench.platform.calls, QStringList{"openDocument start-e.htm"});
        QTest::keyClick(notiz, Qt::Key_Escape);
        QVERIFY(!e.isVisible());
        QCOMPARE(bench.rows(), 0);
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::NotizenTest)
#include "NotizenTest.moc"
