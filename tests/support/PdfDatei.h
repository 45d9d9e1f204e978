#pragma once
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

// A printed PDF file as poppler-utils read it; empty results when they fail.
namespace tarvex::test::pdf {

using namespace Qt::StringLiterals;

inline QString ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF files of the working directory, by name.
inline QStringList dateien(const QString& muster = u"*.pdf"_s)
{
    return QDir::current().entryList({ muster }, QDir::Files, QDir::Name);
}

// The paper of every page, in mm.
inline QList<QSizeF> seiten(const QString& datei)
{
    static const QRegularExpression größe(
        u"^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"_s, QRegularExpression::MultilineOption);
    const QString info = ausgabe(u"pdfinfo"_s, { u"-f"_s, u"1"_s, u"-l"_s, u"9999"_s, datei });
    QList<QSizeF> liste;
    for (auto it = größe.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        liste.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * 25.4 / 72);
    }
    return liste;
}

inline QStringList wörterDerZeilen(const QStringList& zeilen)
{
    static const QRegularExpression leer(u"\\s+"_s);
    return zeilen.join(u' ').split(leer, Qt::SkipEmptyParts);
}

// The words of one page (of all pages for 0), in reading order.
inline QStringList wörter(const QString& datei, int seite = 0)
{
    QStringList argumente;
    if (seite > 0)
        argumente << u"-f"_s << QString::number(seite) << u"-l"_s << QString::number(seite);
    argumente << u"-layout"_s << u"-enc"_s << u"UTF-8"_s << datei << u"-"_s;
    return wörterDerZeilen({ ausgabe(u"pdftotext"_s, argumente) });
}

// One page in grey at 100 dpi, so 1 mm is 100 / 25.4 pixels.
inline QImage bild(const QString& datei, int seite)
{
    const QString stamm = QDir::temp().filePath(u"tarvex-seite-%1"_s.arg(QCoreApplication::applicationPid()));
    const QString nummer = QString::number(seite);
    ausgabe(u"pdftoppm"_s,
        { u"-r"_s, u"100"_s, u"-f"_s, nummer, u"-l"_s, nummer, u"-singlefile"_s, u"-gray"_s, u"-png"_s, datei,
            stamm });
    QImage b(stamm + u".png"_s);
    QFile::remove(stamm + u".png"_s);
    return b;
}

} // namespace tarvex::test::pdf
