#include "SammelimportLauf.h"

#include "BekannteStationen.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QProgressDialog>
#include <QThread>

namespace tarvex {

using namespace Qt::StringLiterals;

SammelimportLauf::SammelimportLauf(
    OffenerContest& contest, ContestDat& contestDat, Prompter& prompter, QWidget* parent)
    : contest_(contest)
    , contestDat_(contestDat)
    , prompter_(prompter)
    , parent_(parent)
    , ordner_(QDir::currentPath())
{
}

SammelimportLauf::~SammelimportLauf()
{
    if (worker_) {
        abbrechen_ = true;
        worker_->wait();
        delete worker_;
    }
    delete dialog_;
}

void SammelimportLauf::starten()
{
    if (worker_)
        return;
    const std::optional<QString> ordner
        = prompter_.dateiWählen({ u"Ordner mit EDI-Logs wählen"_s, ordner_, {}, Dateiwahl::Art::Ordner });
    if (!ordner) {
        emit done();
        return;
    }
    ordner_ = *ordner;
    const QStringList pfade = Sammelimport::ediDateien(*ordner);
    if (pfade.isEmpty()) {
        prompter_.zeige(
            hinweisMeldung(u"Im Ordner %1 ist keine EDI-Datei."_s.arg(QDir::toNativeSeparators(*ordner))));
        emit done();
        return;
    }
    const std::optional<Sammelimport::Schwellen> schwellen = BekannteStationen::schwellenFragen(prompter_);
    if (!schwellen) {
        emit done();
        return;
    }
    QString contestDatPfad;
    QList<StationenAbfrage::RufzeichenLocator> eigene;
    try {
        contestDatPfad = contestDat_.connection().pfad();
        if (ContestDatabase* db = contest_.db())
            eigene = db->bekannteStationen();
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        emit done();
        return;
    }

    abbrechen_ = false;
    erledigt_ = 0;
    fehler_.reset();
    const int gesamt = static_cast<int>(pfade.size());
    dialog_ = new QProgressDialog(u"EDI-Logs werden gelesen …"_s, u"Abbrechen"_s, 0, gesamt, parent_);
    dialog_->setWindowTitle(u"Bekannte Stationen importieren"_s);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setValue(0);
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        abbrechen_ = true;
        if (dialog_)
            dialog_->setLabelText(u"Wird abgebrochen …"_s);
    });

    // A connection of its own: the look-up keeps its read-only one, and SQLite
    // connections are not shared between threads.
    worker_ = QThread::create([this, contestDatPfad, pfade, s = *schwellen, eigene] {
        try {
            Connection c(contestDatPfad, Connection::Zugriff::LesenSchreiben);
            bericht_ = Sammelimport::importieren(c, pfade, s, eigene, [this](int erledigt, int) {
                // The dialog takes the latest count when the window gets to it; no queue of updates.
                if (erledigt_.exchange(erledigt) != erledigt) {
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            // A modal dialog's setValue handles events, this one's next call among them.
                            if (!dialog_ || abbrechen_ || zeigt_)
                                return;
                            zeigt_ = true;
                            const int n = erledigt_;
                            if (n == dialog_->maximum())
                                dialog_->setLabelText(u"Bekannte Stationen werden geschrieben …"_s);
                            dialog_->setValue(n);
                            zeigt_ = false;
                        },
                        Qt::QueuedConnection);
                }
                return !abbrechen_;
            });
        } catch (const UserError& e) {
            fehler_ = e.meldung();
        } catch (const std::exception& e) {
            fehler_ = QString::fromLocal8Bit(e.what());
        }
    });
    connect(worker_, &QThread::finished, this, &SammelimportLauf::fertig);
    worker_->start();
}

void SammelimportLauf::fertig()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    contestDat_.eigeneÄnderungÜbernehmen();
    if (dialog_) {
        dialog_->close();
        dialog_->deleteLater();
    }
    if (fehler_)
        prompter_.zeige(fehlerMeldung(*fehler_));
    else
        prompter_.zeige(BekannteStationen::sammelBericht(bericht_, QDir::toNativeSeparators(ordner_)));
    emit done();
}

} // namespace tarvex
