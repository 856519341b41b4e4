-- The accepted answers of each question of the current exam.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    Otazka VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Odpoved VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Filterodpoved VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Popis TEXT,
    Auto INTEGER
);
CREATE UNIQUE INDEX by_otazka_odpoved ON records (Otazka, Odpoved);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', 'Otazka;Odpoved');
