#include "ImportModel.h"

#include "ExpImport.h"
#include "common/Prompter.h"

#include <QDir>

namespace tarvex {

using namespace Qt::StringLiterals;

ImportModel::ImportModel(ExpImport& import, Prompter& prompter)
    : import_(import)
    , prompter_(prompter)
{
}

QStringList ImportModel::File1()
{
    // QDir matches name filters without regard to case.
    return QDir::current().entryList({ u"*.EXP"_s }, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

bool ImportModel::importieren(const QString& ImportDatei)
{
    if (ImportDatei.isEmpty()) {
        prompter_.zeige(hinweisMeldung(u"Bitte zuerst eine EXP-Datei auswählen."_s));
        return false;
    }
    importiert_ = import_.ExpDateiImportieren(ImportDatei);
    return true;
}

} // namespace tarvex
