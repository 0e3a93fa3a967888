#include "SettingsTexts.h"

namespace qb {

namespace {

QString pick(int sprache, const char* english, const char* german)
{
    return QString::fromUtf8(sprache == 2 ? german : english);
}

const char* const help1English =
    "Enable the sysop mode to password-protect the access to the program settings, "
    "in order to prevent unauthorized changes.\r\n\r\n"
    "The sysop mode will be activated automatically by enabling the broadcast reciever mode. "
    "In this case, the password of the transmitter is valid also for this computer.";
const char* const help1German =
    "Wenn Sie den Sysop-Status aktivieren, kann der Zugang zu den Programmeinstellungen "
    "mit einem Passwort geschützt werden, um unberechtigte Änderungen zu verhindern.\r\n\r\n"
    "Bei aktiviertem Broadcasting wird der Sysop-Status automatisch aktiviert. Es gilt das "
    "Passwort des Broadcast-Senders.";
const char* const help2English =
    "Enable the broadcast receiver mode and set the path to the broadcast database "
    "to recieve the news contained in the database qb.kvl of the transmitter. Quillaband 3 "
    "installations with disabled broadcast receiver mode are not connected and work either as "
    "transmitters or as stand-alone applications.\r\n\r\n"
    "Enabling the broadcast receiver mode enables the sysop mode automatically. The sysop "
    "decides for every installation whether it will be connected to the broadcast system or "
    "not. On every connected receiver the sysop sets the path to the broadcast database.";
const char* const help2German =
    "Wenn Sie diesen Computer als Broadcast-Empfänger aktivieren und den Pfad zur Broadcast-"
    "Datenbank einstellen, empfangen Sie die Nachrichten, die in der Datenbank qb.kvl des "
    "Broadcasters enthalten sind. Quillaband 3-Installationen, bei denen Broadcasting nicht "
    "aktiviert ist, sind nicht angeschlossen und arbeiten entweder als Sender oder als "
    "Einzelplatzanwendung.\r\n\r\n"
    "Bei Aktivierung als Broadcast-Empfänger erfolgt automatisch auch die Aktivierung des "
    "SysOp-Status. Der Sysop stellt an jeder Installation ein, ob sie an das Broadcast-System "
    "angeschlossen wird. An jedem angeschlossenen Empfänger stellt der Sysop den Pfad zur "
    "Broadcast-Datenbank ein.";

} // namespace

std::optional<SettingsCaptions> SettingsCaptions::forLanguage(int sprache)
{
    if (sprache != 1 && sprache != 2)
        return std::nullopt;
    const auto t = [sprache](const char* english, const char* german) {
        return pick(sprache, english, german);
    };
    SettingsCaptions c;
    c.title = t("Quillaband - Settings", "Quillaband - Einstellungen");
    c.onTop = t("Always on top", "Immer im Vordergrund");
    c.dockAbove = t("Dock window above", "Fensterposition oben");
    c.dockBelow = t("Dock window below", "Fensterposition unten");
    c.frame = t("Frame", "Rahmen");
    c.swatchDate = t("Date / time", "Datum / Uhrzeit");
    c.swatchLocal = t(" Note local", " Notiz lokal");
    c.swatchBroadcast = t(" Note broadcast", " Notiz Broadcast");
    c.font = t("Font", "Schrift");
    c.reset = t("Default values", "Standardeinstellungen");
    c.resetTip = t("Reset to default values", "Standardwerte wiederherstellen");
    c.save = t("&Save", "&Speichern");
    c.cancel = t("C&ancel", "&Abbrechen");
    c.hint = t("Click on a ticker element to set its properties.",
               "Klicken Sie auf ein Ticker-Element, um seine Eigenschaften einzustellen.");
    c.helpLink = t("<- What does this mean?", "<- Was heißt das?");
    c.sysop = t("Enable sysop mode", "Sysop-Status aktivieren");
    c.password = t("Password", "Passwort");
    c.eyeTip = t("Show/hide password", "Passwort zeigen/verbergen");
    c.receiver = t("Enable broadcast receiver mode", "Broadcasting-Empfänger aktivieren");
    c.pathLabel =
        t("Path to broadcast dispatcher database qb.kvl:", "Pfad zum Broadcast-Sender qb.kvl:");
    c.pathHint = t("(set on all connected receivers - NOT on dispatcher)",
                   "(an allen angeschlossenen Empfängern einstellen - NICHT am Sender)");
    c.pathTip = t("Click to change", "Zum Ändern anklicken");
    c.notSpecified = t("<< Not specified >>", "<< Nicht festgelegt >>");
    c.adopt = t("Adopt all other settings of the broadcaster for all receivers",
                "Übrige Einstellungen des Broadcasters für alle Empfänger übernehmen");
    c.adoptHint = t("(set on broadcaster only - overlays settings of connected recievers)",
                    "(nur am Broadcaster einstellen - überlagert angeschlossene Empfänger)");
    c.ownNotes = t("Receivers may also enter and edit their own notes",
                   "Empfänger dürfen auch eigene Notizen verwalten");
    c.showDate = t("Display date/time", "Datum/Uhrzeit anzeigen");
    c.showMargin = t("Display margin", "Rand anzeigen");
    c.close = t("Close", "Schließen");
    c.help1 = t(help1English, help1German);
    c.help2 = t(help2English, help2German);
    c.speedLabel = t("Ticker speed:", "Laufband-Geschwindigkeit:");
    c.speedNormal = t("Default", "Normal");
    c.speedSlow = t("Slow", "Langsam");
    c.speedVerySlow = t("Very slow", "Sehr langsam");
    return c;
}

namespace SettingsTexts {

QString sysopRequired(int sprache)
{
    return pick(sprache, "Sysop mode required with enabled broadcast mode.",
                "Sysop-Status muss bei aktiviertem Broadcasting aktiviert sein.");
}

QString enterPassword(int sprache)
{
    return pick(sprache, "Please enter a password.", "Bitte Passwort eingeben.");
}

QString specifyPath(int sprache)
{
    return pick(sprache, "Please specify a broadcast path.",
                "Bitte einen Pfad zum Broadcaster einstellen.");
}

QString resetQuestion(int sprache)
{
    return pick(sprache, "Really reset to default values?",
                "Standardwerte wirklich wiederherstellen?");
}

QString saveQuestion(int sprache)
{
    return pick(sprache, "Save changes?", "Änderungen speichern?");
}

QString pathDialogTitle(int sprache)
{
    return pick(sprache, "Set path to broadcaster", "Pfad zum Broadcaster festlegen");
}

QString pathQuestion(int sprache)
{
    return pick(sprache, "Broadcast path has to point at another computer - really set this path?",
                "Broadcast-Pfad muss auf anderen Computer weisen - diesen Pfad wirklich "
                "wählen?");
}

QString colourDialogTitle(const QString& caption, int sprache)
{
    if (sprache == 2)
        return caption + QStringLiteral(" wählen");
    return QStringLiteral("Select ") + caption;
}

QString elementButtonCaption(int element, int button, int sprache)
{
    const auto t = [sprache](const char* english, const char* german) {
        return pick(sprache, english, german);
    };
    switch (element) {
    case 1:
        return button == 1 ? t("Frame color", "Rahmenfarbe") : QString();
    case 2:
        if (button == 1)
            return t("Date/time background color", "Datum/Uhrzeit Hintergrundfarbe");
        return button == 2 ? t("Date/time font color", "Datum/Uhrzeit Schriftfarbe") : QString();
    case 3:
    case 4:
        switch (button) {
        case 1:
            return t("Note background color", "Notiz Hintergrundfarbe");
        case 2:
            return t("Note font color local", "Notiz Schriftfarbe lokal");
        case 3:
            return t("Note font color broadcast", "Notiz Schriftfarbe Broadcast");
        case 4:
            return t("Font", "Schrift");
        default:
            return QString();
        }
    default:
        return QString();
    }
}

} // namespace SettingsTexts

} // namespace qb
