#include "VersionText.h"

#include "DialogTexts.h"

namespace qb {

QString VersionText(int version, qint16 sprache)
{
    // QString::number formats in the C locale: the point stays a point.
    const QString number = QString::number(version / 100.0, 'f', 2);
    return dialogText(DialogText::VersionWord, sprache) + number;
}

QString aboutPageAddress(qint16 sprache)
{
    return QStringLiteral(QB_WEB_ADDRESS) + dialogText(DialogText::AboutPage, sprache);
}

QString downloadPageAddress(qint16 sprache)
{
    return QStringLiteral(QB_WEB_ADDRESS) + dialogText(DialogText::DownloadPage, sprache);
}

} // namespace qb
