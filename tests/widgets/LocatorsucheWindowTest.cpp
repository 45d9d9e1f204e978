// The locator search: typed capitals, Enter and the button search and move
// the focus to "Abbrechen", the grid shows call and locator entry.
#include "stats/LocatorsucheModel.h"
#include "stats/LocatorsucheWindow.h"
#include "store/ReferenceDatabase.h"
#include "support/ContestFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct Umgebung {
    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    ContestDat contestDat;
    std::unique_ptr<LocatorsucheModel> model;
    std::unique_ptr<LocatorsucheWindow> fenster;

    Umgebung()
    {
        test::ContestDatInhalt inhalt;
        inhalt.stationen = {{u"DL1ABC"_s, u"JO31AB JO32CD"_s}, {u"DK2XY"_s, u"JO62QM"_s},
                            {u"PA0X"_s, u"JO21AA JO31EC"_s}, {u"DL9LEER"_s, u""_s}};
        test::schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
        model = std::make_unique<LocatorsucheModel>(contestDat, prompter);
        fenster = std::make_unique<LocatorsucheWindow>(*model);
        fenster->show();
    }

    QPushButton* knopf(const QString& name) const { return fenster->findChild<QPushButton*>(name); }
    QStringList spalte(int c) const
    {
        QStringList r;
        for (int i = 0; i < model->rowCount(); ++i)
            r.append(model->data(model->index(i, c)).toString());
        return r;
    }
};

} // namespace

class LocatorsucheWindowTest : public QObject {
    Q_OBJECT

private slots:
    void typedLettersBecomeCapitalsAndEnterSearches()
    {
        Umgebung u;
        QVERIFY(QTest::qWaitForWindowExposed(u.fenster.get()));
        QCOMPARE(u.spalte(0), QStringList{u"DL9LEER"_s}); // the empty pattern at the start
        QLineEdit* feld = u.fenster->txtLocator();
        feld->setFocus();
        QTest::keyClicks(feld, u"jo31*"_s);
        QCOMPARE(feld->text(), u"JO31*"_s);
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(u.spalte(0), QStringList{u"DL1ABC"_s});
        QCOMPARE(u.spalte(1), QStringList{u"JO31AB JO32CD"_s});
        QCOMPARE(u.fenster->focusWidget(), u.knopf(u"cmdAbbrechen"_s));

        feld->setText(u"*JO31EC*"_s);
        QTest::mouseClick(u.knopf(u"cmdSuchen"_s), Qt::LeftButton);
        QCOMPARE(u.spalte(0), QStringList{u"PA0X"_s});
        QCOMPARE(u.fenster->focusWidget(), u.knopf(u"cmdAbbrechen"_s));
    }
};

QTEST_MAIN(LocatorsucheWindowTest)
#include "LocatorsucheWindowTest.moc"
