#pragma once
#include <QString>

namespace tarvex {

// Contest files are created as typed ("TEST.mdb") and referred to in capitals
// ("TEST.MDB"). On our case-sensitive file system both must name one file: the
// file name is matched without regard to case within its directory.
QString resolveCaseInsensitive(const QString& path);
bool existsCaseInsensitive(const QString& path);

// The journal beside a contest database: its last three characters become "txt".
QString journalPfad(const QString& datenbank);

// A file in the working directory, matched without regard to case ("CONTEST.DAT").
QString imArbeitsverzeichnis(const QString& dateiname);

} // namespace tarvex
