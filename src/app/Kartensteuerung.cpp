#include "Kartensteuerung.h"

#include "MainWindow.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "stats/KarteModel.h"
#include "stats/KarteWindow.h"
#include "stats/LocatorTextModel.h"
#include "stats/LocatorTextWindow.h"
#include "stats/LocatorsucheModel.h"
#include "stats/LocatorsucheWindow.h"

namespace tarvex {

Kartensteuerung::Kartensteuerung(
    MainWindow& rahmen, ContestModel& contest, ContestDat& contestDat, Prompter& prompter)
    : QObject(&rahmen)
    , rahmen_(rahmen)
    , contest_(contest)
    , contestDat_(contestDat)
    , prompter_(prompter)
{
    Befehle& befehle = rahmen_.befehle();
    befehle.ausführen(Befehl::Karte, this, [this] { karte().KarteZeigen(); });
    befehle.ausführen(Befehl::QSOKarte, this, [this] { karte().QSOKarte(); });
    befehle.ausführen(Befehl::KarteGrafik, this, [this] {
        KarteModel& k = karte();
        rahmen_.zeige(karteWindow_);
        k.großfelder();
    });
    befehle.ausführen(Befehl::KarteText, this, [this] { textKarte(); });
    befehle.ausführen(Befehl::Locatorsuche, this, [this] { locatorsuche(); });
}

KarteModel& Kartensteuerung::karte()
{
    if (!karteWindow_) {
        karteModel_ = new KarteModel(contest_, prompter_);
        karteWindow_ = new KarteWindow(*karteModel_, prompter_, karteBilder_, &rahmen_);
        karteModel_->setParent(karteWindow_);
        connect(karteModel_, &KarteModel::showRequested, this, [this] { rahmen_.zeige(karteWindow_); });
        connect(karteModel_, &KarteModel::backRequested, this, &Kartensteuerung::zurück);
    }
    return *karteModel_;
}

void Kartensteuerung::zurück()
{
    rahmen_.zeige(rahmen_.contestWindow());
    rahmen_.contestWindow()->aktivieren();
    if (karteWindow_)
        karteWindow_->deleteLater();
    karteWindow_ = nullptr;
    karteModel_ = nullptr;
}

void Kartensteuerung::textKarte()
{
    if (!textWindow_) {
        auto* model = new LocatorTextModel(contest_, prompter_);
        textWindow_ = new LocatorTextWindow(*model, &rahmen_);
        model->setParent(textWindow_);
        textWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    textWindow_->show();
    textWindow_->raise();
    textWindow_->activateWindow();
}

void Kartensteuerung::locatorsuche()
{
    if (!sucheWindow_) {
        auto* model = new LocatorsucheModel(contestDat_, prompter_);
        sucheWindow_ = new LocatorsucheWindow(*model, &rahmen_);
        model->setParent(sucheWindow_);
        sucheWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    sucheWindow_->show();
    sucheWindow_->raise();
    sucheWindow_->activateWindow();
}

} // namespace tarvex
