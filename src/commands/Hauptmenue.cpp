#include "Hauptmenue.h"
#include "Befehl.h"
#include "Befehle.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace tarvex {

using namespace Qt::StringLiterals;

const std::vector<Hauptmenü::Zeile>& Hauptmenü::zeilen()
{
    using A = Zeile::Art;
    using B = Befehl;
    static const std::vector<Zeile> plan {
        { A::Menü, u"&Datei"_s, {}, {}, u"mnuDatei"_s },
        { A::Befehl, u"&Neuer Contest"_s, B::Neu },
        { A::Befehl, u"Contest &öffnen"_s, B::Öffnen },
        { A::Trenner, {} },
        { A::Befehl, u"Contest &löschen"_s, B::ContestLöschen },
        { A::Trenner, {} },
        { A::Befehl, u"&Log drucken"_s, B::Log },
        { A::Trenner, {} },
        { A::Befehl, u"&QSL-Aufkleber"_s, B::QSL },
        { A::Trenner, {} },
        { A::Befehl, u"Be&enden"_s, B::Beenden },

        { A::Menü, u"&Bearbeiten"_s, {}, {}, u"mnuBearbeiten"_s },
        { A::Befehl, u"&Ändern"_s, B::Ändern, Qt::Key_F2 },
        { A::Befehl, u"&Löschen"_s, B::Löschen, Qt::Key_F3 },
        { A::Befehl, u"&Ungültig"_s, B::Ungültig, Qt::Key_F4 },
        { A::Trenner, {} },
        { A::Befehl, u"&Band wechseln"_s, B::Bandwechseln, Qt::Key_F6 },
        { A::Befehl, u"Locator &wählen"_s, B::Locator, Qt::Key_F8 },
        { A::Trenner, {} },
        { A::Befehl, u"Antenne &drehen"_s, B::AntenneDrehen, Qt::Key_F5 },
        { A::Befehl, u"Antenne drehen, lan&ger Weg"_s, B::AntenneLangerWeg, QKeySequence(u"Shift+F5"_s) },
        { A::Befehl, u"&Rotor anhalten"_s, B::RotorAnhalten, QKeySequence(u"Ctrl+F5"_s) },
        { A::Trenner, {} },
        { A::Befehl, u"letzte &Eingaben"_s, B::LetzteEingaben, QKeySequence(u"Ctrl+L"_s) },

        { A::Menü, u"&Optionen"_s, {}, {}, u"mnuOptionen"_s },
        { A::Untermenü, u"&Zeit"_s },
        { A::Auswahl, u"UTC = &PC-Uhr"_s, B::UtcPcUhr },
        { A::Auswahl, u"UTC = PC-Uhr - &1 Stunde"_s, B::UtcMinusEins },
        { A::Auswahl, u"UTC = PC-Uhr - &2 Stunden"_s, B::UtcMinusZwei },
        { A::UntermenüEnde, {} },
        { A::Trenner, {} },
        { A::Untermenü, u"&Druckerprotokoll"_s },
        { A::Auswahl, u"&aus"_s, B::ProtokollAus },
        { A::Auswahl, u"&ein"_s, B::ProtokollEin },
        { A::UntermenüEnde, {} },
        { A::Trenner, {} },
        { A::Untermenü, u"&QSO loggen"_s },
        { A::Auswahl, u"mit &Enter"_s, B::LoggenEnter },
        { A::Auswahl, u"mit &F12"_s, B::LoggenF12 },
        { A::UntermenüEnde, {} },
        { A::Trenner, {} },
        { A::Untermenü, u"&RST-Vorbelegung"_s },
        { A::Auswahl, u"59 (&SSB)"_s, B::Rst59 },
        { A::Auswahl, u"599 (&CW)"_s, B::Rst599 },
        { A::Auswahl, u"&leer"_s, B::RstLeer },
        { A::UntermenüEnde, {} },
        { A::Trenner, {} },
        { A::Untermenü, u"&Kommentarspalte"_s },
        { A::Auswahl, u"an&zeigen"_s, B::KommentarEin },
        { A::Auswahl, u"&ausblenden"_s, B::KommentarAus },
        { A::UntermenüEnde, {} },
        { A::Trenner, {} },
        { A::Befehl, u"E-&Mail-Einstellungen"_s, B::EMailEinstellungen },
        { A::Befehl, u"&Postausgang senden"_s, B::PostausgangSenden },
        { A::Trenner, {} },
        { A::Befehl, u"Drucker &wählen …"_s, B::DruckerWählen },
        { A::Befehl, u"&Transceiver und Rotor …"_s, B::TransceiverUndRotor },
        { A::Befehl, u"Di&gitale Betriebsarten …"_s, B::DigitaleBetriebsarten },
        { A::Befehl, u"Wartende &Verbindungen"_s, B::WartendeVerbindungen, QKeySequence(u"Ctrl+W"_s) },

        { A::Menü, u"&Statistik"_s, {}, {}, u"mnuStatistik"_s },
        { A::Befehl, u"&Tabellen"_s, B::Tabellen, QKeySequence(u"Ctrl+T"_s) },
        { A::Befehl, u"&Grafiken"_s, B::Grafiken },
        { A::Trenner, {} },
        { A::Befehl, u"&Karte zeigen"_s, B::Karte, Qt::Key_F9 },
        { A::Befehl, u"&QSO-Karte"_s, B::QSOKarte },
        { A::Untermenü, u"Groß&felder"_s },
        { A::Befehl, u"Karte (&Text)"_s, B::KarteText, QKeySequence(u"Ctrl+K"_s) },
        { A::Befehl, u"Karte (&Grafik)"_s, B::KarteGrafik, QKeySequence(u"Ctrl+G"_s) },
        { A::UntermenüEnde, {} },

        { A::Menü, u"S&pezial"_s, {}, {}, u"mnuSpezial"_s },
        { A::Befehl, u"Call-&Info"_s, B::CallInfo, Qt::Key_F7 },
        { A::Trenner, {} },
        { A::Befehl, u"&Locatorsuche"_s, B::Locatorsuche },
        { A::Trenner, {} },
        { A::Befehl, u"E&XP-Datei importieren"_s, B::Import },
        { A::Befehl, u"&EDI-Datei für alle Bänder"_s, B::EdiAlleBänder },
        { A::Trenner, {} },
        { A::Befehl, u"Bekannte Stationen &übernehmen"_s, B::BekannteStationenÜbernehmen },
        { A::Befehl, u"Bekannte Stationen i&mportieren …"_s, B::BekannteStationenImportieren },
        { A::Befehl, u"Bekannte Stationen aus Dateien hin&zufügen …"_s, B::BekannteStationenHinzufügen },
        { A::Trenner, {} },
        { A::Befehl, u"&KST-Chat"_s, B::KstChat, QKeySequence(u"Ctrl+J"_s) },
        { A::Befehl, u"&DX-Cluster"_s, B::DxCluster },
        { A::Befehl, u"C&hat und Cluster einstellen …"_s, B::ChatEinstellen },

        { A::Menü, u"&Hilfe"_s, {}, {}, u"mnuHilfe"_s },
        { A::Befehl, u"I&nfo"_s, B::Info },
        { A::Trenner, {} },
        { A::Befehl, u"&Copyright"_s, B::Copyright },
        { A::Trenner, {} },
        { A::Befehl, u"&Anleitung"_s, B::Anleitung, QKeySequence::HelpContents },
    };
    return plan;
}

void Hauptmenü::bauen(QMenuBar* bar, Befehle& befehle)
{
    QMenu* menü = nullptr;
    QMenu* obermenü = nullptr;
    QActionGroup* gruppe = nullptr;
    for (const Zeile& z : zeilen()) {
        if (z.art != Zeile::Art::Auswahl)
            gruppe = nullptr;
        switch (z.art) {
        case Zeile::Art::Menü:
            menü = bar->addMenu(z.text);
            menü->setObjectName(z.name);
            obermenü = nullptr;
            break;
        case Zeile::Art::Untermenü:
            obermenü = menü;
            menü = menü->addMenu(z.text);
            break;
        case Zeile::Art::UntermenüEnde:
            menü = obermenü;
            obermenü = nullptr;
            break;
        case Zeile::Art::Trenner:
            menü->addSeparator();
            break;
        case Zeile::Art::Befehl:
        case Zeile::Art::Auswahl: {
            QAction& a = befehle.anlegen(z.befehl, z.text, z.taste);
            a.setEnabled(false);
            if (z.art == Zeile::Art::Auswahl) {
                if (gruppe == nullptr) {
                    gruppe = new QActionGroup(menü);
                    gruppe->setExclusive(true);
                }
                a.setCheckable(true);
                gruppe->addAction(&a);
            }
            menü->addAction(&a);
            break;
        }
        }
    }
}

} // namespace tarvex
