#include "CallInfoModel.h"

#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"

#include <QDir>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// The program's own entry; its call sign is the one the exchange files go to.
const QString kEigenerEintrag = u"QQ9QQ"_s;

} // namespace

CallInfoModel::CallInfoModel(
    OffenerContest& contest, CallInfoDb& callInfo, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , callInfo_(callInfo)
    , prompter_(prompter)
{
}

void CallInfoModel::fehler(const QString& text)
{
    prompter_.zeige(fehlerMeldung(text));
}

void CallInfoModel::aktivieren()
{
    try {
        if (callInfo_.anlegenWennFehlend()) {
            prompter_.zeige(hinweisMeldung(
                u"Im Arbeitsverzeichnis %1 gab es keine CALLINFO.MDB. Sie wurde leer angelegt."_s.arg(
                    QDir::toNativeSeparators(QFileInfo(callInfo_.pfad()).absolutePath()))));
        }
    } catch (const UserError& e) {
        // Nothing to read either; one message is enough.
        fehler(e.meldung());
        if (!bearbeitung_) {
            muster_.reset();
            einträge_.clear();
            gehe(-1);
        }
        return;
    }
    if (bearbeitung_) {
        // Still editing (an earlier leave was answered with Nein): nothing is re-read.
        emit changed();
        return;
    }
    const QString call = contest_.felder().txtCall;
    // A file that cannot be read is reported once, not again for the fall-back to all entries.
    if (lesen(call.isEmpty() ? std::nullopt : std::optional<QString>(call)) && einträge_.isEmpty() && muster_)
        lesen(std::nullopt);
}

bool CallInfoModel::lesen(std::optional<QString> muster)
{
    muster_ = std::move(muster);
    einträge_.clear();
    bool gelesen = true;
    // An empty pattern (or a cancelled search) gives a source without records.
    if (!muster_ || !muster_->isEmpty()) {
        try {
            einträge_ = callInfo_.einträge(muster_);
        } catch (const UserError& e) {
            fehler(e.meldung());
            gelesen = false;
        }
    }
    gehe(einträge_.isEmpty() ? -1 : 0);
    return gelesen;
}

void CallInfoModel::gehe(int position)
{
    position_ = position;
    feld_ = position_ >= 0 ? einträge_[position_] : CallInfoEintrag {};
    original_ = feld_;
    emit changed();
}

void CallInfoModel::erster()
{
    if (!bearbeitung_ && !einträge_.isEmpty())
        gehe(0);
}

void CallInfoModel::voriger()
{
    if (!bearbeitung_ && position_ > 0)
        gehe(position_ - 1);
}

void CallInfoModel::nächster()
{
    if (!bearbeitung_ && position_ >= 0 && position_ + 1 < anzahl())
        gehe(position_ + 1);
}

void CallInfoModel::letzter()
{
    if (!bearbeitung_ && !einträge_.isEmpty())
        gehe(anzahl() - 1);
}

void CallInfoModel::cmdSuchen()
{
    if (!änderungenKlären())
        return;
    const std::optional<QString> antwort
        = prompter_.frage({ u"Welches Rufzeichen wird gesucht?"_s, u"Suchen"_s, u"*"_s });
    lesen(antwort.value_or(QString()));
}

void CallInfoModel::cmdNeu()
{
    if (!änderungenKlären())
        return;
    lesen(std::nullopt);
    position_ = -1;
    feld_ = CallInfoEintrag {};
    original_ = feld_;
    bearbeitung_ = true;
    emit changed();
}

void CallInfoModel::cmdEdit()
{
    if (bearbeitung_ || position_ < 0 || feld_.rufzeichen == kEigenerEintrag)
        return;
    bearbeitung_ = true;
    emit changed();
}

bool CallInfoModel::sichern()
{
    try {
        const qint64 rowid = callInfo_.speichern(feld_);
        bearbeitung_ = false;
        // Re-read the source and stay on the stored entry.
        const std::optional<QString> muster = muster_;
        const int alt = position_;
        lesen(muster);
        int neu = -1;
        for (int i = 0; i < anzahl(); ++i) {
            if (einträge_[i].rowid == rowid)
                neu = i;
        }
        if (neu < 0 && !einträge_.isEmpty())
            neu = std::clamp(alt, 0, anzahl() - 1);
        gehe(neu);
        return true;
    } catch (const UserError& e) {
        // The typed fields stay, so nothing is lost; the operator may try again.
        fehler(e.meldung());
        return false;
    }
}

void CallInfoModel::cmdSpeichern()
{
    if (bearbeitung_)
        sichern();
}

void CallInfoModel::bearbeitungBeenden()
{
    bearbeitung_ = false;
    if (position_ >= 0 && position_ < anzahl())
        gehe(position_);
    else
        gehe(einträge_.isEmpty() ? -1 : 0);
}

bool CallInfoModel::änderungenKlären()
{
    if (!bearbeitung_)
        return true;
    if (feld_ == original_) {
        bearbeitungBeenden();
        return true;
    }
    const QString wer
        = feld_.rufzeichen.isEmpty() ? u"Der neue Eintrag"_s : u"Der Eintrag %1"_s.arg(feld_.rufzeichen);
    const Meldung frage { wer + u" wurde geändert.\nSollen die Änderungen gespeichert werden?"_s, u"Frage"_s,
        Meldung::Symbol::Frage, Meldung::Knöpfe::JaNeinAbbrechen, Meldung::Antwort::Ja };
    switch (prompter_.zeige(frage)) {
    case Meldung::Antwort::Ja:
        return sichern();
    case Meldung::Antwort::Nein:
        bearbeitungBeenden();
        return true;
    default:
        return false;
    }
}

void CallInfoModel::cmdAbbrechen()
{
    if (änderungenKlären())
        emit verlassen();
}

void CallInfoModel::escape()
{
    if (bearbeitung_) {
        if (änderungenKlären())
            emit changed();
        return;
    }
    if (muster_)
        lesen(std::nullopt);
    else
        emit verlassen();
}

namespace {

bool setze(QString& feld, const QString& text, int länge)
{
    const QString neu = text.left(länge);
    if (feld == neu)
        return false;
    feld = neu;
    return true;
}

} // namespace

void CallInfoModel::setTxtCall(const QString& text)
{
    if (bearbeitung_ && setze(feld_.rufzeichen, text.toUpper(), kCallLänge))
        emit changed();
}

void CallInfoModel::setTxtName(const QString& text)
{
    if (bearbeitung_ && setze(feld_.name, text, kNameLänge))
        emit changed();
}

void CallInfoModel::setTxtDOK(const QString& text)
{
    if (bearbeitung_ && setze(feld_.dok, text, kDokLänge))
        emit changed();
}

void CallInfoModel::setTxtOrt(const QString& text)
{
    if (bearbeitung_ && setze(feld_.ort, text, kOrtLänge))
        emit changed();
}

void CallInfoModel::setTxtNotiz(const QString& text)
{
    if (bearbeitung_ && setze(feld_.notiz, text, kNotizLänge))
        emit changed();
}

void CallInfoModel::setCheck1(bool gesendet)
{
    if (bearbeitung_ && feld_.qslGesendet != gesendet) {
        feld_.qslGesendet = gesendet;
        emit changed();
    }
}

void CallInfoModel::setCheck2(bool erhalten)
{
    if (bearbeitung_ && feld_.qslErhalten != erhalten) {
        feld_.qslErhalten = erhalten;
        emit changed();
    }
}

} // namespace tarvex
