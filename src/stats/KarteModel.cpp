#include "KarteModel.h"

#include "Kartenpunkt.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "common/Val.h"
#include "contest/OffenerContest.h"
#include "entry/JournalLine.h"
#include "store/ContestDatabase.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
constexpr int kKreisRadius = 25;
constexpr int kZeilenHöhe = 240;
constexpr int kSpaltenBreite = 486;
constexpr int kSpaltenAnfang = -120;
constexpr int kPixelProSquareX = 32, kPixelProSquareY = 16;
} // namespace

KarteModel::KarteModel(OffenerContest& contest, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , prompter_(prompter)
{
}

QString KarteModel::eigenerSquare() const
{
    return contest_.felder().lblLocator.left(4);
}

void KarteModel::Erzeugen()
{
    gitter_.Erzeugen();
}

void KarteModel::suchen(const QString& text)
{
    gitter_.suchen(text);
}

void KarteModel::Belegen()
{
    ContestDatabase* db = contest_.db();
    if (!db)
        return;
    try {
        db->tmpLeeren();
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
    }
    gitter_.Belegen(contest_.gruppen(Gruppierung::Square), eigenerSquare());
}

void KarteModel::zeigen()
{
    zeichnung_.löschen();
    hinweisGezählt_ = false;
    for (int r = Großfeldraster::kErsteZeile; r <= Großfeldraster::kLetzteZeile; ++r) {
        const int y = (r - Großfeldraster::kErsteZeile) * kZeilenHöhe;
        for (int c = 0; c <= gitter_.letzteSpalte(); ++c) {
            const int x = c * kSpaltenBreite + kSpaltenAnfang;
            // A square's name reads as 0 and is not written.
            const int n = ValInt(gitter_.zelle(r, c));
            if (n > 0)
                zeichnung_.text({ x, y }, rechtsbündig(QString::number(n), 4), kWeiß);
            else if (n < 0)
                zeichnung_.text({ x, y }, rechtsbündig(QString::number(-n), 4), kGelb);
        }
    }
    emit changed();
}

void KarteModel::KarteZeigen()
{
    emit showRequested();
    hinweisGezählt_ = false;
    const EntryFields& f = contest_.felder();
    const std::optional<QPoint> eigen = kartenpunkt(f.lblLocator);
    if (eigen) {
        zeichnung_.kreis(*eigen, kKreisRadius, kGelb);
        zeichnung_.text(*eigen, contest_.lblCall(), kHellcyan);
    }
    if (f.txtLocator.size() == 6) {
        if (const std::optional<QPoint> partner = kartenpunkt(f.txtLocator)) {
            zeichnung_.kreis(*partner, kKreisRadius, kGelb);
            zeichnung_.text(*partner, f.txtCall, kHellcyan);
            if (eigen)
                zeichnung_.linie(*eigen, *partner, kWeiß);
        }
    }
    emit changed();
}

void KarteModel::QSOKarte()
{
    emit showRequested();
    hinweisGezählt_ = false;
    const std::optional<QPoint> eigen = kartenpunkt(contest_.felder().lblLocator);
    if (!contest_.db())
        return;
    // lblNummer shows the next serial number: one more than the contacts logged.
    const qint64 geloggt = static_cast<qint64>(Val(contest_.felder().txtNummer)) - 1;
    // Nothing is drawn, not even the own circle, on an empty band.
    const std::vector<Kontaktort>& orte = contest_.orte();
    if (orte.empty())
        return;
    const auto n = static_cast<std::size_t>(std::clamp<qint64>(geloggt, 0, static_cast<qint64>(orte.size())));
    if (eigen) {
        zeichnung_.reservieren(static_cast<qsizetype>(n) + 1);
        for (std::size_t i = 0; i < n; ++i) {
            if (const std::optional<QPoint> p = kartenpunkt(orte[i]))
                zeichnung_.linie(*eigen, *p, kWeiß);
        }
        zeichnung_.kreis(*eigen, kKreisRadius, kMagenta);
    }
    emit changed();
}

void KarteModel::qth()
{
    zeichnung_.löschen();
    KarteZeigen();
}

void KarteModel::qsos()
{
    zeichnung_.löschen();
    QSOKarte();
    emit changed();
}

void KarteModel::großfelder()
{
    Erzeugen();
    Belegen();
    zeigen();
}

void KarteModel::zurück()
{
    emit backRequested();
}

QString KarteModel::dateiVorschlag() const
{
    return contest_.Band().isEmpty() ? u"Karte.png"_s : u"Karte_"_s + contest_.Band() + u".png"_s;
}

QString KarteModel::hinweis(QPoint pixel)
{
    if (pixel.x() < 0 || pixel.y() < 0)
        return {};
    const int spalte = pixel.x() / kPixelProSquareX;
    const int zeile = Großfeldraster::kErsteZeile + pixel.y() / kPixelProSquareY;
    if (spalte > hinweisGitter_.letzteSpalte() || zeile > Großfeldraster::kLetzteZeile)
        return {};
    if (!hinweisGezählt_) {
        hinweisGitter_.Erzeugen();
        // A hover reads nothing: the counts come from the running score.
        if (contest_.db())
            hinweisGitter_.Belegen(contest_.gruppen(Gruppierung::Square), eigenerSquare());
        hinweisGezählt_ = true;
    }
    const QString name = Großfeldraster::name(zeile, spalte);
    const int n = ValInt(hinweisGitter_.zelle(zeile, spalte));
    const QString wer = n < 0 ? name + u" (eigenes Großfeld)"_s : name;
    const int anzahl = n < 0 ? -n : n;
    if (anzahl == 0)
        return wer + u": nicht gearbeitet"_s;
    return wer + u": "_s + QString::number(anzahl) + (anzahl == 1 ? u" QSO"_s : u" QSOs"_s);
}

} // namespace tarvex
