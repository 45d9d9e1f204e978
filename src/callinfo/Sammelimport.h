#pragma once
#include "store/Connection.h"
#include "store/StationenAbfrage.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tarvex {

// Known stations from the logs contest organisers publish: a (call, locator) pair is
// believed when enough independent logs hold it, so that one operator's typo does not
// spread. A log is told apart by its PCall; the same PCall on two bands or in two files
// is one log. Written into LOGSTATIONS in one transaction, replacing the last bulk import.
class Sammelimport {
public:
    // How many logs must hold a pair before it is taken: on 144 MHz and below more
    // logs are published, so more must agree.
    struct Schwellen {
        int bis144 = 3;
        int darüber = 2;
    };
    struct Bericht {
        int dateien = 0; // EDI files read
        int logs = 0; // different PCalls among them
        int paareGesehen = 0;
        int paareÜbernommen = 0;
        int paareZurückgehalten = 0; // in fewer logs than the band asks for
        int paareÜberzählig = 0; // taken, but the call has three more recent ones
        int stationen = 0; // calls written
        QStringList beschädigt; // one message per file left out
        bool abgebrochen = false;
    };
    // Asked before each file with the files done and the total; false cancels.
    using Fortschritt = std::function<bool(int erledigt, int gesamt)>;

    static constexpr int kMaxLocators = 3; // what the look-up offers of one call

    explicit Sammelimport(Schwellen schwellen);

    // The EDI files of a folder and its subfolders (".edi" in any case), sorted by path.
    static QStringList ediDateien(const QString& ordner);
    // The threshold for a PBand value ("144 MHz", "1,3 GHz", "70cm"); unreadable counts as 144 MHz.
    int schwelle(const QString& pband) const;

    // One EDI file; a damaged one is a UserError with its reason and adds nothing.
    void datei(const QByteArray& inhalt, const QString& name);
    // The valid contacts of the own contest: one log of their own, without a date.
    void eigeneKontakte(const QList<StationenAbfrage::RufzeichenLocator>& kontakte);

    struct Station {
        QString call;
        QStringList locators; // most recent first, at most kMaxLocators
        QList<int> logs; // per locator
    };
    // The calls and locators taken, by call; fills the pair counts of bericht.
    QList<Station> auswerten(Bericht& bericht) const;

    // Reads the files, then replaces LOGSTATIONS of contestDat in one transaction. A
    // damaged or unreadable file is listed and skipped; a cancel writes nothing.
    static Bericht importieren(Connection& contestDat, const QStringList& pfade, Schwellen schwellen,
        const QList<StationenAbfrage::RufzeichenLocator>& eigene, const Fortschritt& fortschritt = {});

private:
    struct Paar {
        QString locator;
        QList<int> quellen; // log numbers, each once
        int zuletzt = 0; // YYMM of the latest contact, 0 without a date
        int schwelle = 0; // the lowest of the bands it was seen on
    };
    struct Rufzeichen {
        QString call;
        QList<Paar> paare;
    };
    int quelle(const QString& schlüssel);
    void add(const QString& rohCall, const QString& rohLocator, int quelle, int monat, int schwelle);

    Schwellen schwellen_;
    QHash<QString, int> quellen_;
    int eigeneQuelle_ = -1;
    QHash<QString, qsizetype> callIndex_;
    QList<Rufzeichen> calls_;
    int dateien_ = 0;
};

} // namespace tarvex
