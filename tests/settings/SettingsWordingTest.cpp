#include "FakeBand.h"
#include "core/AppContext.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/QuestionHost.h"
#include "settings/SettingsTexts.h"
#include "settings/ui/Einstellungen.h"
#include "settings/ui/PassTest.h"
#include "support/ScriptedPlatform.h"
#include "support/Wording.h"

#include <QTest>

namespace qb::test {

// The wording of the settings window and the password prompt, in both languages, against
// the texts as written down for them: a typo in either language fails here, whatever
// table the window takes its texts from.
class SettingsWordingTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsWindow()
    {
        static constexpr Wording captions[] = {
            {"windowTitle", u"Quillaband - Einstellungen", u"Quillaband - Settings"},
            {"OnTopChe", u"Immer im Vordergrund", u"Always on top"},
            {"DockPosOpt0", u"Fensterposition oben", u"Dock window above"},
            {"DockPosOpt1", u"Fensterposition unten", u"Dock window below"},
            {"FarbePan2", u"Datum / Uhrzeit", u"Date / time"},
            {"FarbePan3", u" Notiz lokal", u" Note local"},
            {"FarbePan4", u" Notiz Broadcast", u" Note broadcast"},
            {"SchriftWahlBef", u"Schrift", u"Font"},
            {"StandardBef", u"Standardeinstellungen", u"Default values"},
            {"tip:StandardBef", u"Standardwerte wiederherstellen", u"Reset to default values"},
            {"SpeichernBef", u"&Speichern", u"&Save"},
            {"AbbrechenBef", u"&Abbrechen", u"C&ancel"},
            {"HinweisPan",
             u"Klicken Sie auf ein Ticker-Element, um seine Eigenschaften einzustellen.",
             u"Click on a ticker element to set its properties."},
            {"HilfePan1", u"<- Was heißt das?", u"<- What does this mean?"},
            {"HilfePan2", u"<- Was heißt das?", u"<- What does this mean?"},
            {"SysopStatusChe", u"Sysop-Status aktivieren", u"Enable sysop mode"},
            {"LegendePan3", u"Passwort", u"Password"},
            {"BroadcastStatusChe", u"Broadcasting-Empfänger aktivieren",
             u"Enable broadcast receiver mode"},
            {"LegendePan0", u"Pfad zum Broadcast-Sender qb.kvl:",
             u"Path to broadcast dispatcher database qb.kvl:"},
            {"LegendePan1", u"(an allen angeschlossenen Empfängern einstellen - NICHT am Sender)",
             u"(set on all connected receivers - NOT on dispatcher)"},
            {"tip:BroadcastPfadPan", u"Zum Ändern anklicken", u"Click to change"},
            {"BroadcastPfadPan", u"<< Nicht festgelegt >>", u"<< Not specified >>"},
            {"BroadcastMasterChe",
             u"Übrige Einstellungen des Broadcasters für alle Empfänger übernehmen",
             u"Adopt all other settings of the broadcaster for all receivers"},
            {"LegendePan2",
             u"(nur am Broadcaster einstellen - überlagert angeschlossene Empfänger)",
             u"(set on broadcaster only - overlays settings of connected recievers)"},
            {"EigeneChe", u"Empfänger dürfen auch eigene Notizen verwalten",
             u"Receivers may also enter and edit their own notes"},
            {"ZeigDatumChe", u"Datum/Uhrzeit anzeigen", u"Display date/time"},
            {"ZeigRandChe", u"Rand anzeigen", u"Display margin"},
            {"AbbrechenPan1", u"Schließen", u"Close"},
            {"AbbrechenPan2", u"Schließen", u"Close"},
            {"LegendePan4", u"Laufband-Geschwindigkeit:", u"Ticker speed:"},
            {"SpeedOpt30", u"Normal", u"Default"},
            {"SpeedOpt15", u"Langsam", u"Slow"},
            {"SpeedOpt5", u"Sehr langsam", u"Very slow"},
            {"tip:AugePan", u"Passwort zeigen/verbergen", u"Show/hide password"},
        };
        for (const int sprache : {1, 2}) {
            AppContext context;
            context.settings.Sprache = static_cast<qint16>(sprache);
            ScriptedPlatform platform;
            FakeBand band;
            BubbleHost bubbles(platform);
            QuestionHost questions(platform, context.settings, [](double) {});
            Einstellungen window(context, platform, band, bubbles, questions);
            window.show();
            compareShown(window, captions, sprache);
        }
        using enum SettingsMessage;
        const std::pair<SettingsMessage, std::pair<const char16_t*, const char16_t*>> messages[] = {
            {SysopRequired,
             {u"Sysop-Status muss bei aktiviertem Broadcasting aktiviert sein.",
              u"Sysop mode required with enabled broadcast mode."}},
            {EnterPassword, {u"Bitte Passwort eingeben.", u"Please enter a password."}},
            {SpecifyPath,
             {u"Bitte einen Pfad zum Broadcaster einstellen.",
              u"Please specify a broadcast path."}},
            {ResetQuestion,
             {u"Standardwerte wirklich wiederherstellen?", u"Really reset to default values?"}},
            {SaveQuestion, {u"Änderungen speichern?", u"Save changes?"}},
            {PathDialogTitle, {u"Pfad zum Broadcaster festlegen", u"Set path to broadcaster"}},
            {PathQuestion,
             {u"Broadcast-Pfad muss auf anderen Computer weisen - diesen Pfad wirklich wählen?",
              u"Broadcast path has to point at another computer - really set this path?"}},
        };
        for (const auto& [which, wording] : messages) {
            QCOMPARE(SettingsTexts::message(which, 2), QString::fromUtf16(wording.first));
            QCOMPARE(SettingsTexts::message(which, 1), QString::fromUtf16(wording.second));
        }
    }

    // Title and label follow the language; the buttons and the refusal are the same in both.
    void passwordPrompt()
    {
        static constexpr Wording captions[] = {
            {"TitelPan", u"Dieser Programmteil unterliegt der Zugangsbeschränkung.",
             u"This section is subject to access control."},
            {"zzPanel", u"Bitte Passwort eingeben:", u"Please enter password:"},
            {"AbbrechenBef", u"&Abbrechen", u"&Abbrechen"},
            {"OkBef", u"&OK", u"&OK"},
            {"MeldungPan", u"Zugang abgelehnt !", u"Zugang abgelehnt !"},
        };
        for (const int sprache : {1, 2}) {
            Settings settings;
            settings.Sprache = static_cast<qint16>(sprache);
            settings.passWort = QStringLiteral("right");
            ScriptedPlatform platform;
            PassTest prompt(settings, platform, QRect(0, 0, 28800, 450), [](double) {});
            prompt.show();
            QTest::keyClicks(prompt.findChild<QWidget*>(QStringLiteral("PaßText")),
                             QStringLiteral("wrong"));
            QTest::keyClick(prompt.findChild<QWidget*>(QStringLiteral("PaßText")), Qt::Key_Return);
            compareShown(prompt, captions, sprache);
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::SettingsWordingTest)
#include "SettingsWordingTest.moc"
