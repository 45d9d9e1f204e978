#pragma once
#include "store/CallInfoDb.h"

#include <QObject>
#include <optional>

namespace tarvex {

class OffenerContest;
class Prompter;

// The call-info window frmCallInfo: browses, searches, adds and edits the entries
// of CALLINFO.MDB one at a time. The record source is read into memory (a
// snapshot, as a recordset would be) and re-read after every change.
class CallInfoModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kCallLänge = 10;
    static constexpr int kNameLänge = 30;
    static constexpr int kDokLänge = 10;
    static constexpr int kOrtLänge = 30;
    static constexpr int kNotizLänge = 32767;

    CallInfoModel(
        OffenerContest& contest, CallInfoDb& callInfo, Prompter& prompter, QObject* parent = nullptr);

    // The window becomes active: on the call typed in the logging window when it has
    // an entry, else on all entries. Creates a missing CALLINFO.MDB (with a note).
    void aktivieren();

    // Data1: first/previous/next/last; only outside editing.
    void erster();
    void voriger();
    void nächster();
    void letzter();
    // Position in the record source counted from 0, -1 without a current record.
    int position() const { return position_; }
    QString Data1Caption() const { return QString::number(position_); }
    int anzahl() const { return static_cast<int>(einträge_.size()); }
    // True while the record source is the search statement, not all entries.
    bool gesucht() const { return muster_.has_value(); }

    void cmdSuchen();
    void cmdNeu();
    void cmdEdit();
    void cmdSpeichern();
    // "&Abbrechen" and "&zurück": back to the logging window (unsaved changes are asked for).
    void cmdAbbrechen();
    // Esc: undoes a search first, closes on the next press.
    void escape();

    bool bearbeitung() const { return bearbeitung_; }
    // Fields and "&speichern" are enabled only while editing; "&bearbeiten" and Data1 outside.
    bool felderAktiv() const { return bearbeitung_; }
    bool speichernAktiv() const { return bearbeitung_; }
    bool bearbeitenAktiv() const { return !bearbeitung_; }
    bool Data1Aktiv() const { return !bearbeitung_; }

    const CallInfoEintrag& eintrag() const { return feld_; }
    // Typing into the fields (only while editing); lengths are cut, the call in capitals.
    void setTxtCall(const QString& text);
    void setTxtName(const QString& text);
    void setTxtDOK(const QString& text);
    void setTxtOrt(const QString& text);
    void setTxtNotiz(const QString& text);
    void setCheck1(bool gesendet);
    void setCheck2(bool erhalten);

signals:
    void changed();
    // The logging window is to be shown and this one hidden.
    void verlassen();

private:
    // False (after one message) when the file could not be read.
    bool lesen(std::optional<QString> muster);
    void gehe(int position);
    void bearbeitungBeenden();
    // Unsaved changes: asks whether to save them. False when the operator cancels.
    bool änderungenKlären();
    bool sichern();
    void fehler(const QString& text);

    OffenerContest& contest_;
    CallInfoDb& callInfo_;
    Prompter& prompter_;
    std::optional<QString> muster_; // nothing: all entries
    QList<CallInfoEintrag> einträge_;
    int position_ = -1;
    bool bearbeitung_ = false;
    CallInfoEintrag feld_; // what the fields show
    CallInfoEintrag original_; // the record as read, to tell changes
};

} // namespace tarvex
