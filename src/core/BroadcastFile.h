#pragma once

#include "BroadcastLink.h"
#include "Database.h"
#include "RecordSet.h"

#include <functional>

namespace qb {

// The broadcaster's database file as the link's worker reads it: a file test, or
// the settings row and every note, over a read-only connection of its own that
// stays open between reads. A read error reopens the file once and reading goes on
// at the row it stopped at.
class BroadcastFile final : public BroadcastSource
{
public:
    // How long a read waits for the broadcaster's lock; well inside the link's deadline.
    static constexpr int lockWaitMs = 1000;
    using FileProbe = std::function<bool(const QString& path)>;

    explicit BroadcastFile(FileProbe fileExists = {}, int lockWaitMs = BroadcastFile::lockWaitMs);

    BroadcastAnswer answer(const BroadcastRequest& request) override;

private:
    void read(const BroadcastRequest& request, BroadcastAnswer& answer);
    bool reopen(const QString& path);

    FileProbe m_fileExists;
    int m_lockWaitMs;
    Database m_database;
    RecordSet m_notizen{m_database, QStringLiteral("Notizen")};
    RecordSet m_einstellungen{m_database, QStringLiteral("Einstellungen")};
    QString m_Lesezeichen;
};

} // namespace qb
