#include "Gearbeitet.h"

#include "contest/OffenerContest.h"
#include "entry/CallSign.h"
#include "store/ContestDatabase.h"

#include <exception>

namespace tarvex {

using namespace Qt::StringLiterals;

Gearbeitet::Gearbeitet(OffenerContest& contest)
    : contest_(contest)
{
}

Gearbeitet::Stand Gearbeitet::jetzt() const
{
    if (!contest_.hatContest())
        return {};
    const Summen s = contest_.summen();
    return { contest_.Datenbank(), contest_.Band(), s.anzahl, s.gültige };
}

bool Gearbeitet::veraltet()
{
    const Stand j = jetzt();
    if (j == gemeldet_)
        return false;
    gemeldet_ = j;
    return true;
}

bool Gearbeitet::gearbeitet(const QString& call)
{
    const Stand j = jetzt();
    if (!(j == stand_)) {
        stand_ = j;
        antworten_.clear();
        spalte_ = -1;
    }
    ContestDatabase* db = contest_.db();
    if (db == nullptr || stand_.band.isEmpty())
        return false;
    const QString kern = Kern2(call.trimmed().toUpper());
    if (kern.isEmpty())
        return false;
    if (const auto it = antworten_.constFind(kern); it != antworten_.cend())
        return *it;
    bool ja = false;
    try {
        if (spalte_ < 0)
            spalte_ = static_cast<int>(db->spalten(stand_.band).indexOf(u"KernCall"_s));
        // The look-up also lists contacts in the locator; an empty one matches
        // contacts without locator, so only the core call column decides.
        for (const LogZeile& z : db->frühere(stand_.band, kern, QString())) {
            if (spalte_ >= 0 && spalte_ < z.werte.size()
                && z.werte.at(spalte_).toString().compare(kern, Qt::CaseInsensitive) == 0) {
                ja = true;
                break;
            }
        }
    } catch (const std::exception&) {
        // A file that cannot be read now shows no mark; the log window reports it.
        ja = false;
    }
    antworten_.insert(kern, ja);
    return ja;
}

} // namespace tarvex
