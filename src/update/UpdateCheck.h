#pragma once

#include "update/FtpTransfer.h"

#include <QDate>
#include <QObject>

namespace qb {

// The daily online version check. The marker "hete.kvl" in the current folder holds the day
// of the last check, written before the transfer, so that a check that fails, hangs or is
// still running is not repeated on the same day. The day is also kept in memory, for a
// folder where the marker cannot be written.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    // address: the remote version file (see UpdateAdresse); empty turns the check off.
    // fetchHelper: the transfer program (FtpTransfer).
    UpdateCheck(QString address, int ownVersion, FtpTransfer::Limits limits = {},
                const QString& fetchHelper = FtpTransfer::programHelper(),
                QObject* parent = nullptr);

    // The check of the day:
    //  1. nothing when the check is off or already ran on `today`; else today into the marker;
    //  2. "serverversion.txt" deleted, the start of the remote file fetched;
    //  3. at the end (signal checked) the offered version: the server's when it is newer
    //     than the own one, else 0; a transfer that failed leaves the offer as it was;
    //     "serverversion.txt" deleted again.
    // Returns whether a transfer started.
    bool VersionPruefen(const QDate& today);

    // The server's version of the last answered check when it is newer than the own one,
    // else 0.
    int angebotVersion() const { return m_angebotVersion; }

signals:
    // A check has ended, with or without an answer from the server: the offer after it.
    void checked(int angebotVersion);

private:
    bool ranOn(const QDate& today) const;
    void markDay(const QDate& today);
    void transferEnded(bool ok, const QByteArray& data);

    QString m_address;
    int m_ownVersion;
    FtpTransfer::Limits m_limits;
    FtpTransfer m_transfer;
    QDate m_lastDay;
    int m_angebotVersion = 0;
};

} // namespace qb
