#include "qsl/QslModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"
#include "support/RecordingPrinterSurface.h"
#include "support/StatistikKontakte.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Feld = QslModel::Feld;

class QslModelTest : public test::ContestFixture {
protected:
    QslModelTest()
    {
        // Stored order on purpose not alphabetical; rows 2, 4 and 6 marked.
        test::schreibeKontakte(*model.db(), u"144MHz"_s,
            { { u"14:05"_s, u"DL1ABC"_s, u"100"_s, {}, {} }, { u"14:05"_s, u"F5XYZ"_s, u"600"_s, {}, {} },
                { u"14:05"_s, u"DK2XY"_s, u"50"_s, {}, {} }, { u"14:05"_s, u"DL3ZZZ"_s, u"-----"_s, {}, {} },
                { u"14:05"_s, u"ON4X'Q"_s, u"20"_s, {}, {} }, { u"14:05"_s, u"OE/DL1ABC"_s, u"10"_s, {}, {} },
                { u"14:05"_s, u"DL7AB"_s, u"99"_s, {}, {} } });
        for (const qint64 rowid : { 2, 4, 6 })
            model.db()->qslUmschalten(u"144MHz"_s, rowid);
    }

    // What the list shows, read through the view's interface.
    QStringList liste() const
    {
        QStringList calls;
        const QslListe& l = qsl.liste();
        for (int row = 0; row < l.rowCount(); ++row)
            calls.append(l.data(l.index(row, 0)).toString());
        return calls;
    }
    QString häkchen() const
    {
        QString s;
        const QslListe& l = qsl.liste();
        for (int row = 0; row < l.rowCount(); ++row)
            s += l.data(l.index(row, 0), Qt::CheckStateRole).toInt() == Qt::Checked ? u'x' : u'.';
        return s;
    }
    // The stored marks of the whole band, in stored order.
    QString gespeichert()
    {
        QString s;
        for (const QsoRecord& q : band())
            s += q.qsl ? u'x' : u'.';
        return s;
    }

    RecordingPrinterSurface drucker;
    QslModel qsl { model, settings, drucker, prompter };
};

TEST_F(QslModelTest, SelectionByPatternAndDistanceInStoredOrder)
{
    const struct {
        QString call, punkte;
        QStringList erwartet;
    } cases[] = {
        { u"*"_s, u"0"_s, { u"DL1ABC"_s, u"F5XYZ"_s, u"DK2XY"_s, u"ON4X'Q"_s, u"OE/DL1ABC"_s, u"DL7AB"_s } },
        { u"dl*"_s, u"0"_s, { u"DL1ABC"_s, u"DL7AB"_s } },
        { u"D?2*"_s, u"0"_s, { u"DK2XY"_s } },
        { u"*'*"_s, u"0"_s, { u"ON4X'Q"_s } },
        { u"*"_s, u"99"_s, { u"DL1ABC"_s, u"F5XYZ"_s } },
        { u"*"_s, u" 99.5 "_s, { u"DL1ABC"_s, u"F5XYZ"_s } },
        { u"DL3ZZZ"_s, u"0"_s, {} }, // invalid contacts have VAL 0
        { u""_s, u"0"_s, {} },
    };
    for (const auto& c : cases) {
        qsl.setTxtCall(c.call);
        qsl.txtPunkte = c.punkte;
        qsl.auswahlAnwenden();
        EXPECT_EQ(liste(), c.erwartet) << c.call.toStdString() << " / " << c.punkte.toStdString();
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_EQ(qsl.txtCall(), u""_s);
    qsl.setTxtCall(u"dl*"_s);
    EXPECT_EQ(qsl.txtCall(), u"DL*"_s);
}

TEST_F(QslModelTest, LimitThatIsNoNumberGivesAMessageAndAnEmptyList)
{
    qsl.füllen();
    for (const QString& punkte : { u""_s, u"1' OR '1'='1"_s }) {
        prompter.vergiss();
        qsl.txtPunkte = punkte;
        qsl.füllen();
        EXPECT_EQ(liste(), QStringList()) << punkte.toStdString();
        const QString text = prompter.einzige().text;
        EXPECT_TRUE(text.endsWith(u"Bitte bei \u201EEntfernungen über\u201C eine Zahl (km) eingeben."_s));
        EXPECT_EQ(
            text.startsWith(u"\u201E"_s + punkte + u"\u201C ist keine Entfernung."_s), !punkte.isEmpty());
    }
    // Marking and printing with such a limit change and print nothing.
    qsl.txtPunkte = u"0"_s;
    qsl.füllen();
    const QString vorher = häkchen();
    qsl.txtPunkte = u"x"_s;
    qsl.alleMarkieren();
    EXPECT_EQ(häkchen(), vorher);
    EXPECT_EQ(gespeichert(), u".x.x.x."_s);
    EXPECT_FALSE(qsl.drucken());
    EXPECT_EQ(drucker.dokumente(), 0);
}

TEST_F(QslModelTest, MarkingChangesTicksThenTheStoredMarksOfTheSelection)
{
    qsl.füllen();
    ASSERT_EQ(häkchen(), u".x..x."_s);
    qsl.markierungUmkehren();
    EXPECT_EQ(häkchen(), u"x.xx.x"_s);
    // DL3ZZZ (invalid, 4th row) is not in the selection and keeps its mark.
    EXPECT_EQ(gespeichert(), u"x.xxx.x"_s);
    qsl.markierungLöschen();
    EXPECT_EQ(häkchen(), u"......"_s);
    EXPECT_EQ(gespeichert(), u"...x..."_s);
    qsl.alleMarkieren();
    EXPECT_EQ(häkchen(), u"xxxxxx"_s);
    EXPECT_EQ(gespeichert(), u"xxxxxxx"_s);
}

TEST_F(QslModelTest, EditedFiltersWithoutEnterMarkTheNewSelectionButKeepTheList)
{
    qsl.füllen();
    qsl.setTxtCall(u"DL*"_s);
    qsl.markierungLöschen();
    // The list still shows every contact, all unticked ...
    EXPECT_EQ(liste().size(), 6);
    EXPECT_EQ(häkchen(), u"......"_s);
    // ... while only the DL calls lost their stored mark (there were none set).
    EXPECT_EQ(gespeichert(), u".x.x.x."_s);
    qsl.alleMarkieren();
    EXPECT_EQ(gespeichert(), u"xx.x.xx"_s);
    qsl.auswahlAnwenden();
    EXPECT_EQ(liste(), (QStringList { u"DL1ABC"_s, u"DL7AB"_s }));
    EXPECT_EQ(häkchen(), u"xx"_s);
}

TEST_F(QslModelTest, ClickingATickTogglesTheStoredMark)
{
    qsl.füllen();
    qsl.liste().setData(qsl.liste().index(0, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(gespeichert(), u"xx.x.x."_s);
    EXPECT_EQ(häkchen(), u"xx..x."_s);
    EXPECT_EQ(qsl.liste().data(qsl.liste().index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // The stored value is inverted whatever the tick says: set it behind the
    // list's back, then tick the entry.
    model.db()->qslUmschalten(u"144MHz"_s, 3);
    EXPECT_EQ(gespeichert(), u"xxxx.x."_s);
    qsl.liste().setData(qsl.liste().index(2, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(gespeichert(), u"xx.x.x."_s);
    EXPECT_EQ(häkchen(), u"xxx.x."_s);
    // Unticking OE/DL1ABC clears its mark and nothing else.
    qsl.liste().setData(qsl.liste().index(4, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(gespeichert(), u"xx.x..."_s);
}

TEST_F(QslModelTest, SettingsAreLoadedStoredOnLeavingAndChoicesStartFresh)
{
    EXPECT_EQ(qsl.feld(Feld::Station), u"Rig: ??????   Pwr: ??? watts   Ant:  ??????????"_s);

    qsl.setFeld(Feld::Höhe, u" 38,1 mm"_s);
    qsl.feldVerlassen(Feld::Höhe);
    qsl.setFeld(Feld::Station, u""_s);
    qsl.feldVerlassen(Feld::Station);
    qsl.chkZweiSpalten = false;
    qsl.optPseQsl = false;
    qsl.etikettenartWählen(0);

    // A new form: stored non-empty texts replace the initial ones, an empty one
    // leaves it; stock, columns and closing words start as always.
    RecordingPrinterSurface andererDrucker;
    QslModel neu(model, settings, andererDrucker, prompter);
    EXPECT_EQ(neu.feld(Feld::Höhe), u" 38,1 mm"_s);
    EXPECT_EQ(neu.feld(Feld::Station), u"Rig: ??????   Pwr: ??? watts   Ant:  ??????????"_s);
    EXPECT_EQ(neu.etikettenart(), 1);
    EXPECT_TRUE(neu.chkZweiSpalten && neu.optPseQsl);
    EXPECT_EQ((QStringList { neu.txtCall(), neu.txtPunkte }), (QStringList { u"*"_s, u"0"_s }));
}

TEST_F(QslModelTest, LabelStockSwitchesPageSizeCountAndColumns)
{
    qsl.setFeld(Feld::Höhe, u"36.1"_s);
    qsl.setFeld(Feld::VertikalerAbstand, u"2"_s);
    qsl.etikettenartWählen(0);
    EXPECT_EQ(drucker.seitenhöhe(), 2160); // 38.1 mm × 56.7 = 2160.27
    EXPECT_EQ(drucker.seitenbreite(), 11907);
    EXPECT_EQ(qsl.feld(Feld::Anzahl), u"9999"_s);
    // The height is taken at the click only.
    qsl.setFeld(Feld::Höhe, u"50"_s);
    EXPECT_EQ(drucker.seitenhöhe(), 2160);

    qsl.etikettenartWählen(1);
    EXPECT_EQ(drucker.seitenhöhe(), 16840);
    EXPECT_EQ(qsl.feld(Feld::Anzahl), u"8"_s); // nothing stored: the initial count
    settings.schreiben(u"Etiketten"_s, u"Anzahl"_s, u"7"_s);
    qsl.etikettenartWählen(0);
    qsl.etikettenartWählen(1);
    EXPECT_EQ(qsl.feld(Feld::Anzahl), u"7"_s);

    // A height that reads as nothing still gives a page.
    qsl.setFeld(Feld::Höhe, u"abc"_s);
    qsl.setFeld(Feld::VertikalerAbstand, u""_s);
    qsl.etikettenartWählen(0);
    EXPECT_EQ(drucker.seitenhöhe(), 1);
}

TEST_F(QslModelTest, PrintingLabelsTheMarkedContactsOfTheSelection)
{
    qsl.setTxtCall(u"*"_s);
    qsl.txtPunkte = u"15"_s; // OE/DL1ABC (10 km) is marked but not selected
    qsl.optPseQsl = false;
    EXPECT_TRUE(qsl.drucken());
    EXPECT_EQ(drucker.abgeschlosseneDokumente(), 1);
    // What a label holds is the label printer's golden file; here only which contacts.
    const QStringList texte = drucker.texte(1, 1);
    EXPECT_EQ(texte.count(u"       To Radio:   "_s), 1);
    EXPECT_TRUE(texte.contains(u"F5XYZ"_s));
}

// A preview needs at least one marked contact; the operator is told once why
// none opens, and a limit that is no number gives only its own message.
TEST_F(QslModelTest, PreviewTakesTheMarkedContactsOrSaysNoneIsMarked)
{
    const QString keine = u"Keine Verbindung der Auswahl ist für einen QSL-Aufkleber markiert."_s;
    struct Fall {
        QString call;
        QString punkte;
        std::optional<QStringList> calls;
        bool keineMeldung;
    };
    const Fall fälle[] = {
        { u"*"_s, u"0"_s, QStringList { u"F5XYZ"_s, u"OE/DL1ABC"_s }, false },
        { u"*"_s, u"15"_s, QStringList { u"F5XYZ"_s }, false },
        { u"DK*"_s, u"0"_s, std::nullopt, true },
        { u"*"_s, u"700"_s, std::nullopt, true },
        { u"*"_s, u"x"_s, std::nullopt, false },
    };
    for (const Fall& f : fälle) {
        prompter.vergiss();
        qsl.setTxtCall(f.call);
        qsl.txtPunkte = f.punkte;
        const std::optional<QList<QsoRecord>> qsos = qsl.vorschauQsos();
        const std::string fall = QString(f.call + u' ' + f.punkte).toStdString();
        ASSERT_EQ(qsos.has_value(), f.calls.has_value()) << fall;
        if (qsos) {
            QStringList calls;
            for (const QsoRecord& q : *qsos)
                calls.append(q.rufzeichen);
            EXPECT_EQ(calls, *f.calls) << fall;
            EXPECT_TRUE(prompter.gezeigt().isEmpty()) << fall;
            continue;
        }
        ASSERT_EQ(prompter.gezeigt().size(), 1) << fall;
        EXPECT_EQ(prompter.gezeigt()[0].text == keine, f.keineMeldung) << fall;
        if (f.keineMeldung) {
            EXPECT_EQ(prompter.gezeigt()[0].titel, u"Hinweis"_s) << fall;
        }
    }
}

} // namespace
} // namespace tarvex
