#include "settings/ui/Einstellungen.h"
#include "FakeBand.h"
#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/MBoxButton.h"
#include "dialogs/ui/QuestionHost.h"
#include "platform/Twips.h"
#include "settings/SettingsRules.h"
#include "settings/ui/PassTest.h"
#include "settings/ui/PreviewPanel.h"
#include "settings/ui/SettingsCommand.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace qb::test {

class EinstellungenTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemplateCopy> m_file;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<BubbleHost> m_bubbles;
    std::unique_ptr<QuestionHost> m_questions;
    FakeBand m_band;
    QPointer<Einstellungen> m_window;

    Settings& memory() { return m_context->settings; }

    Einstellungen& open()
    {
        m_window = new Einstellungen(*m_context, *m_platform, m_band, *m_bubbles, *m_questions);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        m_platform->calls.clear();
        m_band.calls.clear();
        return *m_window;
    }
    template <class T> T* find(const char* name)
    {
        T* control = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(name); }
    void click(const char* name) { button(name)->click(); }
    QLabel* swatch(int n) { return find<QLabel>(qPrintable(QStringLiteral("FarbePan%1").arg(n))); }
    QStringList visibleElementButtons()
    {
        QStringList shown;
        for (const char* name : {"FarbWahlBef1", "FarbWahlBef2", "FarbWahlBef3", "SchriftWahlBef"})
            if (!button(name)->isHidden())
                shown << button(name)->text();
        return shown;
    }
    // The question box of the path choice, answered with button `answer` once it is open.
    void answerQuestion(int answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            QVERIFY(m_questions->openBox());
            m_questions->openBox()->button(answer)->click();
        });
    }
    const QStringList restored{"topmost on", "startTimer", "FormAktiv 1", "MachLayout"};

private slots:
    void init()
    {
        m_file = std::make_unique<TemplateCopy>();
        m_context = std::make_unique<AppContext>();
        QString reason;
        QVERIFY2(m_context->openLocal(m_file->path(), reason), qPrintable(reason));
        EinstellungenLaden(m_context->localEinstellungen, m_context->settings);
        memory().Sprache = 1;
        memory().ImmerOben = true;
        m_platform = std::make_unique<ScriptedPlatform>();
        m_bubbles = std::make_unique<BubbleHost>(*m_platform);
        m_questions = std::make_unique<QuestionHost>(*m_platform, memory(), [](double) {});
        m_band = FakeBand{};
    }

    void cleanup()
    {
        delete m_window;
        m_bubbles.reset();
    }

    // Every control as stored; the load's own reactions leave the changed flag clear. The
    // captions: SettingsWordingTest.
    void loadShowsTheStoredSettings()
    {
        memory().Sprache = 2;
        memory().dockPos = 1;
        memory().Speed = 15;
        memory().zeigDatum = false;
        memory().zeigRahmen = true;
        memory().sysopStatus = true;
        memory().passWort = QStringLiteral("abc");
        memory().eigeneErlauben = false;
        memory().remoteEinstellungen = true;
        Einstellungen& window = open();
        QCOMPARE(window.pos(), QPoint(33, 13));
        QVERIFY(button("SpracheOpt2")->isChecked());
        QVERIFY(button("OnTopChe")->isChecked());
        QVERIFY(button("DockPosOpt1")->isChecked());
        QVERIFY(button("SpeedOpt15")->isChecked());
        QVERIFY(!button("ZeigDatumChe")->isChecked());
        QVERIFY(button("ZeigRandChe")->isChecked());
        QVERIFY(button("SysopStatusChe")->isChecked());
        QVERIFY(button("BroadcastMasterChe")->isChecked());
        QVERIFY(!button("EigeneChe")->isChecked());
        QVERIFY(!button("BroadcastStatusChe")->isChecked());
        QCOMPARE(find<QLineEdit>("PasswortTex")->text(), QStringLiteral("abc"));
        QCOMPARE(find<QLineEdit>("PasswortTex")->echoMode(), QLineEdit::Password);
        QVERIFY(!button("BroadcastPfadPan")->isEnabled());
        // The frame is selected: with a margin its button shows at once.
        QCOMPARE(visibleElementButtons(), QStringList{"Rahmenfarbe"});
        QVERIFY(!window.changed());
        QCOMPARE(window.working(), memory());
    }

    void changedFlag_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("changes");
        QTest::newRow("on top") << "OnTopChe" << true;
        QTest::newRow("dock below") << "DockPosOpt1" << true;
        QTest::newRow("German") << "SpracheOpt2" << true;
        QTest::newRow("colour dialog cancelled") << "FarbWahlBef1" << true;
        QTest::newRow("font dialog cancelled") << "SchriftWahlBef" << true;
        QTest::newRow("speed") << "SpeedOpt5" << false;
        QTest::newRow("date/time box") << "ZeigDatumChe" << false;
        QTest::newRow("margin box") << "ZeigRandChe" << false;
        QTest::newRow("sysop box") << "SysopStatusChe" << false;
        QTest::newRow("receiver box") << "BroadcastStatusChe" << false;
        QTest::newRow("own notes box") << "EigeneChe" << false;
        QTest::newRow("reset") << "StandardBef" << false;
    }

    // Closing with Abbrechen asks exactly when the flag is set; No keeps nothing.
    void changedFlag()
    {
        QFETCH(QString, action);
        QFETCH(bool, changes);
        memory().zeigRahmen = true;
        const Settings before = memory();
        Einstellungen& window = open();
        if (action == "SchriftWahlBef")
            QTest::mouseClick(swatch(3), Qt::LeftButton);
        if (action.startsWith("FarbWahlBef"))
            m_platform->colourAnswers.push_back(std::nullopt);
        else if (action == "SchriftWahlBef")
            m_platform->fontAnswers.push_back(std::nullopt);
        else if (action == "StandardBef")
            m_platform->messageAnswers.push_back(MessageAnswer::Yes);
        click(qPrintable(action));
        QCOMPARE(window.changed(), changes);
        // A cancelled dialog changes nothing in the working copy.
        if (action.endsWith("WahlBef1") || action == "SchriftWahlBef")
            QCOMPARE(window.working(), before);

        if (changes)
            m_platform->messageAnswers.push_back(MessageAnswer::No);
        m_platform->calls.clear();
        m_platform->dialogs.clear();
        click("AbbrechenBef");
        QCOMPARE(m_platform->calls.contains("message Save changes?"), changes);
        if (changes) {
            // Cancel must be offered: it keeps the window open.
            QCOMPARE(m_platform->dialogs.back().buttons, MessageButtons::YesNoCancel);
            QCOMPARE(m_platform->dialogs.back().icon, MessageIcon::Warning);
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(m_band.calls, restored);
        QCOMPARE(memory(), before);
    }

    void elementSelection()
    {
        memory().zeigRahmen = false;
        open();
        QCOMPARE(visibleElementButtons(), QStringList());
        QTest::mouseClick(m_window->findChild<PreviewPanel*>(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_window->selectedElement(), 1);
        QCOMPARE(visibleElementButtons(), QStringList());
        QTest::mouseClick(swatch(4), Qt::LeftButton);
        QCOMPARE(visibleElementButtons(),
                 (QStringList{"Note background color", "Note font color local",
                              "Note font color broadcast", "Font"}));
        QTest::mouseClick(swatch(2), Qt::LeftButton);
        QCOMPARE(visibleElementButtons(),
                 (QStringList{"Date/time background color", "Date/time font color"}));
        click("ZeigRandChe");
        QTest::mouseClick(m_window->findChild<PreviewPanel*>(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(visibleElementButtons(), QStringList{"Frame color"});
        // The margin off hides the frame colour button.
        click("ZeigRandChe");
        QCOMPARE(visibleElementButtons(), QStringList());
    }

    // Title by Sprache in memory (German), caption by the window's language (English); the
    // frame swatch shows the chosen colour.
    void colourChoice()
    {
        memory().Sprache = 2;
        memory().zeigRahmen = true;
        memory().fensterHgFarbe = 0x654321;
        open();
        click("SpracheOpt1");
        m_platform->colourAnswers.push_back(0x123456);
        click("FarbWahlBef1");
        QVERIFY(m_platform->calls.contains("chooseColour Frame color wählen"));
        QCOMPARE(m_platform->dialogs.back().colour, 0x654321);
        QCOMPARE(m_window->working().fensterHgFarbe, 0x123456);
        QCOMPARE(m_window->findChild<PreviewPanel*>()->palette().color(QPalette::Window),
                 QColor(0x56, 0x34, 0x12));
    }

    void noteTextColours_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("local");
        QTest::newRow("local note, local colour") << 3 << "FarbWahlBef2" << true;
        QTest::newRow("local note, broadcast colour") << 3 << "FarbWahlBef3" << false;
        QTest::newRow("broadcast note, local colour") << 4 << "FarbWahlBef2" << true;
        QTest::newRow("broadcast note, broadcast colour") << 4 << "FarbWahlBef3" << false;
    }

    // The two text-colour buttons of the notes: each is preset to its own colour and sets
    // only that one.
    void noteTextColours()
    {
        QFETCH(int, element);
        QFETCH(QString, button);
        QFETCH(bool, local);
        memory().SchriftFarbe = 0x111111;
        memory().SchriftFarbe2 = 0x222222;
        open();
        QTest::mouseClick(swatch(element), Qt::LeftButton);
        m_platform->colourAnswers.push_back(0x333333);
        click(qPrintable(button));
        QCOMPARE(m_platform->dialogs.back().colour, local ? 0x111111 : 0x222222);
        QCOMPARE(m_window->working().SchriftFarbe, local ? 0x333333 : 0x111111);
        QCOMPARE(m_window->working().SchriftFarbe2, local ? 0x222222 : 0x333333);
    }

    void fontChoice_data()
    {
        QTest::addColumn<double>("chosen");
        QTest::addColumn<int>("stored");
        QTest::newRow("10.5 to even") << 10.5 << 10;
        QTest::newRow("11.5 to even") << 11.5 << 12;
    }

    void fontChoice()
    {
        QFETCH(double, chosen);
        QFETCH(int, stored);
        open();
        QTest::mouseClick(swatch(3), Qt::LeftButton);
        m_platform->fontAnswers.push_back(FontChoice{"Serif", chosen, false, true, 0});
        click("SchriftWahlBef");
        // Preset to the working font.
        const FontChoice preset = m_platform->dialogs.back().font;
        QCOMPARE(QStringList({preset.name, QString::number(preset.pointSize)}),
                 QStringList({memory().SchriftName, QString::number(memory().SchriftGroesse)}));
        QCOMPARE(QList<bool>({preset.bold, preset.italic}),
                 QList<bool>({memory().SchriftFett, memory().SchriftKursiv}));
        QCOMPARE(int(m_window->working().SchriftGroesse), stored);
        QCOMPARE(m_window->working().SchriftName, QStringLiteral("Serif"));
        QVERIFY(m_window->working().SchriftKursiv);
        QCOMPARE(swatch(3)->font().pointSize(), stored);
    }

    void previewLayout()
    {
        memory().zeigRahmen = true;
        memory().zeigDatum = true;
        open();
        auto* preview = m_window->findChild<PreviewPanel*>();
        QCOMPARE(preview->swatchTwips(2).left(), 75.0);
        QCOMPARE(preview->swatchTwips(3).left(), 1470.0);
        QCOMPARE(preview->swatchTwips(3).width(), 2212.5);
        QCOMPARE(preview->swatchTwips(4).left(), 3682.5);
        click("ZeigRandChe");
        click("ZeigDatumChe");
        QCOMPARE(preview->swatchTwips(3).left(), 0.0);
        QCOMPARE(preview->swatchTwips(3).width(), 2985.0);
        QCOMPARE(preview->swatchTwips(4).left(), 2985.0);
        QVERIFY(swatch(2)->isHidden());
        QCOMPARE(preview->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    // The question in the language in memory; the window's values, nothing else.
    void reset()
    {
        memory().Sprache = 2;
        memory().zeigRahmen = false;
        memory().Speed = 5;
        open();
        click("SpracheOpt1");
        m_platform->messageAnswers.push_back(MessageAnswer::No);
        click("StandardBef");
        QCOMPARE(m_window->working().Speed, qint16(5));
        m_platform->messageAnswers.push_back(MessageAnswer::Yes);
        click("StandardBef");
        QCOMPARE(m_platform->calls.count("message Standardwerte wirklich wiederherstellen?"), 2);
        QCOMPARE(m_platform->dialogs.back().buttons, MessageButtons::YesNo);
        QCOMPARE(m_platform->dialogs.back().icon, MessageIcon::Question);
        const Settings& working = m_window->working();
        QCOMPARE(working.SchriftName, QStringLiteral("Verdana"));
        QCOMPARE(working.notizHgFarbe, 7303023);
        QCOMPARE(working.fensterHgFarbe, 16744576);
        QVERIFY(working.zeigRahmen && working.zeigDatum);
        QVERIFY(button("SpeedOpt30")->isChecked());
        QCOMPARE(working.Sprache, qint16(1));
    }

    // Saved: stored, in memory, the band re-laid and re-captioned after the closing steps.
    void saveStandalone()
    {
        open();
        click("DockPosOpt1");
        click("SpeedOpt15");
        click("SpeichernBef");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(memory().dockPos, 1);
        QCOMPARE(RawSql(m_file->path()).scalar("SELECT dockPos FROM Einstellungen").toInt(), 1);
        QCOMPARE(m_band.calls,
                 QStringList{"Schritt 15"} + restored + QStringList{"SpracheEinstellen"});
    }

    // A receiver: the path through the file dialog and the question, then the band's next
    // step reads the broadcaster from that path.
    void saveReceiver()
    {
        TemplateCopy broadcaster;
        open();
        click("BroadcastStatusChe");
        m_platform->fileAnswers.push_back(broadcaster.path());
        answerQuestion(1);
        click("BroadcastPfadPan");
        QCOMPARE(m_window->working().broadcastPfad, broadcaster.path());
        click("SpeichernBef");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_context->BroadcastDatenbankPfad, broadcaster.path());
        QVERIFY(memory().broadcastStatus && memory().sysopStatus);
        QVERIFY(m_band.calls.contains("requestRebuild"));
    }

    // The band runs again although the window stays open.
    void cancelToTheClosingQuestion()
    {
        open();
        click("OnTopChe");
        m_platform->messageAnswers.push_back(MessageAnswer::Cancel);
        click("AbbrechenBef");
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_band.calls,
                 (QStringList{"topmost on", "startTimer", "FormAktiv 1", "MachLayout"}));
    }

    // Yes to the closing question with a save that succeeds: stored, in memory, closed, and
    // the band runs again in the new language.
    void yesToTheClosingQuestionSaves()
    {
        open();
        click("SpracheOpt2");
        m_platform->messageAnswers.push_back(MessageAnswer::Yes);
        click("AbbrechenBef");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(memory().Sprache, qint16(2));
        QCOMPARE(RawSql(m_file->path()).scalar("SELECT Sprache FROM Einstellungen").toInt(), 2);
        QCOMPARE(m_band.calls.mid(m_band.calls.size() - 5),
                 restored + QStringList{"SpracheEinstellen"});
    }

    // Yes to the closing question with a failing check keeps the window open. The bubble
    // sits on the settings window whichever window is active after the question.
    void yesWithFailingCheckKeepsTheWindow()
    {
        open();
        click("SysopStatusChe");
        click("OnTopChe");
        m_platform->messageAnswers.push_back(MessageAnswer::Yes);
        QWidget other;
        other.setGeometry(700, 500, 100, 100);
        other.show();
        QApplication::setActiveWindow(&other);
        click("AbbrechenBef");
        QVERIFY(m_window->isVisible());
        QVERIFY(m_bubbles->bubbleVisible());
        QCOMPARE(m_bubbles->bubble()->findChild<QLabel*>()->text(),
                 QStringLiteral("Please enter a password."));
        const QPoint offsets =
            SettingsRules::checkBeforeSaving(m_window->working(), true, 1)->bubble;
        QCOMPARE(m_bubbles->bubble()->targetTwips(),
                 twips::fromPixels(m_window->frameGeometry()).topLeft() + offsets);
        QVERIFY(m_platform->calls.contains("beep"));
        QVERIFY(!memory().sysopStatus);
    }

    // A store that fails keeps the window, the working copy and memory, and says why in the
    // user's language, whole: the message line and the window grow to hold the text.
    void failedStoreKeepsTheWindow()
    {
        memory().Sprache = 2;
        const Settings before = memory();
        open();
        const int height = m_window->height();
        QVERIFY(QFile::remove(m_file->path()));
        click("DockPosOpt1");
        click("SpeichernBef");
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->changed());
        auto* meldung = find<QLabel>("MeldungPan");
        QCOMPARE(meldung->text(),
                 QStringLiteral("Die Einstellungen konnten nicht gespeichert werden. Die "
                                "Notizdatei wurde während des Betriebs gelöscht oder ersetzt: "
                                "sie zurücklegen und erneut versuchen."));
        QVERIFY(meldung->height() >= meldung->heightForWidth(meldung->width()));
        QVERIFY(m_window->height() > height);
        QVERIFY(meldung->geometry().bottom() < m_window->height());
        QVERIFY(m_platform->calls.contains("beep"));
        QCOMPARE(memory(), before);
        QVERIFY(m_band.calls.isEmpty());
    }

    void sysopAndReceiverRules()
    {
        memory().eigeneErlauben = false;
        open();
        auto* password = find<QLineEdit>("PasswortTex");
        click("AugePan");
        QCOMPARE(password->echoMode(), QLineEdit::Normal);
        // Receiver on: sysop ticked and disabled without a message, the password masked.
        click("BroadcastStatusChe");
        QVERIFY(button("SysopStatusChe")->isChecked());
        QVERIFY(!button("SysopStatusChe")->isEnabled());
        QVERIFY(!password->isEnabled() && !button("AugePan")->isEnabled());
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(find<QLabel>("MeldungPan")->text(), QString());
        QVERIFY(button("BroadcastPfadPan")->isEnabled());
        QVERIFY(!button("EigeneChe")->isEnabled());
        QVERIFY(m_platform->calls.isEmpty());
        // Unticking sysop meanwhile is answered and undone.
        qobject_cast<QCheckBox*>(button("SysopStatusChe"))->setChecked(false);
        QCOMPARE(find<QLabel>("MeldungPan")->text(),
                 QStringLiteral("Sysop mode required with enabled broadcast mode."));
        QVERIFY(button("SysopStatusChe")->isChecked());
        QVERIFY(m_window->working().sysopStatus);
        QCOMPARE(m_platform->calls, QStringList{"beep"});
        // Receiver off: own notes ticked, the sysop controls back.
        click("BroadcastStatusChe");
        QVERIFY(button("EigeneChe")->isChecked());
        QVERIFY(m_window->working().eigeneErlauben);
        QVERIFY(button("SysopStatusChe")->isEnabled() && password->isEnabled());
    }

    void pathChoice_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: dialog cancelled
        QTest::addColumn<int>("answer");     // -1: no question
        QTest::addColumn<bool>("taken");
        QTest::newRow("network path, no question") << "//server/share/qb.kvl" << -1 << true;
        QTest::newRow("local path, Yes") << "LOCAL" << 1 << true;
        QTest::newRow("local path, No") << "LOCAL" << 2 << false;
        QTest::newRow("cancelled") << "" << -1 << false;
    }

    // The dialog's title in the window's language, the question in the memory's.
    void pathChoice()
    {
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(bool, taken);
        memory().Sprache = 2;
        memory().broadcastStatus = true;
        memory().broadcastPfad = QStringLiteral("//old/qb.kvl");
        if (chosen == "LOCAL")
            chosen = m_file->path();
        const QString folder = QDir::currentPath();
        open();
        click("SpracheOpt1");
        m_platform->fileAnswers.push_back(chosen.isEmpty() ? std::optional<QString>()
                                                           : std::optional<QString>(chosen));
        if (answer >= 0)
            answerQuestion(answer);
        click("BroadcastPfadPan");
        QVERIFY(m_platform->calls.contains("chooseFile Set path to broadcaster"));
        // Only files named qb.kvl are listed.
        const ScriptedPlatform::Dialog& file = m_platform->dialogs.front();
        QCOMPARE(file.start, QStringLiteral("qb.kvl"));
        QCOMPARE(file.filter, QStringLiteral("qb.kvl (qb.kvl)"));
        QCOMPARE(m_platform->calls.contains("topmost off"), answer >= 0);
        QCOMPARE(m_questions->answer(), answer >= 0 ? answer : 0);
        const QString path = taken ? chosen : QStringLiteral("//old/qb.kvl");
        QCOMPARE(m_window->working().broadcastPfad, path);
        QCOMPARE(button("BroadcastPfadPan")->text(), path);
        QCOMPARE(QDir::currentPath(), folder);
    }

    void helpPopups()
    {
        open();
        auto* one = find<QWidget>("KommentarPan1");
        auto* two = find<QWidget>("KommentarPan2");
        click("HilfePan1");
        // 1265, 550; 5670 x 2565 twips; the close link at 2145. The second: 1985, 2860;
        // 5670 x 3165; its close link at 2745.
        QCOMPARE(one->geometry(), QRect(84, 37, 378, 171));
        QCOMPARE(find<QWidget>("AbbrechenPan1")->y(), 143);
        click("HilfePan2");
        QVERIFY(one->isHidden());
        QCOMPARE(two->geometry(), QRect(132, 191, 378, 211));
        QCOMPARE(find<QWidget>("AbbrechenPan2")->y(), 183);
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(two->isHidden());
        QVERIFY(m_window->isVisible());
        click("HilfePan1");
        QTest::mouseClick(find<QLabel>("HinweisPan"), Qt::LeftButton);
        QVERIFY(one->isHidden());
        click("HilfePan2");
        click("AbbrechenPan2");
        QVERIFY(two->isHidden());
        // F1 opens the help page of the language in memory; Esc with no popup open closes
        // the window.
        QTest::keyClick(m_window, Qt::Key_F1);
        QVERIFY(m_platform->calls.contains("openDocument start-e.htm"));
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
    }

    void settingsCommand_data()
    {
        QTest::addColumn<bool>("sysop");
        QTest::addColumn<QString>("entry"); // typed into the prompt; empty: cancelled
        QTest::addColumn<bool>("shown");
        QTest::newRow("sysop off: no prompt") << false << "" << true;
        QTest::newRow("the right password") << true << "pw" << true;
        QTest::newRow("prompt cancelled") << true << "" << false;
    }

    // A refused prompt lets the band run on in the layer ImmerOben gives it.
    void settingsCommand()
    {
        QFETCH(bool, sysop);
        QFETCH(QString, entry);
        QFETCH(bool, shown);
        memory().sysopStatus = sysop;
        memory().passWort = QStringLiteral("pw");
        memory().ImmerOben = false;
        SettingsCommand command(*m_context, *m_platform, m_band, *m_bubbles, *m_questions,
                                [](double) {});
        QTimer::singleShot(0, this, [entry, sysop] {
            if (!sysop)
                return;
            auto* prompt = qobject_cast<PassTest*>(QApplication::activeModalWidget());
            QVERIFY(prompt);
            auto* field = prompt->findChild<QLineEdit*>(QStringLiteral("PaßText"));
            if (entry.isEmpty()) {
                QTest::keyClick(field, Qt::Key_Escape);
                return;
            }
            QTest::keyClicks(field, entry);
            QTest::keyClick(field, Qt::Key_Return);
        });
        command.run();
        m_window = command.window();
        QCOMPARE(!m_window.isNull(), shown);
        QCOMPARE(m_platform->calls.contains("beep"), sysop);
        if (shown) {
            QVERIFY(m_window->isVisible());
            QVERIFY(m_band.calls.contains("SpracheEinstellen"));
            QVERIFY(!m_band.calls.contains("startTimer"));
        } else {
            QCOMPARE(m_band.calls, (QStringList{"startTimer", "FormAktiv 1", "topmost off"}));
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::EinstellungenTest)
#include "EinstellungenTest.moc"
