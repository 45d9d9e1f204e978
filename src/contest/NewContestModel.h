#pragma once
#include "common/Grossschreibung.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tarvex {

class ContestModel;
class Prompter;

// The new-contest form frmNeu without its widgets: the fields, the band ticks
// with the 50 MHz option, the locator check on leaving the field, and creating
// the contest files and settings. On success the logging model is turned to
// the new contest. Lives as long as the form, so its fields survive between uses.
class NewContestModel {
public:
    // The new-contest file name preset: month and year, "DEZ2026".
    static QString monatsVorgabe(const QDate& datum);
    // The call and locator fields start with the own station of the settings.
    NewContestModel(ContestModel& contest, Prompter& prompter);

    // Every caller presets the file name with month and year ("DEZ2026").
    void vorbelegen(const QDate& heute);

    const QString& txtName() const { return name_; }
    const QString& txtCall() const { return call_; }
    const QString& txtLocator() const { return locator_; }
    void setTxtName(const QString& text) { name_ = großschreiben(text); }
    void setTxtCall(const QString& text) { call_ = großschreiben(text); }
    void setTxtLocator(const QString& text) { locator_ = großschreiben(text); }

    // Band ticks by band table name. The 50 MHz box takes no tick while hidden.
    bool bandGewählt(const QString& band) const;
    void setBandGewählt(const QString& band, bool gewählt);
    // The ticked band tables in band-list order (50 MHz first).
    QStringList gewählteBänder() const;

    // mnu50MHz: toggles the option; switching it off unticks and hides chk50.
    bool option50MHz() const { return option50_; }
    void option50MHzUmschalten();
    bool chk50Sichtbar() const { return option50_; }

    // Without an open contest the operator cannot leave the form unfinished.
    bool abbrechenMöglich() const;

    // Leaving txtLocator: false after "ungültiger Locator" (focus goes back).
    bool locatorVerlassen();

    // cmdOk: every check and message in order; true when the contest was
    // created and the logging model shows it (the form then hides).
    bool anlegen();

    // File names as they are created and as they are referred to afterwards.
    QString datenbankDatei() const { return name_ + QStringLiteral(".mdb"); }
    QString datenbankName() const { return name_ + QStringLiteral(".MDB"); }

private:
    bool meldung(const QString& text, bool kritisch);

    ContestModel& contest_;
    Prompter& prompter_;
    QString name_;
    QString call_;
    QString locator_;
    QSet<QString> bänder_;
    bool option50_ = false;
};

} // namespace tarvex
