#include "ShellRoutines.h"

#include "platform/Platform.h"

namespace qb {

QString hilfeSeite(qint16 sprache)
{
    switch (sprache) {
    case 1:
        return QStringLiteral("start-e.htm");
    case 2:
        return QStringLiteral("start-d.htm");
    default:
        return {};
    }
}

bool HilfeZeigen(Platform& platform, qint16 sprache)
{
    const QString page = hilfeSeite(sprache);
    return !page.isEmpty() && platform.openDocument(page);
}

} // namespace qb
