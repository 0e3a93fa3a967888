#include "TickerContent.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "core/StorageFailure.h"
#include "platform/Platform.h"
#include "ticker/NoteWalk.h"
#include "ticker/TickerTexts.h"

#include <QFile>
#include <QSaveFile>
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
//  2. a receiver takes the link's answer and asks its next question;
//  3. on a rebuild: the local file is looked for at its path (a new one there is opened);
//     the local notes are read; every rebuild but the first runs the online version
//     check; the memory the reading took is given back;
//  4. a rebuild or a new read of the broadcaster composes the text; a changed text
//     replaces the shown one.
bool TickerContent::NotizMachen(const QDateTime& now)
{
    ++NeuZaehler;
    const bool rebuild = NeuZaehler >= rebuildEvery;
    const bool broadcastRead =
        m_context.settings.broadcastStatus && talkToBroadcaster(now, rebuild);
    if (rebuild) {
        watchLocalFile();
        TickerAssembly local;
        readLocalNotes(m_context, now, local, m_rebuild);
        m_localEntries = local.Eintraege;
        if (!m_context.values.UpdateVersuchAus && m_onlineCheck)
            m_onlineCheck(now.date());
        NeuZaehler = 0;
        m_context.releaseMemory();
    }
    m_context.values.UpdateVersuchAus = false; // only the first rebuild skips the check
    if (!rebuild && !broadcastRead)
        return false;

    compose(now);
    // Compared with the sources too, so a note that moves to the other source changes colour.
    if (m_building.Eintraege == m_shown.Eintraege)
        return false;
    m_shown = m_building;
    return true;
}

// Takes an answer, asks the next question when none is outstanding, and takes its answer
// at once when it came (a fast share answers within the step).
bool TickerContent::talkToBroadcaster(const QDateTime& now, bool rebuild)
{
    BroadcastLink& link = m_context.broadcastLink;
    if (rebuild && !m_context.NetzFehler)
        m_readWanted = true;
    bool read = takeAnswer(now);
    if (!m_context.NetzFehler && !link.busy()) {
        const bool wantsRead = m_readWanted || m_reopenWanted;
        if (link.request({wantsRead ? BroadcastRequest::Kind::Read : BroadcastRequest::Kind::Probe,
                          m_context.BroadcastDatenbankPfad, m_reopenWanted}) &&
            wantsRead)
            m_readWanted = m_reopenWanted = false;
        read = takeAnswer(now) || read;
    }
    // A share that does not answer: the call is left running, nothing is piled on it.
    if (!m_context.NetzFehler && link.overdue())
        enterNetworkError(now);
    return read;
}

bool TickerContent::takeAnswer(const QDateTime& now)
{
    const std::optional<BroadcastAnswer> answer = m_context.broadcastLink.take();
    // An answer to a question from before an error is dropped: the retry asks anew.
    if (!answer || m_context.NetzFehler)
        return false;
    if (!answer->exists) {
        enterNetworkError(now);
        return false;
    }
    if (markerPresent()) {
        // The connection has come back after a notice: open the broadcaster again.
        deleteMarker();
        m_reopenWanted = true;
    }
    if (m_notices.noticeVisible())
        m_notices.closeNotice();
    if (answer->kind != BroadcastRequest::Kind::Read)
        return false;
    switch (answer->outcome) {
    case BroadcastAnswer::Outcome::Unreachable:
        enterNetworkError(now);
        return false;
    case BroadcastAnswer::Outcome::LockedOut:
        return false; // a lock is no failure: the entries of the last read stay
    case BroadcastAnswer::Outcome::Read:
        break;
    }
    // A receiver adopts the broadcaster's display settings at every read.
    if (answer->einstellungen)
        BroadcastEinstellungenLaden(*answer->einstellungen, m_context.settings);
    m_broadcastRows = answer->notes;
    return true;
}

void TickerContent::enterNetworkError(const QDateTime& now)
{
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

void TickerContent::compose(const QDateTime& now)
{
    m_building.clear();
    if (m_context.settings.broadcastStatus && !m_context.NetzFehler) {
        for (const NoteRow& row : m_broadcastRows) {
            if (shownInTicker(row, now))
                m_building.add(TickerSource::Broadcast, row.inhalt);
        }
    }
    if (m_context.settings.eigeneErlauben) {
        for (const TickerEntry& entry : m_localEntries)
            m_building.add(entry.source, entry.text);
    }
}

void TickerContent::giveNetworkNotice(const QDateTime& now)
{
    if (!m_toldThisRun) {
        m_toldThisRun = true;
        m_platform.beep();
        m_notices.showNetworkNotice(
            tickerText(TickerText::NetworkError, m_context.settings.Sprache));
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
    // Written aside and renamed: an end in the middle leaves no half-written marker.
    QSaveFile file(markerFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream(&file) << now.toString(stampFormat) << '\n';
        file.commit();
    }
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
