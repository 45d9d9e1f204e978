#include "Referenzdateien.h"
#include "common/SystemFehler.h"

#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

QStringList Referenzdateien::dateinamen()
{
    return { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s };
}

QStringList Referenzdateien::standardQuellen(const QString& programmVerzeichnis)
{
    // The installed layout and the build tree are alike: bin/tarvex beside share/tarvex,
    // build/src/tarvex beside build/share/tarvex. TARVEX_DATADIR points elsewhere.
    QStringList quellen;
    const QString umgebung = qEnvironmentVariable("TARVEX_DATADIR");
    if (!umgebung.isEmpty())
        quellen.append(umgebung);
    quellen.append(QDir(programmVerzeichnis).absoluteFilePath(u"../share/tarvex"_s));
    for (QString& q : quellen)
        q = QDir::cleanPath(q);
    quellen.removeDuplicates();
    return quellen;
}

Referenzdateien::Referenzdateien(QStringList quellen)
    : quellen_(std::move(quellen))
{
}

QString Referenzdateien::quelleFür(const QString& dateiname) const
{
    for (const QString& verzeichnis : quellen_) {
        const QString pfad = resolveCaseInsensitive(QDir(verzeichnis).filePath(dateiname));
        if (QFileInfo(pfad).isFile())
            return pfad;
    }
    return {};
}

Referenzdateien::Ergebnis Referenzdateien::bereitstellen(const QString& arbeitsverzeichnis) const
{
    Ergebnis ergebnis;
    const QDir ziel(arbeitsverzeichnis);
    for (const QString& name : dateinamen()) {
        if (existsCaseInsensitive(ziel.filePath(name)))
            continue;
        const QString quelle = quelleFür(name);
        if (quelle.isEmpty()) {
            ergebnis.fehlend.append(name);
            continue;
        }
        const QString kopie = ziel.filePath(name);
        QFile datei(quelle);
        if (!datei.copy(kopie)) {
            const int errnum = errno;
            ergebnis.fehlgeschlagen.append(name + u": "_s + dateiFehler(datei, errnum));
            continue;
        }
        // An installed file is often read-only; the operator's copy must take his entries.
        QFile::setPermissions(kopie,
            QFile::permissions(kopie) | QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ReadUser | QFileDevice::WriteUser);
        if (!QFileInfo(kopie).isWritable()) {
            ergebnis.fehlgeschlagen.append(name + u": die Kopie ist schreibgeschützt"_s);
            continue;
        }
        ergebnis.kopiert.append(name);
    }
    return ergebnis;
}

QString Referenzdateien::meldung(const Ergebnis& ergebnis, const QString& arbeitsverzeichnis)
{
    const QString ort = QDir::toNativeSeparators(QDir(arbeitsverzeichnis).absolutePath());
    QStringList absätze;
    if (!ergebnis.kopiert.isEmpty()) {
        absätze.append(
            u"Im Arbeitsverzeichnis %1 fehlten Referenzdateien. Tarvex hat die "
            u"mitgelieferten Dateien dorthin kopiert:\n%2"_s.arg(ort, ergebnis.kopiert.join(u'\n')));
    }
    for (const QString& name : ergebnis.fehlend) {
        absätze.append(u"Die Referenzdatei %1 fehlt im Arbeitsverzeichnis %2 und ist auch in der "
                       u"Installation nicht zu finden. Ohne sie bleiben Land, Name und bekannte "
                       u"Locatoren leer."_s.arg(name, ort));
    }
    for (const QString& fehler : ergebnis.fehlgeschlagen) {
        absätze.append(u"Eine Referenzdatei konnte nicht in das Arbeitsverzeichnis %1 kopiert "
                       u"werden: %2"_s.arg(ort, fehler));
    }
    return absätze.join(u"\n\n"_s);
}

} // namespace tarvex
