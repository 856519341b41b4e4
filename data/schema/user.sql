-- The users of one installation; the password is kept in lower case, empty for none.
CREATE TABLE records (
    _id INTEGER PRIMARY KEY,
    User VARCHAR(20) NOT NULL DEFAULT '' COLLATE czech,
    Password VARCHAR(20) NOT NULL DEFAULT '' COLLATE czech
);
CREATE UNIQUE INDEX by_user ON records (User);
INSERT INTO lexiton_indexes (name, fields) VALUES ('', 'User');
