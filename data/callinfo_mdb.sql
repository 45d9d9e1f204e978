-- Builds CALLINFO.MDB from callinfo.csv (run with the sqlite3 shell in this directory).
.bail on
CREATE TABLE CALLINFO(Rufzeichen TEXT, Name TEXT, DOK TEXT, Ort TEXT, Notiz TEXT);
.import --csv --skip 1 callinfo.csv CALLINFO
CREATE INDEX CALLINFO_RUFZEICHEN ON CALLINFO(Rufzeichen);
VACUUM;
