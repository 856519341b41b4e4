-- The grades given to each question of the current exam, in the order given.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    Otazka VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    ZkouseniCislo INTEGER,
    Znamka INTEGER
);
CREATE INDEX by_otazka ON records (Otazka);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', ''), ('Otazka', 'Otazka');
