#include "StatistikGrafikModel.h"

#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

StatistikGrafikModel::StatistikGrafikModel(OffenerContest& contest, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , prompter_(prompter)
{
    for (int z = 1; z <= kZeilen; ++z)
        kategorien_.append(u' ' + QString::number(stunde(z)));
}

int StatistikGrafikModel::zeile(int stunde)
{
    const int z = stunde + 11;
    return z > kZeilen ? z - kZeilen : z;
}

int StatistikGrafikModel::stunde(int zeile)
{
    return (zeile + 13) % 24;
}

bool StatistikGrafikModel::proStunde(bool punkte)
{
    if (contest_.db() == nullptr)
        return false;
    const QList<Stundensumme> stunden = contest_.stunden();
    if (stunden.isEmpty())
        return false;
    werte_ = QList<qint64>(kZeilen, 0);
    for (const Stundensumme& s : stunden)
        werte_[zeile(s.stunde) - 1] = punkte ? qRound64(s.punkte) : s.anzahl;
    return true;
}

void StatistikGrafikModel::kumulieren()
{
    qint64 summe = 0;
    for (qint64& wert : werte_) {
        summe += wert;
        wert = summe;
    }
}

void StatistikGrafikModel::QSOsNachZeit()
{
    if (!proStunde(false))
        return;
    reihe_ = Reihe::QSOsNachZeit;
    emit changed();
}

void StatistikGrafikModel::PunkteNachZeit()
{
    if (!proStunde(true))
        return;
    reihe_ = Reihe::PunkteNachZeit;
    emit changed();
}

void StatistikGrafikModel::QSOsKumuliert()
{
    if (!proStunde(false))
        return;
    kumulieren();
    reihe_ = Reihe::QSOsKumuliert;
    emit changed();
}

void StatistikGrafikModel::PunkteKumuliert()
{
    if (!proStunde(true))
        return;
    kumulieren();
    reihe_ = Reihe::PunkteKumuliert;
    emit changed();
}

QString StatistikGrafikModel::titel() const
{
    QString name;
    switch (reihe_) {
    case Reihe::Keine:
        return {};
    case Reihe::QSOsNachZeit:
        name = u"QSOs nach Zeit"_s;
        break;
    case Reihe::PunkteNachZeit:
        name = u"Punkte nach Zeit"_s;
        break;
    case Reihe::QSOsKumuliert:
        name = u"QSOs kumuliert"_s;
        break;
    case Reihe::PunkteKumuliert:
        name = u"Punkte kumuliert"_s;
        break;
    }
    return contest_.Band().isEmpty() ? name : name + u" – "_s + bandAnzeige(contest_.Band());
}

QString StatistikGrafikModel::wertText(int zeile) const
{
    if (zeile < 1 || zeile > werte_.size())
        return {};
    const qint64 wert = werte_[zeile - 1];
    const bool punkte = reihe_ == Reihe::PunkteNachZeit || reihe_ == Reihe::PunkteKumuliert;
    const QString einheit
        = punkte ? (wert == 1 ? u"Punkt"_s : u"Punkte"_s) : (wert == 1 ? u"QSO"_s : u"QSOs"_s);
    const int von = stunde(zeile);
    const int bis = (von + 1) % 24;
    const bool kumuliert = reihe_ == Reihe::QSOsKumuliert || reihe_ == Reihe::PunkteKumuliert;
    const QString zeit = kumuliert
        ? u"bis %1:00 UTC"_s.arg(bis, 2, 10, QChar(u'0'))
        : u"%1:00–%2:00 UTC"_s.arg(von, 2, 10, QChar(u'0')).arg(bis, 2, 10, QChar(u'0'));
    return u"%1: %2 %3"_s.arg(zeit).arg(wert).arg(einheit);
}

QString StatistikGrafikModel::dateiVorschlag() const
{
    QString reihe = titel().section(u" – "_s, 0, 0);
    reihe.replace(u' ', u'_');
    const QFileInfo contest(contest_.Datenbank());
    QStringList teile { contest.completeBaseName(), contest_.Band(), reihe };
    teile.removeAll(QString());
    const QString name = (teile.isEmpty() ? u"Statistik"_s : teile.join(u'_')) + u".png"_s;
    return contest_.Datenbank().isEmpty() ? name : QDir(contest.absolutePath()).filePath(name);
}

QString StatistikGrafikModel::mitPngEndung(const QString& pfad)
{
    return pfad.endsWith(u".png"_s, Qt::CaseInsensitive) ? pfad : pfad + u".png"_s;
}

} // namespace tarvex
