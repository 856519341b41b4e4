-- Dictionary entries: one word pair per record, keyed by the pair. The order names of
-- older dictionaries that some files lack (czechtoothernew, othertoczechnew) share the
-- physical indexes of the others.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    Czech VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Other VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Lekce INTEGER,
    Dobre INTEGER,
    Spatne INTEGER,
    Popis TEXT,
    Pom INTEGER,
    Czechzk VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech,
    Otherzk VARCHAR(80) NOT NULL DEFAULT '' COLLATE czech
);
CREATE UNIQUE INDEX by_czech_other ON records (Czech, Other);
CREATE INDEX by_other_czech ON records (Other, Czech);
CREATE INDEX by_lekce_czech_other ON records (Lekce, Czech, Other);
CREATE INDEX by_lekce_other_czech ON records (Lekce, Other, Czech);
CREATE INDEX by_pom ON records (Pom);
CREATE INDEX by_czechzk ON records (Czechzk);
CREATE INDEX by_otherzk ON records (Otherzk);
INSERT INTO lexiton_indexes (name, fields) VALUES
    ('', 'Czech;Other'),
    ('czechtoothernew', 'Czech;Other'),
    ('othertoczechnew', 'Other;Czech'),
    ('othertoczech', 'Other;Czech'),
    ('lessonczechother', 'Lekce;Czech;Other'),
    ('lessonotherczech', 'Lekce;Other;Czech'),
    ('pomnone', 'Pom'),
    ('czechzknone', 'Czechzk'),
    ('otherzknone', 'Otherzk');
