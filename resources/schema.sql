-- The template database org.kvl: both tables, no notes, one settings row that
-- gives a working first start (English, on top, docked at the top, own notes
-- allowed, date and frame shown, speed 30, default colours and font).
-- Booleans are stored as -1 (true) and 0 (false); colours as &HBBGGRR integers.

CREATE TABLE Notizen (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    inhalt TEXT,
    Rhythmus INTEGER,
    UhrVon REAL,
    UhrBis REAL,
    StartDatum TEXT,
    Dauer INTEGER,
    Vorher INTEGER,
    RhyDetails TEXT
);

CREATE TABLE Einstellungen (
    Sprache INTEGER,
    ImmerOben INTEGER,
    dockPos INTEGER,
    fensterHgFarbe INTEGER,
    uhrHgFarbe INTEGER,
    notizHgFarbe INTEGER,
    UhrSchriftFarbe INTEGER,
    erstVorbei INTEGER,
    SchriftName TEXT,
    SchriftGroesse INTEGER,
    SchriftFarbe INTEGER,
    SchriftFett INTEGER,
    SchriftKursiv INTEGER,
    SchriftFarbe2 INTEGER,
    Schrift3D INTEGER,
    sysopStatus INTEGER,
    passWort TEXT,
    broadcastStatus INTEGER,
    broadcastPfad TEXT,
    remoteEinstellungen INTEGER,
    eigeneErlauben INTEGER,
    zeigDatum INTEGER,
    zeigRahmen INTEGER,
    Speed INTEGER
);

INSERT INTO Einstellungen VALUES (
    1,              -- Sprache: English
    -1,             -- ImmerOben
    0,              -- dockPos: top
    8388608,        -- fensterHgFarbe &H800000
    16769248,       -- uhrHgFarbe &HFFE0E0
    16752800,       -- notizHgFarbe &HFFA0A0
    0,              -- UhrSchriftFarbe
    0,              -- erstVorbei
    'MS Sans Serif',
    8,              -- SchriftGroesse
    16777215,       -- SchriftFarbe &HFFFFFF
    -1,             -- SchriftFett
    0,              -- SchriftKursiv
    65535,          -- SchriftFarbe2 &H00FFFF
    0,              -- Schrift3D
    0,              -- sysopStatus
    '',             -- passWort
    0,              -- broadcastStatus
    '',             -- broadcastPfad
    0,              -- remoteEinstellungen
    -1,             -- eigeneErlauben
    -1,             -- zeigDatum
    -1,             -- zeigRahmen
    30              -- Speed
);
