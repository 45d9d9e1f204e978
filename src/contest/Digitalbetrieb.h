#pragma once
#include "digital/Digitalkontakt.h"
#include "digital/WsjtxNachricht.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <optional>

namespace tarvex {

class ContestModel;
class Fragensperre;

// Contacts from a digital-mode program, taken into the current band as if
// typed: the input line's fields are filled, looked up and saved by the
// logging model, and then given back to the operator as they were. Nothing
// from the network asks a question; a contact that would need one waits in
// a list until the operator deals with it.
class Digitalbetrieb : public QObject {
    Q_OBJECT
public:
    struct Wartend {
        Digitalkontakt kontakt;
        QString grund; // why it was not stored, German
        bool doppelt = false;
    };

    // The questions of the model and its look-up must go through `fragen`.
    Digitalbetrieb(ContestModel& contest, Fragensperre& fragen, QObject* parent = nullptr);

    void empfangen(const wsjtx::Nachricht& nachricht);
    void kontaktEmpfangen(const Digitalkontakt& kontakt);

    const QList<Wartend>& wartende() const { return wartende_; }
    // The waiting list, worked through by the operator:
    // into the input line, to be completed and saved there;
    void vervollständigen(int index);
    // stored as it is, also with a serial number other than the log's;
    bool speichern(int index);
    // stored as an invalid duplicate, as the duplicate question's OK does;
    bool alsDoppelSpeichern(int index);
    void verwerfen(int index);

    // The station the program is working now, "FT8: DL1ABC JO31"; empty when none.
    const QString& gearbeitet() const { return gearbeitet_; }

signals:
    // A line for the status bar.
    void gemeldet(const QString& text);
    void listeNeu();
    void gearbeitetNeu();

private:
    struct Freigaben {
        bool nummer = false;
        bool doppel = false;
    };
    // Nothing when stored, otherwise why not.
    std::optional<QString> übernehmen(const Digitalkontakt& k, Freigaben frei, QString& km);
    std::optional<QString> vorab(const Digitalkontakt& k, Freigaben frei) const;
    bool ausListeSpeichern(int index, Freigaben frei);
    void melden(const Digitalkontakt& k, const QString& km);
    void setGearbeitet(const QString& text);

    ContestModel& contest_;
    Fragensperre& fragen_;
    QList<Wartend> wartende_;
    QSet<QString> gesehen_;
    QString gearbeitet_;
};

} // namespace tarvex
