#include "Settings.h"

#include "BandList.h"
#include "common/UserError.h"
#include "common/Val.h"

#include <QSettings>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
const QString kApp = u"CONTEST"_s;
const QString kParameter = u"Parameter"_s;
const QString kBänder = u"Bänder"_s;

QString key(const QString& abschnitt, const QString& schlüssel)
{
    return abschnitt + u'/' + schlüssel;
}
} // namespace

Settings::Settings()
    : store_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApp, kApp))
{
}

Settings::Settings(const QString& iniDatei)
    : store_(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat))
{
}

Settings::~Settings() = default;

QString Settings::lesen(const QString& abschnitt, const QString& schlüssel) const
{
    return store_->value(key(abschnitt, schlüssel)).toString();
}

int Settings::zahl(const QString& abschnitt, const QString& schlüssel) const
{
    return ValInt(lesen(abschnitt, schlüssel));
}

void Settings::schreiben(const QString& abschnitt, const QString& schlüssel, const QString& wert)
{
    store_->setValue(key(abschnitt, schlüssel), wert);
    sync();
}

void Settings::zahlSchreiben(const QString& abschnitt, const QString& schlüssel, int wert)
{
    schreiben(abschnitt, schlüssel, QString::number(wert));
}

void Settings::abschnittLöschen(const QString& abschnitt)
{
    store_->remove(abschnitt);
    sync();
}

void Settings::sync()
{
    store_->sync();
    if (store_->status() == QSettings::AccessError)
        throw UserError(
            u"Die Einstellungen können nicht in %1 gespeichert werden."_s.arg(store_->fileName()));
}

QString Settings::dateiname() const
{
    return store_->fileName();
}

QString Settings::rufzeichen() const
{
    return lesen(kParameter, u"Rufzeichen"_s);
}
QString Settings::locator() const
{
    return lesen(kParameter, u"Locator"_s);
}
RstVorgabe Settings::rst() const
{
    switch (zahl(kParameter, u"RST"_s)) {
    case 0:
        return RstVorgabe::R59;
    case 1:
        return RstVorgabe::R599;
    default:
        return RstVorgabe::Keine;
    }
}
Speichertaste Settings::loggen() const
{
    return zahl(kParameter, u"loggen"_s) == 1 ? Speichertaste::F12 : Speichertaste::Enter;
}
bool Settings::protokoll() const
{
    return zahl(kParameter, u"Protokoll"_s) == 1;
}
int Settings::zeitdifferenz() const
{
    return zahl(kParameter, u"Zeitdifferenz"_s);
}
bool Settings::kommentarSpalte() const
{
    return zahl(kParameter, u"Kommentar"_s) == 1;
}
void Settings::setRufzeichen(const QString& call)
{
    schreiben(kParameter, u"Rufzeichen"_s, call);
}
void Settings::setLocator(const QString& locator)
{
    schreiben(kParameter, u"Locator"_s, locator);
}
void Settings::setRst(RstVorgabe rst)
{
    zahlSchreiben(kParameter, u"RST"_s, static_cast<int>(rst));
}
void Settings::setLoggen(Speichertaste loggen)
{
    zahlSchreiben(kParameter, u"loggen"_s, static_cast<int>(loggen));
}
void Settings::setProtokoll(bool protokoll)
{
    zahlSchreiben(kParameter, u"Protokoll"_s, protokoll ? 1 : 0);
}
void Settings::setZeitdifferenz(int stunden)
{
    zahlSchreiben(kParameter, u"Zeitdifferenz"_s, stunden);
}
void Settings::setKommentarSpalte(bool sichtbar)
{
    zahlSchreiben(kParameter, u"Kommentar"_s, sichtbar ? 1 : 0);
}

QString Settings::letzterContest() const
{
    return lesen(u"lastContest"_s, u"Name"_s);
}
QString Settings::letztesBand() const
{
    return lesen(u"lastBand"_s, u"Band"_s);
}
void Settings::setLetzterContest(const QString& pfad)
{
    schreiben(u"lastContest"_s, u"Name"_s, pfad);
}
void Settings::setLetztesBand(const QString& band)
{
    schreiben(u"lastBand"_s, u"Band"_s, band);
}

QStringList Settings::bänder() const
{
    QStringList result;
    for (const BandInfo& band : alleBänder()) {
        const QString wert = lesen(kBänder, band.schlüssel);
        if (!wert.isEmpty())
            result.append(wert);
    }
    return result;
}

bool Settings::hatBand(const QString& band) const
{
    const BandInfo* info = findeBand(band);
    return info != nullptr && store_->contains(key(kBänder, info->schlüssel));
}

void Settings::setBänder(const QStringList& bandTabellen)
{
    store_->setValue(key(kBänder, u"Band1"_s), u"144MHz"_s);
    store_->remove(kBänder);
    for (const QString& tabelle : bandTabellen) {
        if (const BandInfo* info = findeBand(tabelle))
            store_->setValue(key(kBänder, info->schlüssel), info->tabelle);
    }
    sync();
}

QString Settings::logAbschnitt(const QString& band)
{
    return u"Log"_s + band;
}

} // namespace tarvex
