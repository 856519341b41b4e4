-- A user's exam history: one record per exam or training run, numbered by Auto.
CREATE TABLE records (
    Datum DATE,
    Time TIME,
    Auto INTEGER PRIMARY KEY AUTOINCREMENT,
    TazaciJazyk VARCHAR(25) NOT NULL DEFAULT '' COLLATE czech,
    Celkem INTEGER,
    Dobre INTEGER,
    Spatne INTEGER,
    Lekceod INTEGER,
    Lekcedo INTEGER,
    Pocet INTEGER,
    Dotazovano INTEGER,
    PoceSpatneZ INTEGER,
    DotazovanoSpatneZ INTEGER,
    "Limit" INTEGER,
    Popis TEXT,
    TypZkouseni INTEGER
);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', 'Auto');
