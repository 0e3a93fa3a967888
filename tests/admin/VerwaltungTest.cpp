#include "admin/ui/Verwaltung.h"
#include "admin/ListLine.h"
#include "editor/ui/Notizen.h"
#include "platform/Twips.h"
#include "support/NoteWindowBench.h"
#include "support/Wording.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace qb::test {

class VerwaltungTest : public QObject
{
    Q_OBJECT

private:
    NoteWindowBench bench;
    std::unique_ptr<Verwaltung> window;

    Verwaltung& open(const QStringList& texts)
    {
        bench.sql.exec(QStringLiteral("DELETE FROM Notizen"));
        bench.open.add(texts);
        window = std::make_unique<Verwaltung>(bench.context());
        window->show();
        return *window;
    }
    QListWidget* liste() const { return child<QListWidget>(*window, QStringLiteral("Liste")); }
    QPushButton* button(const char* name) const
    {
        return child<QPushButton>(*window, QString::fromLatin1(name));
    }
    void mark(std::initializer_list<int> lines) const
    {
        liste()->clearSelection();
        for (const int line : lines)
            liste()->item(line)->setSelected(true);
    }
    QStringList texts()
    {
        QStringList all;
        for (int id = 1; id <= bench.lastId(); ++id)
            all << bench.stored(id).section(QLatin1Char('|'), 0, 0);
        all.removeAll(QString());
        return all;
    }
    // Runs `action`, which opens the editor modally, and gives back the editor's note text;
    // the editor is cancelled.
    QString editedText(const std::function<void()>& action)
    {
        QString seen = QStringLiteral("<no editor>");
        QTimer::singleShot(0, this, [&seen] {
            if (auto* editor = qobject_cast<Notizen*>(QApplication::activeModalWidget())) {
                seen = child<QPlainTextEdit>(*editor, QStringLiteral("Notiz"))->toPlainText();
                editor->reject();
            }
        });
        action();
        return seen;
    }

private slots:
    void cleanup()
    {
        window.reset();
        bench.settings.Sprache = 1;
        bench.platform.calls.clear();
    }

    // A text that fits stands whole; a longer one is cut to the list width less 500 twips
    // in the window's font, with "..."; the ID follows ten tabs, also after a tab of its own.
    void listLines()
    {
        const QString longText = QStringLiteral("A note much wider than the list of notes, "
                                                "which is cut where the list ends. ")
                                     .repeated(3);
        open({"short", longText, "with\ta tab"});
        const QFontMetrics metrics(liste()->font());
        const int limit = 5280 - Verwaltung::lineMarginTwips;
        const auto width = [&](const QString& text) {
            return twips::fromPixels(metrics.horizontalAdvance(text));
        };
        const QString tabs(10, QLatin1Char('\t'));
        QCOMPARE(liste()->item(0)->text(), QStringLiteral("short") + tabs + "1");
        const QString cut = liste()->item(1)->text().section(tabs, 0, 0);
        QVERIFY(cut.endsWith(QStringLiteral("...")));
        const QString kept = cut.chopped(3);
        QVERIFY(width(kept) <= limit);
        QVERIFY(width(longText.left(kept.size() + 1)) > limit);
        QCOMPARE(idFromLine(liste()->item(2)->text()), 3);
        QVERIFY(!button("BearbeitenBef")->isEnabled() && !button("LoeschenBef")->isEnabled());
    }

    // Left at 2050 twips; below a band at the top, otherwise 200 twips above the screen's
    // bottom; the client area 5445 by 6885 twips; on the primary screen wherever it lies.
    void placement()
    {
        for (const QPoint origin : {QPoint(0, 0), QPoint(0, -1080)}) {
            bench.platform.screenOrigin = origin;
            for (const int tickerTop : {0, 15000}) {
                Verwaltung w(bench.context(tickerTop));
                QCOMPARE(w.geometry().translated(-origin),
                         QRect(137, tickerTop == 0 ? 13 : 1080 - 459 - 13, 363, 459));
            }
        }
        bench.platform.screenOrigin = {};
    }

    void emptyTableLeavesButtonsDisabled()
    {
        open({});
        QCOMPARE(liste()->count(), 0);
        liste()->selectAll();
        QVERIFY(!button("BearbeitenBef")->isEnabled() && !button("LoeschenBef")->isEnabled());
    }

    // Of lines 2 and 5 the editor opens line 2, and line 5 is no longer marked; a
    // double-click opens its own line.
    void editsTheFirstMarkedNote()
    {
        open({"one", "two", "three", "four", "five"});
        mark({1, 4});
        QVERIFY(button("BearbeitenBef")->isEnabled());
        QCOMPARE(editedText([this] { button("BearbeitenBef")->click(); }), QStringLiteral("two"));
        QVERIFY(!button("BearbeitenBef")->isEnabled() && !button("LoeschenBef")->isEnabled());
        QCOMPARE(liste()->count(), 5);

        const QRect four = liste()->visualItemRect(liste()->item(3));
        QCOMPARE(editedText([&] {
                     QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {}, four.center());
                     QTest::mouseDClick(liste()->viewport(), Qt::LeftButton, {}, four.center());
                 }),
                 QStringLiteral("four"));
    }

    // Captions and the delete question word for word in both languages.
    void wordingInBothLanguages()
    {
        static constexpr Wording captions[] = {
            {"windowTitle", u"Quillaband - Notizverwaltung", u"Quillaband - Notes administration"},
            {"BearbeitenBef", u"&Erste markierte Notiz bearbeiten", u"&Edit first selected note"},
            {"LoeschenBef", u"Markierte Notizen &löschen", u"De&lete selected notes"},
            {"EndeBef", u"S&chließen", u"&Close"},
        };
        const Wording question{"", u"Markierte Notizen wirklich löschen?",
                               u"Really delete seleted notes?"};
        for (const int sprache : {1, 2}) {
            bench.settings.Sprache = static_cast<qint16>(sprache);
            open({"one"});
            compareShown(*window, captions, sprache);
            mark({0});
            bench.platform.messageAnswers = {MessageAnswer::No};
            button("LoeschenBef")->click();
            QCOMPARE(bench.platform.dialogs.back().text, question.in(sprache));
        }
    }

    // Yes deletes exactly the marked notes, bottom-up; No changes nothing.
    void deletesTheMarkedNotes()
    {
        open({"one", "two", "three", "four", "five"});
        mark({0, 2, 4});
        bench.platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
        button("LoeschenBef")->click();
        QCOMPARE(texts(), (QStringList{"one", "two", "three", "four", "five"}));
        button("LoeschenBef")->click();
        QCOMPARE(bench.platform.calls, (QStringList{"message Really delete seleted notes?",
                                                    "message Really delete seleted notes?"}));
        // Yes and No with the exclamation icon.
        QCOMPARE(bench.platform.dialogs.back().buttons, MessageButtons::YesNo);
        QCOMPARE(bench.platform.dialogs.back().icon, MessageIcon::Warning);
        QCOMPARE(texts(), (QStringList{"two", "four"}));
        QCOMPARE(liste()->count(), 2);
        QCOMPARE(liste()->currentRow(), -1);
    }

    // A note removed behind the window's back: editing says so, deleting only drops the line.
    // A note that cannot be deleted (the file locked) keeps its line, and the user is told.
    void rowsChangedBehindTheBack()
    {
        open({"one", "two"});
        bench.sql.exec(QStringLiteral("DELETE FROM Notizen WHERE inhalt = 'one'"));
        mark({0});
        bench.platform.messageAnswers = {MessageAnswer::Ok};
        QCOMPARE(editedText([this] { button("BearbeitenBef")->click(); }),
                 QStringLiteral("<no editor>"));
        QCOMPARE(bench.platform.calls, QStringList{"message Datensatz nicht gefunden"});
        QCOMPARE(liste()->count(), 1); // the list is filled again

        open({"three", "four"});
        bench.sql.exec(QStringLiteral("DELETE FROM Notizen WHERE inhalt = 'three'"));
        bench.open.db.connection().exec(QStringLiteral("PRAGMA busy_timeout = 0"));
        RawSql locker(bench.file.path());
        locker.exec(QStringLiteral("BEGIN IMMEDIATE"));
        mark({0, 1});
        bench.platform.calls.clear();
        bench.platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
        button("LoeschenBef")->click();
        locker.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(texts(), QStringList{"four"});
        QCOMPARE(liste()->count(), 1);
        QVERIFY(liste()->item(0)->text().startsWith(QStringLiteral("four\t")));
        QVERIFY(bench.platform.calls.join('|').endsWith(
            "beep|message The notes could not be deleted. Another program holds the notes file "
            "locked: close it or wait, then try again."));
    }

    // A lock that keeps even the reading out fails the deletion, and it is told as a failed
    // deletion in the user's language, not as a failed read; the line stays.
    void lockedFileFailsTheDeletion()
    {
        bench.settings.Sprache = 2;
        open({"eins"});
        bench.open.db.connection().exec(QStringLiteral("PRAGMA busy_timeout = 0"));
        RawSql locker(bench.file.path());
        QCOMPARE(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
        mark({0});
        bench.platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
        button("LoeschenBef")->click();
        locker.exec(QStringLiteral("ROLLBACK"));
        bench.settings.Sprache = 1;
        QCOMPARE(liste()->count(), 1);
        QCOMPARE(bench.rows(), 1);
        QCOMPARE(bench.platform.calls.last(),
                 QStringLiteral("message Die Notizen konnten nicht gelöscht werden. Ein anderes "
                                "Programm hält die Notizdatei gesperrt: es schließen oder warten "
                                "und erneut versuchen."));
    }

    void keys()
    {
        Verwaltung& w = open({"one"});
        QTest::keyClick(liste(), Qt::Key_F1);
        QCOMPARE(bench.platform.calls, QStringList{"openDocument start-e.htm"});
        QTest::keyClick(liste(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::VerwaltungTest)
#include "VerwaltungTest.moc"
