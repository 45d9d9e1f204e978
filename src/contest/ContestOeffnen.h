#pragma once
#include <QString>

namespace tarvex {

class ContestModel;
class Prompter;

// Makes a contest file chosen in the open dialog the current contest: the band
// settings are rebuilt from the file's band tables, the band table that sorts
// first becomes current (upgraded to all fourteen fields), TMP and PARAM are
// ensured with the own station shown until now, and the contest and band are
// remembered for the next start. A file that cannot be opened is reported
// through the prompter and changes neither the model nor the settings.
// Returns true when the file is the current contest now.
bool contestÖffnen(ContestModel& model, Prompter& prompter, const QString& pfad);

} // namespace tarvex
