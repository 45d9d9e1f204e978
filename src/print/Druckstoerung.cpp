#include "Druckstoerung.h"

#include "common/Clock.h"
#include "common/Prompter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace tarvex {

using namespace Qt::StringLiterals;

Druckstörung::Ausweg Druckstörung::fragen(
    Prompter& prompter, const QString& drucker, Druckerwahl::Zustand zustand, const QString& grund)
{
    using Z = Druckerwahl::Zustand;
    const QString frage = u"\n\nSoll der Ausdruck stattdessen als PDF-Datei gespeichert werden?"_s;
    QString text;
    QString titel = u"Fehler"_s;
    switch (zustand) {
    case Z::Bereit:
        return Ausweg::Drucken;
    case Z::Angehalten:
        titel = u"Achtung"_s;
        text = u"Der Drucker \u201E%1\u201C ist angehalten. Der Ausdruck bleibt in seiner Warteschlange, bis "
               u"der "
               "Drucker wieder freigegeben wird."_s.arg(drucker);
        break;
    case Z::NimmtNichtsAn:
        text = u"Der Drucker \u201E%1\u201C nimmt keinen Ausdruck an."_s.arg(drucker);
        break;
    case Z::Fehlt:
        text = u"Der Drucker \u201E%1\u201C ist nicht mehr eingerichtet."_s.arg(drucker);
        break;
    }
    if (!grund.isEmpty())
        text += u"\nMeldung des Drucksystems: "_s + grund;
    const Meldung m { text + frage, titel,
        zustand == Z::Angehalten ? Meldung::Symbol::Frage : Meldung::Symbol::Ausrufezeichen,
        Meldung::Knöpfe::JaNein, Meldung::Antwort::Ja };
    if (prompter.zeige(m) == Meldung::Antwort::Ja)
        return Ausweg::AlsPdf;
    return zustand == Z::Angehalten ? Ausweg::Drucken : Ausweg::Verwerfen;
}

QString Druckstörung::pdfDateiAnlegen(const Clock& uhr)
{
    const QString stempel = uhr.jetzt().toString(u"yyyy-MM-dd_HH-mm-ss"_s);
    const QDir hier = QDir::current();
    for (int n = 1;; ++n) {
        const QString pfad = hier.absoluteFilePath(
            u"Ausdruck_"_s + stempel + (n > 1 ? u'_' + QString::number(n) : QString()) + u".pdf"_s);
        // Created here, exclusively, so no earlier printout is ever overwritten.
        QFile datei(pfad);
        if (datei.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return pfad;
        if (!datei.exists())
            return {};
    }
}

} // namespace tarvex
