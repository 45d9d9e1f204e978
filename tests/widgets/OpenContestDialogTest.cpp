#include "contest/OpenContestDialog.h"
#include "support/TestFiles.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

using namespace Qt::StringLiterals;

class OpenContestDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsContestFilesInAnyLetterCase()
    {
        tarvex::test::WorkDir dir;
        for (const QString& name : {u"test.mdb"_s, u"ALT.MDB"_s, u"Mai.Mdb"_s, u"test.txt"_s, u"mdb.bak"_s}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const auto dialog = tarvex::OpenContestDialog::erzeugen(nullptr, dir.root());
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);

        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model != nullptr);
        const QModelIndex wurzel = model->index(dir.root());
        QStringList gezeigt;
        const auto lesen = [&] {
            gezeigt.clear();
            for (int i = 0; i < model->rowCount(wurzel); ++i)
                gezeigt.append(model->index(i, 0, wurzel).data().toString());
            gezeigt.sort(Qt::CaseInsensitive);
            return gezeigt;
        };
        QTRY_COMPARE(lesen(), (QStringList{u"ALT.MDB"_s, u"Mai.Mdb"_s, u"test.mdb"_s}));
    }
};

QTEST_MAIN(OpenContestDialogTest)
#include "OpenContestDialogTest.moc"
