#pragma once

#include <QString>

namespace qb {

// The settings in memory: one member per column of the table Einstellungen,
// under the column's name. Booleans are bool here and -1/0 in the table;
// colours are 24-bit values with red in the low byte (&HBBGGRR).
struct Settings
{
    static constexpr qint32 defaultFensterHgFarbe = 0x800000;
    static constexpr qint32 defaultUhrHgFarbe = 0xFFE0E0;
    static constexpr qint32 defaultNotizHgFarbe = 0xFFA0A0;
    static constexpr qint32 defaultUhrSchriftFarbe = 0x000000;
    static constexpr qint32 defaultSchriftFarbe2 = 0x00FFFF;
    static constexpr int defaultSpeed = 30;
    static constexpr int minimumSpeed = 5;
    static inline const QString defaultSchriftName = QStringLiteral("MS Sans Serif");
    static constexpr int defaultSchriftGroesse = 8;
    static constexpr qint32 defaultSchriftFarbe = 0xFFFFFF;
    static constexpr bool defaultSchriftFett = true;
    static constexpr bool defaultSchriftKursiv = false;

    qint16 Sprache = 0; // 1 English, 2 German
    bool ImmerOben = false;
    qint32 dockPos = 0; // 0 top, anything else bottom
    qint32 fensterHgFarbe = 0;
    qint32 uhrHgFarbe = 0;
    qint32 notizHgFarbe = 0;
    qint32 UhrSchriftFarbe = 0;
    bool erstVorbei = false;
    QString SchriftName;
    qint16 SchriftGroesse = 0;
    qint32 SchriftFarbe = 0;
    bool SchriftFett = false;
    bool SchriftKursiv = false;
    qint32 SchriftFarbe2 = 0;
    qint16 Schrift3D = 0;
    bool sysopStatus = false;
    QString passWort;
    bool broadcastStatus = false;
    QString broadcastPfad;
    bool remoteEinstellungen = false;
    bool eigeneErlauben = false;
    bool zeigDatum = false;
    bool zeigRahmen = false;
    qint16 Speed = 0;

    bool operator==(const Settings&) const = default;
};

} // namespace qb
