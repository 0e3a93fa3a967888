#include "ShellRoutines.h"

#include "platform/Platform.h"

namespace qb {

QString hilfeSeite(qint16 Sprache)
{
    switch (Sprache) {
    case 1: return QStringLiteral("start-e.htm");
    case 2: return QStringLiteral("start-d.htm");
    default: return {};
    }
}

bool HilfeZeigen(Platform& platform, qint16 Sprache)
{
    const QString page = hilfeSeite(Sprache);
    return !page.isEmpty() && platform.openDocument(page);
}

} // namespace qb
