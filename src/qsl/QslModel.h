#pragma once
#include "Aufkleberdruck.h"
#include "QslListe.h"
#include "store/ContestDatabase.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace tarvex {

class OffenerContest;
class PrinterSurface;
class Prompter;
class Settings;

// frmQSL's model: the selection of the current band's contacts by call pattern
// and distance, their QSL marks, the label layout kept in the settings and the
// printing of one label per marked contact. Created once; the fields keep their
// contents while the program runs. The printer is the one the labels go to; its
// page size follows the label stock.
class QslModel : public QObject {
    Q_OBJECT
public:
    // The seven label settings, in the order of the form.
    enum class Feld {
        ObererAbstand,
        LinkerAbstand,
        LinkerAbstand2,
        Höhe,
        VertikalerAbstand,
        Anzahl,
        Station
    };
    static constexpr int kFeldAnzahl = 7;
    static const QString kAbschnitt; // settings section "Etiketten"
    static QString schlüssel(Feld feld);
    static QString anfangstext(Feld feld);

    QslModel(OffenerContest& contest, Settings& settings, PrinterSurface& drucker, Prompter& prompter,
        QObject* parent = nullptr);

    // Filter fields. The call pattern takes every letter as a capital.
    const QString& txtCall() const { return txtCall_; }
    void setTxtCall(const QString& text);
    QString txtPunkte = QStringLiteral("0");

    const QString& feld(Feld feld) const { return felder_[std::size_t(feld)]; }
    void setFeld(Feld feld, const QString& text);
    // Leaving a settings field stores its text as it stands.
    void feldVerlassen(Feld feld);

    // optEtikettenart: 0 = "Endlosetiketten", 1 = "DIN A4-Bögen".
    int etikettenart() const { return endlos_ ? 0 : 1; }
    void etikettenartWählen(int index);
    bool anzahlAktiv() const { return !endlos_; }
    bool zweiSpaltenSichtbar() const { return !endlos_; }
    bool chkZweiSpalten = true;
    bool optPseQsl = true;

    // The printer's paper when the form was created, in twips.
    int Papierhöhe() const { return papierhöhe_; }
    int Papierbreite() const { return papierbreite_; }

    QslListe& liste() { return liste_; }
    const QslListe& liste() const { return liste_; }

    // Activation and Enter in a filter field: the list shows the selection.
    void füllen();
    void auswahlAnwenden() { füllen(); }

    // First the ticks of the list, then the stored marks of the selection as the
    // filter fields stand now.
    void alleMarkieren();
    void markierungLöschen();
    void markierungUmkehren();
    // A tick clicked: the stored mark of that entry's contact is inverted.
    void häkchenGeklickt(int row, bool an);

    // Prints the labels of the selection's marked contacts. False when the
    // selection could not run (the operator has been told); the form then stays.
    bool drucken();
    // The contacts a print would label now; none after a message.
    std::optional<QList<QsoRecord>> markierteQsos();
    // The contacts a preview shows; none after a message, which also tells the
    // operator when the selection holds no marked contact: an empty preview
    // would look like a broken printer.
    std::optional<QList<QsoRecord>> vorschauQsos();
    // The labels of these contacts on another surface (the print preview), on
    // the paper the label printer has now.
    void vorschauDrucken(PrinterSurface& ziel, const QList<QsoRecord>& qsos);

signals:
    void changed();

private:
    std::optional<QList<QslAbfrage::Zeile>> auswahl();
    std::optional<double> grenze();
    void markieren(QslAbfrage::Markierung art);
    Aufkleberdruck::Vorgaben vorgaben() const;
    void fehler(const QString& text);

    OffenerContest& contest_;
    Settings& settings_;
    PrinterSurface& drucker_;
    Prompter& prompter_;
    QString txtCall_ = QStringLiteral("*");
    std::array<QString, kFeldAnzahl> felder_;
    bool endlos_ = false;
    int papierhöhe_ = 0;
    int papierbreite_ = 0;
    QslListe liste_;
};

} // namespace tarvex
