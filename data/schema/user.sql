-- The users of one installation; the password is kept as a salted hash of the password in
-- lower case ("pbkdf2$<iterations>$<salt>$<hash>"), empty for none.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    User VARCHAR(20) NOT NULL DEFAULT '' COLLATE czech,
    Password VARCHAR(120) NOT NULL DEFAULT '' COLLATE czech
);
CREATE UNIQUE INDEX by_user ON records (User);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', 'User');
