#include "TickerContent.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "core/StorageFailure.h"
#include "platform/Platform.h"

#include <QFile>
#include <QTextStream>

namespace qb {

namespace {

const QString markerFile = QStringLiteral("nefe");
const QString stampFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Minute boundaries between two moments: how often the clock's minute changed.
qint64 minuteBoundaries(const QDateTime& from, const QDateTime& to)
{
    const auto minuteOf = [](const QDateTime& moment) {
        return moment.toSecsSinceEpoch() / 60 - (moment.toSecsSinceEpoch() % 60 < 0 ? 1 : 0);
    };
    return minuteOf(to) - minuteOf(from);
}

} // namespace

TickerContent::TickerContent(AppContext& context, Platform& platform, NoticeBoard& notices,
                             FileProbe fileExists)
    : m_context(context), m_platform(platform), m_notices(notices),
      m_fileExists(std::move(fileExists))
{
    // The band's rebuilds never wait long for a lock.
    m_rebuild.busyTimeoutMs = Database::tickBusyTimeoutMs;
}

void TickerContent::waitForNetwork(const QDateTime& now)
{
    if (!m_context.NetzFehler)
        return;
    if (!markerPresent()) {
        // The broadcaster was unreachable when it was opened and nobody was told yet.
        giveNetworkNotice(now);
        return;
    }
    FehlerZeitLesen();
    const QDateTime stamp = QDateTime::fromString(m_FehlerZeit, stampFormat);
    // An unreadable stamp, or a clock set back, must not stop the retries.
    if (!stamp.isValid() || minuteBoundaries(stamp, now) != 0) {
        m_context.NetzFehler = false;
        FehlerZeitSchreiben(now);
    }
}

// One step:
//  1. count the step; a rebuild is due at rebuildEvery;
//  2. a receiver checks that the broadcaster's file is there (every step);
//  3. on a rebuild: the local file is looked for at its path (a new one there is opened);
//     the broadcaster's notes, then the local ones; every rebuild but the
//     first runs the online version check; the memory the reading took is given back;
//  4. a changed text replaces the shown one.
bool TickerContent::NotizMachen(const QDateTime& now)
{
    ++NeuZaehler;
    const bool rebuild = NeuZaehler >= rebuildEvery;
    if (rebuild)
        m_building.clear();

    if (m_context.settings.broadcastStatus && !m_context.NetzFehler)
        watchConnection(now);
    if (rebuild) {
        watchLocalFile();
        rebuildTicker(m_context, now, m_building, m_rebuild);
        if (!m_context.values.UpdateVersuchAus && m_onlineCheck)
            m_onlineCheck(now.date());
        NeuZaehler = 0;
        m_context.releaseMemory();
    }
    m_context.values.UpdateVersuchAus = false; // only the first rebuild skips the check

    // Only a rebuild changes the text. Compared with the sources too, so a note that
    // moves to the other source changes colour.
    if (!rebuild || m_building.Eintraege == m_shown.Eintraege)
        return false;
    m_shown = m_building;
    return true;
}

void TickerContent::watchConnection(const QDateTime& now)
{
    if (m_fileExists(m_context.BroadcastDatenbankPfad)) {
        if (markerPresent()) {
            // The connection has come back after a notice.
            deleteMarker();
            m_context.BroadcastOeffnen(Database::tickBusyTimeoutMs);
            BroadcastEinstellungenLaden(m_context.broadcastEinstellungen, m_context.settings);
        }
        if (m_notices.noticeVisible() && !m_toldFileMissing)
            m_notices.closeNotice();
        return;
    }
    m_context.NetzFehler = true;
    if (!markerPresent())
        giveNetworkNotice(now);
}

// While no file is at the path the open one is still read, so the band runs on; writes
// are refused, and the user learns why once.
void TickerContent::watchLocalFile()
{
    if (m_context.local.followPath() != PathCheck::Missing) {
        m_toldFileMissing = false;
        return;
    }
    if (m_toldFileMissing)
        return;
    m_toldFileMissing = true;
    m_platform.beep();
    m_notices.showNotice(fileRemovedNotice(m_context.DatenbankPfad, m_context.settings.Sprache));
}

void TickerContent::giveNetworkNotice(const QDateTime& now)
{
    if (!m_toldThisRun) {
        m_toldThisRun = true;
        m_platform.beep();
        m_notices.showNetworkNotice(
            m_context.settings.Sprache == 1
                ? QStringLiteral("Network error - cannot reach broadcast server.")
                : QStringLiteral("Netzwerkfehler - Broadcast Server nicht erreichbar."));
    }
    FehlerZeitSchreiben(now);
    FehlerZeitLesen();
}

bool TickerContent::markerPresent() const
{
    return m_markerInMemory || m_fileExists(markerFile);
}

void TickerContent::FehlerZeitSchreiben(const QDateTime& now)
{
    m_markerInMemory = true;
    m_markerTime = now;
    QFile file(markerFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        QTextStream(&file) << now.toString(stampFormat) << '\n';
}

void TickerContent::FehlerZeitLesen()
{
    QFile file(markerFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        m_FehlerZeit = QString::fromUtf8(file.readLine()).trimmed();
    else
        m_FehlerZeit = m_markerTime.toString(stampFormat);
}

void TickerContent::deleteMarker()
{
    QFile::remove(markerFile);
    m_markerInMemory = false;
}

} // namespace qb
