#include "core/StorageFailure.h"

#include "core/TextPaar.h"

#include <QFileInfo>
#include <QSqlError>

#include <cerrno>

namespace qb {

namespace {

// SQLite's primary result codes and the one extended code told apart from its primary.
constexpr int sqlitePerm = 3;
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteReadOnly = 8;
constexpr int sqliteIoError = 10;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteFull = 13;
constexpr int sqliteCantOpen = 14;
constexpr int sqliteNotADatabase = 26;
constexpr int sqliteReadOnlyDatabaseMoved = sqliteReadOnly | (4 << 8);

TextPaar actionText(StorageAction action)
{
    switch (action) {
    case StorageAction::StoreNote:
        return {u"The note could not be stored.", u"Die Notiz konnte nicht gespeichert werden."};
    case StorageAction::DeleteNotes:
        return {u"The notes could not be deleted.", u"Die Notizen konnten nicht gelöscht werden."};
    case StorageAction::ReadNotes:
        return {u"The notes could not be read.", u"Die Notizen konnten nicht gelesen werden."};
    case StorageAction::SaveSettings:
        return {u"The settings could not be saved.",
                u"Die Einstellungen konnten nicht gespeichert werden."};
    }
    return {u"", u""};
}

TextPaar causeText(StorageCause cause)
{
    switch (cause) {
    case StorageCause::ReadOnly:
        return {u"The notes file, its folder or its disk is read-only: allow writing, then "
                u"try again.",
                u"Die Notizdatei, ihr Ordner oder ihr Datenträger ist schreibgeschützt: "
                u"Schreiben erlauben und erneut versuchen."};
    case StorageCause::DiskFull:
        return {u"The disk of the notes file is full: free some space, then try again.",
                u"Der Datenträger der Notizdatei ist voll: Platz schaffen und erneut "
                u"versuchen."};
    case StorageCause::DiskError:
        return {u"The disk of the notes file failed or is gone: check that it is attached, "
                u"then try again.",
                u"Der Datenträger der Notizdatei ist fehlerhaft oder nicht mehr da: prüfen, ob "
                u"er angeschlossen ist, und erneut versuchen."};
    case StorageCause::FileRemoved:
        return {u"The notes file was deleted or replaced while Quillaband ran: put it back, "
                u"then try again.",
                u"Die Notizdatei wurde während des Betriebs gelöscht oder ersetzt: sie "
                u"zurücklegen und erneut versuchen."};
    case StorageCause::Locked:
        return {u"Another program holds the notes file locked: close it or wait, then try "
                u"again.",
                u"Ein anderes Programm hält die Notizdatei gesperrt: es schließen oder warten "
                u"und erneut versuchen."};
    case StorageCause::Damaged:
        return {u"The notes file is damaged: restore it from a backup.",
                u"Die Notizdatei ist beschädigt: sie aus einer Sicherung wiederherstellen."};
    case StorageCause::None:
    case StorageCause::Other:
        break;
    }
    return {u"The notes file could not be used (error %1).",
            u"Die Notizdatei konnte nicht verwendet werden (Fehler %1)."};
}

constexpr TextPaar fileRemovedText{
    u"The notes file \"%1\" was removed; notes cannot be saved until it is back.",
    u"Die Notizdatei \u201E%1\u201C wurde entfernt; Notizen können erst wieder gespeichert "
    u"werden, wenn sie zurück ist."};

} // namespace

StorageCause storageCause(int sqliteCode, int systemError)
{
    if (sqliteCode == sqliteReadOnlyDatabaseMoved)
        return StorageCause::FileRemoved;
    switch (sqliteCode & 0xFF) {
    case sqlitePerm:
    case sqliteReadOnly:
    case sqliteCantOpen:
        return StorageCause::ReadOnly;
    case sqliteBusy:
    case sqliteLocked:
        return StorageCause::Locked;
    case sqliteIoError:
        if (systemError == EPERM || systemError == EACCES || systemError == EROFS)
            return StorageCause::ReadOnly;
        if (systemError == ENOSPC || systemError == EDQUOT)
            return StorageCause::DiskFull;
        return StorageCause::DiskError;
    case sqliteFull:
        return StorageCause::DiskFull;
    case sqliteCorrupt:
    case sqliteNotADatabase:
        return StorageCause::Damaged;
    default:
        return StorageCause::Other;
    }
}

StorageFailure storageFailure(const QSqlError& error, int systemError)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    return {isNumber ? storageCause(code, systemError) : StorageCause::Other, isNumber ? code : -1,
            error.text()};
}

QString storageFailureText(StorageAction action, const StorageFailure& failure, qint16 sprache)
{
    QString cause = inSprache(causeText(failure.cause), sprache);
    if (failure.cause == StorageCause::Other || failure.cause == StorageCause::None)
        cause = cause.arg(failure.code);
    return inSprache(actionText(action), sprache) + QLatin1Char(' ') + cause;
}

QString fileRemovedNotice(const QString& path, qint16 sprache)
{
    // The name only: the notice is a small bubble, and the name is the one the user knows.
    const QString name = QFileInfo(path).fileName();
    return inSprache(fileRemovedText, sprache).arg(name);
}

TextTable storageTextTable()
{
    TextTable all;
    for (const StorageAction action : {StorageAction::StoreNote, StorageAction::DeleteNotes,
                                       StorageAction::ReadNotes, StorageAction::SaveSettings})
        all.push_back(actionText(action));
    for (const StorageCause cause :
         {StorageCause::ReadOnly, StorageCause::DiskFull, StorageCause::DiskError,
          StorageCause::FileRemoved, StorageCause::Locked, StorageCause::Damaged,
          StorageCause::Other})
        all.push_back(causeText(cause));
    all.push_back(fileRemovedText);
    return all;
}

} // namespace qb
