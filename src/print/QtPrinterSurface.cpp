#include "QtPrinterSurface.h"
#include "Druckstoerung.h"

#include "common/Clock.h"
#include "common/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
// Text is measured at a fixed resolution without hinting, so tab columns and
// text widths come out the same whatever the printer's resolution.
constexpr int messDpi = 1200;
// The PDF stands in for a printer, so it keeps a printer's unprintable edge.
constexpr double pdfRand = 5;
constexpr double linienbreite = 0.2; // mm

QPageSize papierDesDruckers(const QPrinterInfo& info)
{
    const QPageSize größe = info.isNull() ? QPageSize() : info.defaultPageSize();
    return größe.isValid() ? größe : QPageSize(QPageSize::A4);
}

QMarginsF ränderDesDruckers(const QPrinterInfo& info)
{
    if (info.isNull())
        return { pdfRand, pdfRand, pdfRand, pdfRand };
    QPrinter drucker(info, QPrinter::HighResolution);
    return drucker.pageLayout().margins(QPageLayout::Millimeter);
}

const QImage& messfläche()
{
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_Mono);
        const int dpm = qRound(messDpi / 0.0254);
        b.setDotsPerMeterX(dpm);
        b.setDotsPerMeterY(dpm);
        return b;
    }();
    return bild;
}

QPrinterInfo info(const QString& name)
{
    return name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
}

// Qt's PDF writer gives every page a whole number of points, so a label of
// continuous stock (41.499 mm) became 41.63 mm and a roll drifted label after
// label. Each page's box is set to the size the page was begun with, keeping
// its top edge, where Qt's drawing starts. The box is rewritten in the bytes it
// had (padded with blanks), so no offset in the file changes; a box whose exact
// text would be longer is left alone.
QByteArray zahl(double wert)
{
    QByteArray z = QByteArray::number(wert, 'f', 4);
    while (z.endsWith('0'))
        z.chop(1);
    if (z.endsWith('.'))
        z.chop(1);
    return z == "-0" ? QByteArray("0") : z;
}

void exakteSeitengrößen(const QString& pfad, const QList<QSizeF>& seitenMm)
{
    QFile datei(pfad);
    if (seitenMm.isEmpty() || !datei.open(QIODevice::ReadWrite))
        return;
    QByteArray pdf = datei.readAll();
    static const QRegularExpression box(
        uR"(/MediaBox \[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"_s);
    const QString text = QString::fromLatin1(pdf);
    QList<QRegularExpressionMatch> boxen;
    for (auto it = box.globalMatch(text); it.hasNext();)
        boxen.append(it.next());
    if (boxen.size() != seitenMm.size())
        return;
    bool geändert = false;
    for (qsizetype i = 0; i < boxen.size(); ++i) {
        const QRegularExpressionMatch& m = boxen[i];
        const double links = m.captured(1).toDouble();
        const double oben = m.captured(4).toDouble();
        const QSizeF pt = seitenMm[i] * 72 / 25.4;
        const QByteArray neu = "/MediaBox [" + zahl(links) + ' ' + zahl(oben - pt.height()) + ' '
            + zahl(links + pt.width()) + ' ' + zahl(oben) + ']';
        const qsizetype länge = m.capturedLength();
        if (neu.size() > länge)
            continue;
        QByteArray ersatz = neu;
        ersatz.insert(ersatz.size() - 1, QByteArray(länge - neu.size(), ' '));
        pdf.replace(m.capturedStart(), länge, ersatz);
        geändert = true;
    }
    if (geändert && datei.seek(0))
        datei.write(pdf);
}

bool festeBreite(const QString& name)
{
    const QString n = name.toLower();
    return n.contains(u"courier"_s) || n.contains(u"mono"_s);
}
} // namespace

QtPrinterSurface::QtPrinterSurface(
    Prompter& prompter, const Clock& uhr, const Druckerwahl& wahl, QPrinter* ziel)
    : PrinterSurface(papierDesDruckers(info(wahl.ziel())).size(QPageSize::Millimeter))
    , prompter_(prompter)
    , uhr_(uhr)
    , wahl_(wahl)
    , ziel_(ziel)
    , ränder_(ränderDesDruckers(info(wahl.ziel())))
    , ohneDrucker_(wahl.ziel().isEmpty())
    , spool_(QDir::tempPath() + u"/tarvex-druck-XXXXXX"_s)
{
}

QtPrinterSurface::~QtPrinterSurface()
{
    dokumentEnde();
}

QMarginsF QtPrinterSurface::druckerRänder(const QString& drucker)
{
    return ränderDesDruckers(QPrinterInfo::printerInfo(drucker));
}

QFont QtPrinterSurface::qtSchrift(const Schrift& schrift)
{
    QFont font(schrift.name);
    // Faces metric-compatible with the usual Windows ones come first, so the
    // columns of a fixed-pitch printout fall where the layout expects them.
    if (festeBreite(schrift.name)) {
        font.setFamilies({ schrift.name, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s });
        font.setStyleHint(QFont::TypeWriter);
    }
    font.setPointSizeF(schrift.größe > 0 ? schrift.größe : 1);
    font.setBold(schrift.fett);
    font.setItalic(schrift.kursiv);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double QtPrinterSurface::zeichenbreiteMm(const Schrift& schrift)
{
    const QFont font = qtSchrift(schrift);
    const QFontMetricsF m(font, &messfläche());
    const double zeichen = QFontInfo(font).fixedPitch() ? m.horizontalAdvance(u'0') : m.averageCharWidth();
    return zeichen * 25.4 / messDpi;
}

double QtPrinterSurface::zeilenhöheMm(const Schrift& schrift)
{
    return QFontMetricsF(qtSchrift(schrift), &messfläche()).lineSpacing() * 25.4 / messDpi;
}

double QtPrinterSurface::textbreiteMm(const Schrift& schrift, const QString& text)
{
    return QFontMetricsF(qtSchrift(schrift), &messfläche()).horizontalAdvance(text) * 25.4 / messDpi;
}

PrinterSurface::Maße QtPrinterSurface::maße(const Schrift& schrift) const
{
    return { zeichenbreiteMm(schrift), zeilenhöheMm(schrift) };
}

double QtPrinterSurface::textbreite(const Schrift& schrift, const QString& text) const
{
    return textbreiteMm(schrift, text);
}

double QtPrinterSurface::druckhöhe(QSizeF papierMm) const
{
    const QMarginsF r = ränderFür(papierMm);
    return papierMm.height() - r.top() - r.bottom();
}

QMarginsF QtPrinterSurface::ränderFür(QSizeF papierMm) const
{
    if (ohneDrucker_ && QPageSize(papierMm, QPageSize::Millimeter).id() == QPageSize::Custom)
        return {};
    return ränder_;
}

void QtPrinterSurface::dokumentBeginnen()
{
    const QString name = wahl_.ziel();
    const QPrinterInfo info = tarvex::info(name);
    ohneDrucker_ = name.isEmpty();
    ränder_ = ränderDesDruckers(info);
    if (ziel_) {
        gerät_ = ziel_;
        seitenformatSetzen();
        maler_ = std::make_unique<QPainter>();
        if (!maler_->begin(gerät_)) {
            maler_.reset();
            gerät_ = nullptr;
            return;
        }
        maler_->setPen(QPen(Qt::black, px(linienbreite)));
        maler_->setBrush(Qt::NoBrush);
        return;
    }
    drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    drucker_->setDocName(u"Tarvex"_s);
    drucker_->setCreator(u"Tarvex"_s);
    QString datei;
    druckerName_.clear();
    if (ohneDrucker_) {
        datei = neuePdfDatei();
        if (datei.isEmpty()) {
            drucker_.reset();
            return;
        }
    } else {
        // Drawn for the printer's paper and edge, spooled by übergeben().
        druckerName_ = name;
        entwurf_ = spool_.filePath(u"Dokument_%1.pdf"_s.arg(++dokumente_));
    }
    drucker_->setOutputFormat(QPrinter::PdfFormat);
    drucker_->setOutputFileName(datei.isEmpty() ? entwurf_ : datei);
    gerät_ = drucker_.get();
    drucker_->setFullPage(false);
    seitenformatSetzen();

    maler_ = std::make_unique<QPainter>();
    if (!maler_->begin(drucker_.get())) {
        maler_.reset();
        drucker_.reset();
        gerät_ = nullptr;
        druckerName_.clear();
        prompter_.zeige(
            fehlerMeldung(u"Die Datei \u201E%1\u201C kann nicht geschrieben werden. Der Ausdruck "
                          "entfällt."_s.arg(QDir::toNativeSeparators(datei.isEmpty() ? entwurf_ : datei))));
        return;
    }
    maler_->setPen(QPen(Qt::black, px(linienbreite)));
    maler_->setBrush(Qt::NoBrush);
    seitenMm_ = { papierMm() };
    if (!datei.isEmpty())
        prompter_.zeige(hinweisMeldung(u"Es ist kein Drucker eingerichtet. Der Ausdruck wird als PDF-Datei "
                                       "gespeichert:\n"_s
            + QDir::toNativeSeparators(datei)));
}

QString QtPrinterSurface::neuePdfDatei()
{
    const QString pfad = Druckstörung::pdfDateiAnlegen(uhr_);
    if (pfad.isEmpty())
        prompter_.zeige(
            fehlerMeldung(u"Es ist kein Drucker eingerichtet, und im Arbeitsverzeichnis "
                          "\u201E%1\u201C kann keine PDF-Datei angelegt werden. Der "
                          "Ausdruck entfällt."_s.arg(QDir::toNativeSeparators(QDir::current().path()))));
    return pfad;
}

void QtPrinterSurface::seitenformatSetzen()
{
    const QPageSize größe(papierMm(), QPageSize::Millimeter);
    const QMarginsF ränder = ränderFür(papierMm());
    // A preview takes no new layout once painting has begun; an unchanged one
    // need not be set at all.
    const QPageLayout jetzt = gerät_->pageLayout();
    const QMarginsF d = jetzt.margins(QPageLayout::Millimeter) - ränder;
    if (jetzt.pageSize().isEquivalentTo(größe) && qAbs(d.left()) < 0.01 && qAbs(d.top()) < 0.01
        && qAbs(d.right()) < 0.01 && qAbs(d.bottom()) < 0.01)
        return;
    gerät_->setPageSize(größe);
    gerät_->setPageMargins(ränder, QPageLayout::Millimeter);
}

void QtPrinterSurface::seiteBeginnen()
{
    if (!maler_)
        return;
    seitenformatSetzen();
    gerät_->newPage();
    seitenMm_.append(papierMm());
}

void QtPrinterSurface::dokumentAbschließen()
{
    if (maler_)
        maler_->end();
    maler_.reset();
    if (drucker_)
        exakteSeitengrößen(drucker_->outputFileName(), seitenMm_);
    seitenMm_.clear();
    drucker_.reset();
    gerät_ = nullptr;
    if (!druckerName_.isEmpty())
        übergeben();
    druckerName_.clear();
}

void QtPrinterSurface::übergeben()
{
    using Ausweg = Druckstörung::Ausweg;
    Ausweg weg = Druckstörung::fragen(prompter_, druckerName_, wahl_.zustand(druckerName_));
    if (weg == Ausweg::Drucken) {
        const auto e = Druckerwarteschlange::drucken(druckerName_, entwurf_, u"Tarvex"_s, papierMm());
        if (e.auftrag == 0)
            weg = Druckstörung::fragen(prompter_, druckerName_, Druckerwahl::Zustand::NimmtNichtsAn, e.grund);
    }
    if (weg == Ausweg::AlsPdf)
        alsPdfSpeichern(entwurf_);
    QFile::remove(entwurf_);
}

void QtPrinterSurface::alsPdfSpeichern(const QString& entwurf)
{
    const QString pfad = Druckstörung::pdfDateiAnlegen(uhr_);
    QFile ziel(pfad);
    QFile quelle(entwurf);
    if (pfad.isEmpty() || !quelle.open(QIODevice::ReadOnly) || !ziel.open(QIODevice::WriteOnly)
        || ziel.write(quelle.readAll()) != quelle.size() || !ziel.flush()) {
        prompter_.zeige(fehlerMeldung(
            u"Im Arbeitsverzeichnis \u201E%1\u201C kann keine PDF-Datei angelegt "
            "werden. Der Ausdruck entfällt."_s.arg(QDir::toNativeSeparators(QDir::current().path()))));
        return;
    }
    prompter_.zeige(hinweisMeldung(
        u"Der Ausdruck wurde als PDF-Datei gespeichert:\n"_s + QDir::toNativeSeparators(pfad)));
}

void QtPrinterSurface::zeichneText(QPointF oben, const Schrift& schrift, const QString& text)
{
    if (!maler_)
        return;
    const QFont font = qtSchrift(schrift);
    maler_->setFont(font);
    const QFontMetricsF m(font, gerät_);
    maler_->drawText(QPointF(px(oben.x()), px(oben.y()) + m.ascent()), text);
}

void QtPrinterSurface::zeichneLinie(QPointF von, QPointF bis, Linienart art)
{
    if (!maler_)
        return;
    if (art == Linienart::Rechteck)
        maler_->drawRect(QRectF(px(von), px(bis)).normalized());
    else
        maler_->drawLine(px(von), px(bis));
}

double QtPrinterSurface::px(double mm) const
{
    return mm * gerät_->resolution() / 25.4;
}

QPointF QtPrinterSurface::px(QPointF mm) const
{
    return { px(mm.x()), px(mm.y()) };
}

} // namespace tarvex
