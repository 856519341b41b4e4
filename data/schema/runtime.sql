-- The questions of the current exam, one row per question.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    Otazka VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    FilterOtazka VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Celkem INTEGER,
    Dobre INTEGER,
    Spatne INTEGER,
    Prumer INTEGER
);
CREATE UNIQUE INDEX by_otazka ON records (Otazka);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', 'Otazka');
