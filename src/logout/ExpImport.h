#pragma once
#include <QString>

namespace tarvex {

class OffenerContest;
class Prompter;

// Reading an exchange file back into a band of the open contest (the logging
// window's `ExpDateiImportieren`): the whole file in one transaction or nothing,
// then the logging window switches to that band.
class ExpImport {
public:
    ExpImport(OffenerContest& contest, Prompter& prompter);

    // The file is named relative to the working directory. Tells the operator
    // what happened; returns true when the contacts were stored.
    bool ExpDateiImportieren(const QString& ImportDatei);

private:
    OffenerContest& contest_;
    Prompter& prompter_;
};

} // namespace tarvex
