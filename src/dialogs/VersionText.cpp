#include "VersionText.h"

namespace qb {

QString VersionText(int version, qint16 Sprache)
{
    // QString::number formats in the C locale: the point stays a point.
    const QString number = QString::number(version / 100.0, 'f', 2);
    return (Sprache == 1 ? QStringLiteral("Build ") : QStringLiteral("Version ")) + number;
}

QString aboutPageAddress(qint16 Sprache)
{
    return QStringLiteral(QB_WEB_ADDRESS) +
           (Sprache == 1 ? QStringLiteral("/quillaband/en/about.htm")
                         : QStringLiteral("/quillaband/de/about.htm"));
}

QString downloadPageAddress(qint16 Sprache)
{
    return QStringLiteral(QB_WEB_ADDRESS) + (Sprache == 1
                                                 ? QStringLiteral("/quillaband/en/download.htm")
                                                 : QStringLiteral("/quillaband/de/download.htm"));
}

} // namespace qb
