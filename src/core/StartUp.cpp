#include "StartUp.h"

#include "AppContext.h"
#include "FileRoutines.h"
#include "PasswordGuard.h"
#include "SettingsStore.h"
#include "ShellRoutines.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "schedule/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qb {

namespace {

// How often the start lets events run while it waits for the broadcaster, in milliseconds.
constexpr int connectPollMs = 20;

} // namespace

QString dataFolderIn(const QString& documentsFolder)
{
    QString folder = QDir::fromNativeSeparators(documentsFolder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("Quillaband 3/");
}

StartUp::StartUp(AppContext& context, Platform& platform, Clock& clock, StartUpWindows& windows,
                 QLocale locale)
    : m_context(context), m_platform(platform), m_clock(clock), m_windows(windows),
      m_locale(std::move(locale))
{
}

// The start sequence:
//  1-3. the state folder entered, program-wide values; a stale "nefe.txt" goes;
//  4-6. the data folder below the documents folder, the database copied from
//       the template when there is none;
//  7-8. the database opened and the settings loaded;
//  9.   leftovers of a finished update tidied;
//  10-12. the intro for a second, then a receiver connects to its broadcaster;
//  13-15. the ticker shown, the intro closed, the start page on a first run.
// Failures up to the opening of the database end the start with a message.
int StartUp::Main(const QString& documentsFolder, const QString& stateFolder)
{
    // Relative names such as "nefe.txt" and "hete.kvl" resolve in the state folder.
    if (!stateFolder.isEmpty() && !(QDir().mkpath(stateFolder) && QDir::setCurrent(stateFolder)))
        return abandon(
            QStringLiteral("The folder \"%1\" for the program's own files cannot be created.")
                .arg(stateFolder),
            QStringLiteral("Der Ordner \"%1\" f\u00FCr die eigenen Dateien des Programms kann "
                           "nicht angelegt werden.")
                .arg(stateFolder));
    ProgramValues& values = m_context.values;
    QFile::remove(QStringLiteral("nefe.txt"));
    values.heuteText = DatumFormatieren(m_clock.now().date(), m_locale);
    values.UpdateVersuchAus = true;

    m_context.DatenOrdner = dataFolderIn(documentsFolder);

    // Many desktops have no documents folder yet: create the whole path.
    if (!QDir().mkpath(m_context.DatenOrdner))
        return abandon(
            QStringLiteral("The data folder \"%1\" cannot be created.").arg(m_context.DatenOrdner),
            QStringLiteral("Der Datenordner \"%1\" kann nicht angelegt werden.")
                .arg(m_context.DatenOrdner));
    m_windows.processEvents();

    const QString database = m_context.DatenOrdner + QStringLiteral("qb.kvl");
    // An interrupted copy leaves an empty file: there is nothing in it to lose, so it is
    // made anew like a missing one. Any other file is never overwritten.
    if (!QFile::exists(database) || QFileInfo(database).size() == 0) {
        const QString templateFile = templatePath();
        const QString folder = QFileInfo(templateFile).absolutePath();
        if (!QFile::exists(templateFile))
            return abandon(
                QStringLiteral("The template database \"org.kvl\" is missing in \"%1\".")
                    .arg(folder),
                QStringLiteral("Die Vorlagedatenbank \"org.kvl\" fehlt in \"%1\".").arg(folder));
        if (!DateiKopieren(templateFile, database))
            return abandon(
                QStringLiteral("The database \"%1\" cannot be created.").arg(database),
                QStringLiteral("Die Datenbank \"%1\" kann nicht angelegt werden.").arg(database));
        m_windows.processEvents();
    }

    // Every save goes to the local database: one that cannot be written ends the start.
    if (const auto problem = writeProblem(database))
        return abandon(problem->english, problem->german, storedLanguage(database));

    QString reason;
    if (!m_context.openLocal(database, reason)) {
        // The file's own problems come in both languages; a failing table, in the driver's.
        const QString& german = m_context.local.errorGerman();
        return abandon(reason, german.isEmpty() ? reason : german);
    }

    // A settings table without its row gets the template's defaults.
    {
        Database templateFile;
        RecordSet defaults(templateFile, QStringLiteral("Einstellungen"));
        if (m_context.localEinstellungen.first() && m_context.localEinstellungen.atEnd() &&
            templateFile.open(templatePath(), PasswordGuard::connectString, OpenMode::ReadOnly) &&
            defaults.open())
            EinstellungenZeileSichern(m_context.localEinstellungen, defaults);
    }
    EinstellungenLaden(m_context.localEinstellungen, m_context.settings);
    m_windows.processEvents();
    tidyUpdateLeftovers();

    m_windows.showIntro();
    m_windows.processEvents();
    m_windows.pause(1.0);
    if (m_context.settings.broadcastStatus)
        connectBroadcaster();

    m_windows.showTicker();
    m_windows.closeIntro();
    if (!m_context.settings.erstVorbei)
        finishFirstRun();
    return 0;
}

QString StartUp::templatePath() const
{
    return QDir(m_context.values.dataFolder).filePath(QStringLiteral("org.kvl"));
}

int StartUp::abandon(const QString& english, const QString& german, qint16 sprache)
{
    // Without a known language setting the message comes in both languages.
    const QString inEnglish = QStringLiteral("Quillaband cannot start.\n") + english;
    const QString inGerman = QStringLiteral("Quillaband kann nicht starten.\n") + german;
    const QString text = sprache == 1   ? inEnglish
                         : sprache == 2 ? inGerman
                                        : inEnglish + QStringLiteral("\n\n") + inGerman;
    m_platform.showMessage(text, MessageIcon::Critical, MessageButtons::Ok);
    return 1;
}

std::optional<StartUp::Reason> StartUp::writeProblem(const QString& database)
{
    const QString english = QStringLiteral("The database \"%1\" cannot be written: %2");
    const QString german =
        QStringLiteral("In die Datenbank \"%1\" kann nicht geschrieben werden: %2");
    if (!QFileInfo(database).isWritable())
        return Reason{english.arg(database, QStringLiteral("the file is read-only.")),
                      german.arg(database, QStringLiteral("die Datei ist schreibgesch\u00FCtzt."))};
    // Every write makes its journal beside the file.
    if (!QFileInfo(QFileInfo(database).absolutePath()).isWritable())
        return Reason{
            english.arg(database, QStringLiteral("its folder is read-only.")),
            german.arg(database, QStringLiteral("ihr Ordner ist schreibgesch\u00FCtzt."))};
    return std::nullopt;
}

qint16 StartUp::storedLanguage(const QString& database)
{
    Database file;
    RecordSet einstellungen(file, QStringLiteral("Einstellungen"));
    Settings stored;
    if (file.open(database, PasswordGuard::connectString, OpenMode::ReadOnly) &&
        einstellungen.open())
        EinstellungenLaden(einstellungen, stored);
    return stored.Sprache;
}

void StartUp::tidyUpdateLeftovers()
{
    const QString updater = QStringLiteral("qbi.exe");
    if (QFile::exists(QStringLiteral("qbiupd.exe"))) {
        QFile::remove(updater);
        QFile::rename(QStringLiteral("qbiupd.exe"), updater);
        m_windows.processEvents();
    }
    if (QFile::exists(updater)) {
        QFile::rename(updater, QStringLiteral("qbi.kvl"));
        m_windows.processEvents();
    }
    for (const char* leftover : {"updlist.txt", "serverversion.txt", "updver.txt", "updinfo.txt"})
        QFile::remove(QString::fromLatin1(leftover));
}

// The broadcaster is opened by the link's worker while the connection band shows and
// events run; a share that has not answered by the link's deadline leaves the start in
// the network-error state (the worker's call is left to finish on its own).
void StartUp::connectBroadcaster()
{
    m_windows.showConnecting();
    m_context.BroadcastDatenbankPfad = m_context.settings.broadcastPfad;
    BroadcastLink& link = m_context.broadcastLink;
    std::optional<BroadcastAnswer> answer;
    if (link.request({BroadcastRequest::Kind::Read, m_context.BroadcastDatenbankPfad, true})) {
        while (!link.waitForAnswer(connectPollMs) && !link.overdue())
            m_windows.processEvents();
        answer = link.take();
    }
    using Outcome = BroadcastAnswer::Outcome;
    // A lock is not a network failure: the band reads again at its first rebuild.
    m_context.NetzFehler = !answer || !answer->exists || answer->outcome == Outcome::Unreachable;
    if (m_context.NetzFehler)
        m_windows.processEvents();
    m_windows.closeConnecting();

    // The in-memory switch becomes the broadcaster's; unreadable means off.
    const bool read = answer && answer->outcome == Outcome::Read && answer->einstellungen;
    const bool adopt =
        read && boolValue(answer->einstellungen->value(QStringLiteral("remoteEinstellungen")))
                    .value_or(false);
    m_context.settings.remoteEinstellungen = adopt;
    if (adopt)
        BroadcastEinstellungenLaden(*answer->einstellungen, m_context.settings);
}

void StartUp::finishFirstRun()
{
    RecordSet& row = m_context.localEinstellungen;
    if (row.first() && row.edit() && row.setValue(QStringLiteral("erstVorbei"), -1) && row.update())
        m_context.settings.erstVorbei = true;
    else
        row.cancelUpdate();
    HilfeZeigen(m_platform, m_context.settings.Sprache);
}

} // namespace qb
