// "E-Mail-Einstellungen": the stored account fills the form, OK checks and
// stores it, the port follows the encryption unless the operator chose one.
#include "mail/MailEinstellungenDialog.h"
#include "mail/MailEinstellungen.h"
#include "store/Settings.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

class MailEinstellungenDialogTest : public QObject {
    Q_OBJECT
private:
    test::WorkDir dir;

private slots:
    void typedAccountIsStoredOnOk()
    {
        Settings settings(dir.pfad(u"ok.ini"_s));
        test::ScriptedPrompter prompter;
        MailEinstellungenDialog dialog(settings, prompter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.findChild<QSpinBox*>(u"txtPort"_s)->value(), 587);

        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtServer"_s), u"mail.example.org"_s);
        auto* art = dialog.findChild<QComboBox*>(u"cboVerschluesselung"_s);
        art->setCurrentIndex(2);
        QCOMPARE(dialog.findChild<QSpinBox*>(u"txtPort"_s)->value(), 465);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtBenutzer"_s), u"dl1abc"_s);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtPasswort"_s), u"geheim"_s);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtAbsender"_s), u"dl1abc@example.org"_s);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtEmpfaenger"_s), u"log@qq9qq.example"_s);
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(prompter.gezeigt().isEmpty());
        const MailKonto k = MailEinstellungen::lesen(settings);
        QCOMPARE(k.server, u"mail.example.org"_s);
        QCOMPARE(k.port, 465);
        QVERIFY(k.verschlüsselung == MailKonto::Verschlüsselung::SslTls);
        QCOMPARE((QStringList { k.benutzer, k.passwort, k.absender, k.empfänger }),
            (QStringList { u"dl1abc"_s, u"geheim"_s, u"dl1abc@example.org"_s, u"log@qq9qq.example"_s }));

        // Opened again, the form shows what was stored.
        MailEinstellungenDialog wieder(settings, prompter);
        QCOMPARE(wieder.konto(), k);
    }

    void aBadAddressKeepsTheFormOpenAndStoresNothing()
    {
        Settings settings(dir.pfad(u"bad.ini"_s));
        test::ScriptedPrompter prompter;
        MailEinstellungenDialog dialog(settings, prompter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* port = dialog.findChild<QSpinBox*>(u"txtPort"_s);
        port->setValue(2525);
        // The operator's own port stays when the encryption changes.
        dialog.findChild<QComboBox*>(u"cboVerschluesselung"_s)->setCurrentIndex(0);
        QCOMPARE(port->value(), 2525);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtAbsender"_s), u"dl1abc"_s);
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(
            prompter.texte(), QStringList { u"Die Absenderadresse „dl1abc“ ist keine E-Mail-Adresse."_s });
        QCOMPARE(settings.lesen(u"eMail"_s, u"Absender"_s), QString());
    }
};

QTEST_MAIN(MailEinstellungenDialogTest)
#include "MailEinstellungenDialogTest.moc"
