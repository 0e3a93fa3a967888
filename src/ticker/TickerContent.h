#pragma once

#include "ticker/TickerAssembly.h"
#include "ticker/TickerFeed.h"
#include "ticker/TickerRebuild.h"

#include <QDateTime>
#include <functional>

namespace qb {

struct AppContext;
class Platform;

// What the band shows: rebuilds the ticker text from the due notes every
// hundredth step (the broadcaster's first, then the local ones), watches the
// connection of a receiver and keeps its network-error state.
//
// The marker file "nefe" in the current folder records that the user was told
// about a network error, with the time of the notice. The same state is kept
// in memory, so a folder where the marker cannot be written neither repeats
// the notice nor stops the retries.
class TickerContent final : public TickerFeed
{
public:
    using FileProbe = std::function<bool(const QString& path)>;
    // The daily online version check, run by every rebuild but the first.
    using OnlineCheck = std::function<void(const QDate& today)>;
    static constexpr int rebuildEvery = 100;

    TickerContent(AppContext& context, Platform& platform, NoticeBoard& notices,
                  FileProbe fileExists);

    void waitForNetwork(const QDateTime& now) override;
    bool NotizMachen(const QDateTime& now) override;
    const QVector<TickerEntry>& entries() const override { return m_shown.Eintraege; }
    void requestRebuild() override { NeuZaehler = rebuildEvery; }
    void setOnlineCheck(OnlineCheck check) { m_onlineCheck = std::move(check); }

    const QString& AnzeigeText() const { return m_shown.TickerText; }
    const QString& FehlerZeit() const { return m_FehlerZeit; }

    // Raised by one on every step; a rebuild happens at rebuildEvery.
    int NeuZaehler = rebuildEvery;

private:
    void watchConnection(const QDateTime& now);
    void watchLocalFile();
    void giveNetworkNotice(const QDateTime& now);
    bool markerPresent() const;
    void FehlerZeitSchreiben(const QDateTime& now);
    void FehlerZeitLesen();
    void deleteMarker();

    AppContext& m_context;
    Platform& m_platform;
    NoticeBoard& m_notices;
    FileProbe m_fileExists;
    OnlineCheck m_onlineCheck;

    TickerAssembly m_building;
    TickerAssembly m_shown;
    RebuildState m_rebuild;
    QString m_FehlerZeit;
    // The marker as this process wrote it, for when the file cannot be written.
    bool m_markerInMemory = false;
    QDateTime m_markerTime;
    // The network notice was given in this run; it is given once per run.
    bool m_toldThisRun = false;
    // The local file is gone from its path and the user was told; told again only after
    // a file came back and went again.
    bool m_toldFileMissing = false;
};

} // namespace qb
