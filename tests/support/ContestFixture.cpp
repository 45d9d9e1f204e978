#include "ContestFixture.h"

#include "common/TextFile.h"
#include "store/ContestDatabase.h"

namespace tarvex::test {

using namespace Qt::StringLiterals;

ContestFixture::ContestFixture()
{
    ContestDatInhalt inhalt;
    inhalt.präfixe
        = { { u"DL"_s, u"Deutschland"_s }, { u"DK"_s, u"Deutschland"_s }, { u"F"_s, u"Frankreich"_s },
              { u"G"_s, u"England"_s }, { u"OE"_s, u"Österreich"_s }, { u"PA"_s, u"Niederlande"_s },
              { u"OK"_s, u"Tschechische Republik"_s }, { u"SP"_s, u"Polen"_s }, { u"ON"_s, u"Belgien"_s } };
    inhalt.squares = { { u"JO31"_s, u"Deutschland"_s }, { u"JO31"_s, u"Niederlande"_s },
        { u"JO32"_s, u"Deutschland"_s }, { u"JO42"_s, u"Deutschland"_s }, { u"JO62"_s, u"Deutschland"_s },
        { u"JO30"_s, u"Deutschland"_s }, { u"JN48"_s, u"Deutschland"_s }, { u"JO22"_s, u"Niederlande"_s },
        { u"JN18"_s, u"Frankreich"_s }, { u"IO91"_s, u"England"_s }, { u"JN78"_s, u"Österreich"_s },
        { u"JO70"_s, u"Tschechische Republik"_s }, { u"JO20"_s, u"Belgien"_s }, { u"JO72"_s, u"Polen"_s } };
    inhalt.stationen = { { u"DL1ABC"_s, u"JO31AB JO32CD JO42EF "_s }, { u"DK2XY"_s, u"JO62QM "_s } };
    inhalt.länder = { u"Belgien"_s, u"Deutschland"_s, u"England"_s, u"Frankreich"_s, u"Litauen"_s,
        u"Niederlande"_s, u"Österreich"_s };
    schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
    schreibeCallInfo(u"CALLINFO.MDB"_s, { { u"DL1ABC"_s, u"Hans"_s }, { u"DK2XY"_s, u"Eva"_s } });

    ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s, u"432MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    writeTextFile(u"TEST.txt"_s, {});
    model.setEigeneStation(u"DL0XX"_s, u"JO31AA"_s);
    model.setRst(RstVorgabe::R59);
    model.entry().Löschen();
    model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
}

void ContestFixture::zeile(const QString& text)
{
    for (const QChar c : text)
        model.entry().tippe(c);
    model.entry().enter();
}

void ContestFixture::logge(const QString& text)
{
    zeile(text);
    zeile(QString());
}

QList<QsoRecord> ContestFixture::band(const QString& name)
{
    return model.db()->qsos(name);
}

} // namespace tarvex::test
