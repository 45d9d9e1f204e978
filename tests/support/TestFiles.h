#pragma once
#include "QtPrinters.h"
#include <functional>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace tarvex::test {

// A scratch directory that is also the working directory while it lives.
class WorkDir {
public:
    WorkDir();
    ~WorkDir();
    QString pfad(const QString& name) const { return dir_.filePath(name); }
    QString root() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A small file system of its own (tmpfs) in a folder of the working directory,
// to fill up like a full disk. Needs root; without it ok() is false.
class KleineDisk {
public:
    explicit KleineDisk(const QString& ordner, int kilobyte = 512);
    ~KleineDisk();
    bool ok() const { return ok_; }
    QString pfad(const QString& name) const { return ordner_ + u'/' + name; }
    // Writes a filler file until nothing more fits.
    void füllen();
    // Frees the filler again.
    void leeren();
    // Mounts the disk read-only (what a write-protected folder is even for root).
    bool schreibschützen();

private:
    QString ordner_;
    bool ok_ = false;
};

using Rows2 = std::vector<std::pair<QString, QString>>;

// Small reference files, built the way the program reads them.
struct ContestDatInhalt {
    Rows2 präfixe; // PREFIX, LAND
    Rows2 squares; // SQUARE, LAND
    Rows2 stationen; // CALL, LOCATORS
    QStringList länder;
};
void schreibeContestDat(const QString& pfad, const ContestDatInhalt& inhalt);
void schreibeCallInfo(const QString& pfad, const Rows2& namen); // Rufzeichen, Name

QByteArray dateiInhalt(const QString& pfad);
// Writes (or appends) the bytes, creating the directory; fails the test if it cannot.
void schreibeDatei(const QString& pfad, const QByteArray& inhalt, bool anhängen = false);

// A contest as earlier versions wrote it: no mark, no TMP and no PARAM, each
// band table with the given number of leading fields (12 or 13).
void schreibeAltenContest(const QString& pfad, const std::vector<std::pair<QString, int>>& bandFelder);

// A file of tests/data, such as a reviewed golden output.
QByteArray golden(const QString& name);

// Processes events until the condition holds or the time is up.
bool warteBis(const std::function<bool()>& bedingung, int millisekunden = 10000);

// A free TCP port on 127.0.0.1 at the moment of asking.
quint16 freierPort();

// A QCoreApplication for tests whose queued signals need an event loop.
void sicherstellenApp();

// Runs the steps as a user without special rights, so that write protection
// holds (for root it does not): in a child process as "nobody" when the tests
// run as root, with the working directory opened to everyone. Returns the
// steps' own failure text, empty when they all passed.
QString alsGewöhnlicherBenutzer(const std::function<QString()>& schritte);

} // namespace tarvex::test
