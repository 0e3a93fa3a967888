#pragma once

#include <QByteArray>
#include <QString>

namespace qb {

// The database password guard: a file holds a salted hash of its password in
// the table Zugang, and every open must present the password in the connect
// string (";pwd=" + password). A guard against casual opening, not encryption.
namespace PasswordGuard {

inline const QString table = QStringLiteral("Zugang");
inline const QString password = QStringLiteral("brandol+vesku");
inline const QString connectString = QStringLiteral(";pwd=") + password;

// The password of a connect string such as ";pwd=secret"; empty when it has none.
QString passwordOf(const QString& connect);

// Hex SHA-256 of salt + password.
QByteArray hash(const QByteArray& salt, const QString& password);

} // namespace PasswordGuard
} // namespace qb
