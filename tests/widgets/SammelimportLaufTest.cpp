// The wiring of "Bekannte Stationen importieren …": folder and thresholds through the
// prompter, a progress dialog while a thread reads, cancel, and the report. The
// counting rules are tested on the headless import.
#include "callinfo/SammelimportLauf.h"
#include "contest/ContestModel.h"
#include "store/Connection.h"
#include "support/ContestFixture.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tarvex;

class SammelimportLaufTest : public QObject {
    Q_OBJECT
private:
    struct Umgebung : test::Arbeitsplatz {
        explicit Umgebung(int dateien)
        {
            test::schreibeContestDat(u"CONTEST.DAT"_s, {});
            for (int i = 0; i < dateien; ++i)
                test::schreibeDatei(dir.pfad(u"logs/%1/log%2.edi"_s.arg(i % 3).arg(i)),
                    u"[REG1TEST;1]\nPCall=DK%1AA\nPBand=144 MHz\n[QSORecords;1]\n"
                    "261205;1400;DL1ABC;1;59;001;59;001;;JO31AB;100;;;;\n"_s.arg(i)
                        .toLatin1());
            prompter.antworteDatei(dir.pfad(u"logs"_s));
        }
        QStringList logstations()
        {
            Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::NurLesen);
            QStringList r;
            if (c.scalar(u"SELECT name FROM sqlite_master WHERE name='LOGSTATIONS'"_s).isNull())
                return r;
            for (const QVariantList& z : c.select(u"SELECT CALL || '|' || LOGS FROM LOGSTATIONS"_s).zeilen)
                r.append(z.value(0).toString());
            return r;
        }
        ContestModel contest { prompter, clock, keystrokes, lookup, settings };
        QWidget fenster;
        SammelimportLauf lauf { contest, contestDat, fragen, &fenster };
    };

private slots:
    void readsOnAThreadWithProgressAndReports()
    {
        Umgebung u(4);
        QSignalSpy fertig(&u.lauf, &SammelimportLauf::done);
        u.lauf.starten();
        // The thresholds are asked with the defaults preset; the dialog shows while the thread reads.
        QCOMPARE(u.prompter.gefragt().size(), 2);
        QCOMPARE(u.prompter.gefragt()[0].vorgabe, u"3"_s);
        QCOMPARE(u.prompter.gefragt()[1].vorgabe, u"2"_s);
        QVERIFY(u.lauf.läuft());
        auto* dialog = u.fenster.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->maximum(), 4);
        QVERIFY(fertig.wait(10000));
        QVERIFY(!u.lauf.läuft());
        QCOMPARE(u.prompter.dateiFragen().first().art, Dateiwahl::Art::Ordner);
        QCOMPARE(u.logstations(), (QStringList { u"DL1ABC|4"_s }));
        const QString bericht = u.prompter.texte().join(u'\n');
        QVERIFY2(bericht.contains(u"4 Dateien, 4 Logs"_s), qPrintable(bericht));
        QVERIFY2(bericht.contains(u"1 Paar übernommen (1 Station)"_s), qPrintable(bericht));
    }

    void cancelWritesNothing()
    {
        Umgebung u(600);
        QSignalSpy fertig(&u.lauf, &SammelimportLauf::done);
        u.lauf.starten();
        auto* dialog = u.fenster.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        auto* abbrechen = dialog->findChild<QPushButton*>();
        QVERIFY(abbrechen);
        QCOMPARE(abbrechen->text(), u"Abbrechen"_s);
        abbrechen->click();
        QVERIFY(fertig.wait(10000));
        QCOMPARE(u.logstations(), QStringList());
        QVERIFY2(u.prompter.texte().join(u'\n').contains(u"abgebrochen"_s),
            qPrintable(u.prompter.texte().join(u'\n')));
    }

    void noEdiFileNoRun()
    {
        test::Arbeitsplatz a;
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        QDir().mkpath(a.dir.pfad(u"leer"_s));
        a.prompter.antworteDatei(a.dir.pfad(u"leer"_s));
        ContestModel contest { a.prompter, a.clock, a.keystrokes, a.lookup, a.settings };
        SammelimportLauf lauf { contest, a.contestDat, a.fragen, nullptr };
        lauf.starten();
        QVERIFY(!lauf.läuft());
        QVERIFY(a.prompter.texte().join(u'\n').contains(u"keine EDI-Datei"_s));
        QVERIFY(a.prompter.gefragt().isEmpty());
    }
};

QTEST_MAIN(SammelimportLaufTest)
#include "SammelimportLaufTest.moc"
