-- Builds CONTEST.DAT from the CSV files beside this script (run with the sqlite3 shell
-- in this directory). All columns are text; the indexes serve the program's look-ups,
-- which compare prefixes and squares without regard to case.
.bail on
PRAGMA page_size = 4096;
CREATE TABLE PREFIXE(PREFIX TEXT COLLATE NOCASE, LAND TEXT);
CREATE TABLE SQUARES(SQUARE TEXT COLLATE NOCASE, LAND TEXT);
CREATE TABLE STATIONS(CALL TEXT, LOCATORS TEXT);
CREATE TABLE COUNTRY(LAND TEXT);
.import --csv --skip 1 prefixe.csv PREFIXE
.import --csv --skip 1 squares.csv SQUARES
.import --csv --skip 1 country.csv COUNTRY
CREATE INDEX PREFIXE_PREFIX ON PREFIXE(PREFIX);
CREATE INDEX SQUARES_SQUARE ON SQUARES(SQUARE, LAND);
CREATE INDEX STATIONS_CALL ON STATIONS(CALL);
VACUUM;
