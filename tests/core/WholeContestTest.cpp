// Twenty contacts typed through the input line as an operator would, with the
// questions answered by a script; then the band table, the journal and the
// score are compared with reviewed golden files.
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class WholeContestTest : public test::ContestFixture {
protected:
    // One minute passes before each contact.
    void nächsteMinute()
    {
        clock.zeit = clock.zeit.addSecs(60);
        model.uhrTick();
    }

    QByteArray tabelle()
    {
        QStringList zeilen;
        for (const QsoRecord& q : band()) {
            zeilen.append(QStringList { QString::number(q.nummer), q.datum, q.zeit, q.rufzeichen, q.rstGeg,
                q.rstErh, q.locator, q.punkte, q.winkel, q.kernCall, q.square, q.land, q.kommentar,
                q.qsl ? u"1"_s : u"0"_s }
                              .join(u'|'));
        }
        return zeilen.join(u'\n').toUtf8() + '\n';
    }
};

TEST_F(WholeContestTest, TwentyContactsThroughTheInputLine)
{
    using A = Meldung::Antwort;
    const struct {
        const char16_t* zeilen; // lines separated by '|', each ended by Enter; a save follows
        std::vector<A> antworten;
    } kontakte[] = {
        { u"dl1abc jo62qm 59001", {} }, { u"G4XYZ IO91AA 59002", {} },
        { u"F5ABC JN18AA +3", {} }, // "+" shortcut
        { u"PA3XYZ JO22AA 59004", {} }, { u"OK1ABC JO70AA 59A005", {} }, // aurora report with number
        { u"DL1ABC/P JO62QM 59006", { A::Abbrechen } }, // duplicate refused: dropped
        { u"DK2XY 1402 599 59006", {} }, // typed time, report sent 599, known locator
        { u"DL5AAA JN78AA 59007|OE/", {} }, // prefix toggle → Österreich
        { u"SP2ABC JO72AA 59008|/P", {} }, // suffix toggle
        { u"LY2ABC KO24AA 59009", { A::Ja } }, // unknown prefix: country from the list
        { u"DL1ABC/P JO62QM 59010", { A::Ok } }, // duplicate accepted: stored invalid
        { u"ON4ABC JO20AA 59011", {} }, { u"K:qrp|DL2BBB JO30AA 59012", {} }, // comment keeps its case
        { u"DL3CCC JO42EF +13", {} }, { u"G4AAA IO91AA 59014 Q", {} }, // QSL mark
        { u"F6ABC JN18AA 59015 XYZ|F5", {} }, // letters, then prefix replaced: F5XYZ
        { u"DL4DDD JO31BA 59016", {} }, { u"PA0ABC JO22AA 59017 01.12.26", {} }, // typed date
        { u"DK1ZZ JN48AA 59018", {} }, { u"DL9XYZ JO32CD 59019 2CD", {} }, // locator tail: JO32CD
    };
    for (const auto& k : kontakte) {
        nächsteMinute();
        for (A a : k.antworten)
            prompter.antworte(a);
        for (const QString& z : QString::fromUtf16(k.zeilen).split(u'|'))
            zeile(z);
        zeile(QString());
        if (model.länderlisteSichtbar()) {
            model.länderlisteOk(static_cast<int>(model.länder().indexOf(u"Litauen"_s)));
            zeile(QString());
        }
    }

    const QByteArray table = tabelle();
    const QByteArray journal = test::dateiInhalt(u"TEST.txt"_s);
    EXPECT_EQ(QString::fromUtf8(table), QString::fromUtf8(test::golden(u"whole_contest_table.txt"_s)));
    EXPECT_EQ(journal, test::golden(u"whole_contest_journal.txt"_s));

    const Spielstand& s = model.spielstand();
    EXPECT_EQ(s.gültige, 18);
    EXPECT_EQ((QStringList { s.txtNummer, s.txtLänder, s.lblODXCall }),
        (QStringList { u"020"_s, u"9"_s, u"( LY2ABC)"_s }));
    // Two duplicate questions, the unknown country, and the mismatch of DL5AAA in
    // JN78 before its OE/ prefix was typed.
    EXPECT_EQ(prompter.gezeigt().size(), 4) << prompter.texte().join(u" / "_s).toStdString();
}

} // namespace
} // namespace tarvex
