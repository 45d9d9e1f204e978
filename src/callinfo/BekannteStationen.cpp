#include "BekannteStationen.h"
#include "common/SystemFehler.h"

#include "StationsImport.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

QString anzahl(int n, const QString& eins, const QString& mehrere)
{
    return n == 1 ? eins : mehrere.arg(n);
}

QString bericht(const StationsImport::Ergebnis& e)
{
    return anzahl(e.neueStationen, u"1 neue Station"_s, u"%1 neue Stationen"_s) + u", "_s
        + anzahl(e.ergänzteStationen, u"1 Station ergänzt"_s, u"%1 Stationen ergänzt"_s) + u", "_s
        + anzahl(e.neueLocatoren, u"1 neuer Locator."_s, u"%1 neue Locatoren."_s);
}

} // namespace

BekannteStationen::BekannteStationen(OffenerContest& contest, ContestDat& contestDat, Prompter& prompter)
    : contest_(contest)
    , contestDat_(contestDat)
    , prompter_(prompter)
{
}

void BekannteStationen::ausContestÜbernehmen()
{
    ContestDatabase* db = contest_.db();
    if (!db) {
        prompter_.zeige(hinweisMeldung(u"Es ist kein Contest geöffnet."_s));
        return;
    }
    try {
        Connection c(contestDat_.connection().pfad(), Connection::Zugriff::LesenSchreiben);
        const StationsImport::Ergebnis e = StationsImport::kontakteEinfügen(
            c, [db](const StationenAbfrage::JePaar& je) { db->bekannteStationen(je); });
        contestDat_.eigeneÄnderungÜbernehmen();
        prompter_.zeige(hinweisMeldung(u"Bekannte Stationen aus dem Contest übernommen:\n"_s + bericht(e)));
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
    }
}

void BekannteStationen::importieren()
{
    dateienImportieren(prompter_.dateienWählen({ u"Bekannte Stationen aus Dateien hinzufügen"_s,
        QDir::currentPath(),
        u"Logs und Listen (*.edi *.EDI *.adi *.ADI *.adif *.ADIF *.exp *.EXP *.txt *.TXT);;Alle Dateien (*)"_s,
        Dateiwahl::Art::Öffnen }));
}

void BekannteStationen::dateienImportieren(const QStringList& pfade)
{
    if (pfade.isEmpty())
        return;
    QList<StationsImport::Station> stationen;
    QStringList beschädigt;
    int übersprungen = 0;
    for (const QString& pfad : pfade) {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            const int errnum = errno;
            beschädigt.append(u"Die Datei %1 kann nicht gelesen werden: %2."_s.arg(
                QFileInfo(pfad).fileName(), dateiFehler(datei, errnum)));
            continue;
        }
        try {
            const StationsImport::Liste liste = StationsImport::lesenDatei(datei.readAll(), pfad);
            stationen.append(liste.stationen);
            übersprungen += static_cast<int>(liste.übersprungen.size());
        } catch (const UserError& e) {
            beschädigt.append(e.meldung());
        }
    }
    QString text;
    try {
        if (!stationen.isEmpty() || beschädigt.size() < pfade.size()) {
            Connection c(contestDat_.connection().pfad(), Connection::Zugriff::LesenSchreiben);
            const StationsImport::Ergebnis e = StationsImport::einfügen(c, stationen);
            contestDat_.eigeneÄnderungÜbernehmen();
            text = u"Bekannte Stationen importiert:\n"_s + bericht(e);
            if (übersprungen > 0)
                text += u"\n"_s
                    + anzahl(übersprungen, u"1 Zeile ohne Rufzeichen oder Locator wurde übergangen."_s,
                        u"%1 Zeilen ohne Rufzeichen oder Locator wurden übergangen."_s);
        }
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return;
    }
    if (!beschädigt.isEmpty()) {
        const QString fehlerText = beschädigt.join(u'\n');
        prompter_.zeige(fehlerMeldung(text.isEmpty() ? fehlerText : text + u"\n\n"_s + fehlerText));
    } else {
        prompter_.zeige(hinweisMeldung(text));
    }
}

Meldung BekannteStationen::sammelBericht(const Sammelimport::Bericht& b, const QString& ordner)
{
    if (b.abgebrochen)
        return hinweisMeldung(u"Der Import wurde abgebrochen. Die bekannten Stationen sind unverändert."_s);
    QString text = u"Bekannte Stationen aus den Logs in %1 importiert:\n"_s.arg(ordner)
        + anzahl(b.dateien, u"1 Datei"_s, u"%1 Dateien"_s) + u", "_s
        + anzahl(b.logs, u"1 Log"_s, u"%1 Logs"_s) + u"\n"_s
        + anzahl(b.paareGesehen, u"1 Paar aus Rufzeichen und Locator gesehen"_s,
            u"%1 Paare aus Rufzeichen und Locator gesehen"_s)
        + u"\n"_s + anzahl(b.paareÜbernommen, u"1 Paar übernommen"_s, u"%1 Paare übernommen"_s) + u" ("_s
        + anzahl(b.stationen, u"1 Station"_s, u"%1 Stationen"_s) + u")\n"_s
        + anzahl(b.paareZurückgehalten, u"1 Paar zurückgehalten (in zu wenigen Logs)"_s,
            u"%1 Paare zurückgehalten (in zu wenigen Logs)"_s);
    if (b.paareÜberzählig > 0)
        text += u"\n"_s
            + anzahl(b.paareÜberzählig, u"1 älterer Locator über drei je Station ausgelassen"_s,
                u"%1 ältere Locatoren über drei je Station ausgelassen"_s);
    if (b.beschädigt.isEmpty())
        return hinweisMeldung(text + u'.');
    text += u".\n\n"_s
        + anzahl(static_cast<int>(b.beschädigt.size()), u"1 Datei ausgelassen:\n"_s,
            u"%1 Dateien ausgelassen:\n"_s)
        + b.beschädigt.join(u'\n');
    return fehlerMeldung(text);
}

std::optional<Sammelimport::Schwellen> BekannteStationen::schwellenFragen(Prompter& prompter)
{
    const Sammelimport::Schwellen vorgabe;
    Sammelimport::Schwellen s;
    const auto frage = [&](const QString& band, int preset, int& wert) {
        const std::optional<QString> antwort
            = prompter.frage({ u"Ein Paar aus Rufzeichen und Locator wird "
                               u"übernommen, wenn so viele verschiedene Logs "
                               u"es enthalten (%1):"_s.arg(band),
                u"Bekannte Stationen importieren"_s, QString::number(preset) });
        if (!antwort)
            return false;
        bool ok = false;
        wert = antwort->trimmed().toInt(&ok);
        if (!ok || wert < 1 || wert > 99) {
            prompter.zeige(fehlerMeldung(u"Bitte eine ganze Zahl von 1 bis 99 eingeben."_s));
            return false;
        }
        return true;
    };
    if (!frage(u"144 MHz und darunter"_s, vorgabe.bis144, s.bis144)
        || !frage(u"über 144 MHz"_s, vorgabe.darüber, s.darüber))
        return std::nullopt;
    return s;
}

} // namespace tarvex
