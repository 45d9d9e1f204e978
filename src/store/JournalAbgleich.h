#pragma once
#include "Connection.h"
#include "Journal.h"

#include <optional>

namespace tarvex {

// The JOURNAL table of a contest file holds the text journal's lines as saved,
// each with the journal's size after it: the durable record the text file is
// checked against and mended from.
class JournalAbgleich {
public:
    JournalAbgleich(Connection& connection, Journal& journal);

    // Makes the text journal hold exactly the recorded lines again: a line (or
    // part of one) of a contact never stored is cut, lost or damaged lines of
    // stored contacts are written again. Ganz compares every recorded line with
    // the file (after a power cut, at opening); NurEnde only looks at the size
    // (before a save). Returns the note for the operator when something was mended.
    enum class Art { Ganz, NurEnde };
    std::optional<QString> abgleichen(Art art);

    static void tabelleAnlegen(Connection& c);
    // Records a saved line and the journal's size after it; the oldest lines
    // beyond what a power cut could take are dropped.
    static void zeileEintragen(Connection& c, const QString& zeile, qint64 ende);
    // Records that the file up to ende counts as matching as it is.
    static void stelleEintragen(Connection& c, qint64 ende);

private:
    Connection& connection_;
    Journal& journal_;
};

} // namespace tarvex
