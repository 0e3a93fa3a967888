#include "PasswordGuard.h"

#include <QCryptographicHash>
#include <QStringList>

namespace qb::PasswordGuard {

QString passwordOf(const QString& connect)
{
    const QString key = QStringLiteral("pwd=");
    for (const QString& part : connect.split(QLatin1Char(';'))) {
        if (part.startsWith(key, Qt::CaseInsensitive))
            return part.mid(key.size());
    }
    return {};
}

QByteArray hash(const QByteArray& salt, const QString& password)
{
    return QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256).toHex();
}

} // namespace qb::PasswordGuard
