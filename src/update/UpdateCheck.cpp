#include "UpdateCheck.h"

#include "update/ServerVersion.h"

#include <QFile>

namespace qb {

namespace {

const QString markerFile = QStringLiteral("hete.kvl");
const QString versionFile = QStringLiteral("serverversion.txt");

} // namespace

UpdateCheck::UpdateCheck(QString address, int ownVersion, FtpTransfer::Limits limits,
                         const QString& fetchHelper, QObject* parent)
    : QObject(parent), m_address(std::move(address)), m_ownVersion(ownVersion), m_limits(limits),
      m_transfer(fetchHelper)
{
    connect(&m_transfer, &FtpTransfer::finished, this, &UpdateCheck::transferEnded);
}

bool UpdateCheck::VersionPruefen(const QDate& today)
{
    if (m_address.isEmpty() || ranOn(today) || m_transfer.running())
        return false;
    markDay(today);
    QFile::remove(versionFile);
    // One byte more than is read tells a longer file from one that ends there.
    m_transfer.start(m_address, m_limits, serverVersionBytes + 1);
    return true;
}

bool UpdateCheck::ranOn(const QDate& today) const
{
    if (m_lastDay == today)
        return true;
    QFile marker(markerFile);
    if (!marker.open(QIODevice::ReadOnly))
        return false;
    return QDate::fromString(QString::fromLatin1(marker.readLine(32)).trimmed(), Qt::ISODate) ==
           today;
}

void UpdateCheck::markDay(const QDate& today)
{
    m_lastDay = today;
    QFile marker(markerFile);
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.write(today.toString(Qt::ISODate).toLatin1() + "\r\n");
}

void UpdateCheck::transferEnded(bool ok, const QByteArray& data)
{
    // A check that got no answer leaves the offer of an earlier day as it was.
    if (ok) {
        const int serverVersion = ServerVersionLesen(data);
        m_angebotVersion = serverVersion > m_ownVersion ? serverVersion : 0;
    }
    QFile::remove(versionFile);
    emit checked(m_angebotVersion);
}

} // namespace qb
