#pragma once
#include "Prompter.h"

namespace tarvex {

// Passes every question on to the real prompter, except while a lock is held:
// then nothing is shown, the box's default answer is taken and the texts are
// kept, so work nobody is sitting at (a contact from the network) can see that
// it would have needed the operator.
class Fragensperre final : public Prompter {
public:
    explicit Fragensperre(Prompter& ziel)
        : ziel_(ziel)
    {
    }

    class Sperre {
    public:
        explicit Sperre(Fragensperre& s)
            : s_(s)
            , vorher_(s.gesperrt_)
        {
            s_.gesperrt_ = true;
        }
        ~Sperre() { s_.gesperrt_ = vorher_; }
        Sperre(const Sperre&) = delete;
        Sperre& operator=(const Sperre&) = delete;

    private:
        Fragensperre& s_;
        bool vorher_;
    };

    bool gesperrt() const { return gesperrt_; }
    // The questions held back since the last call.
    QStringList zurückgehalten()
    {
        QStringList t;
        t.swap(zurückgehalten_);
        return t;
    }

    Meldung::Antwort zeige(const Meldung& meldung) override
    {
        if (!gesperrt_)
            return ziel_.zeige(meldung);
        zurückgehalten_.append(meldung.text);
        return meldung.standard;
    }
    std::optional<QString> frage(const Eingabefrage& frage) override
    {
        if (!gesperrt_)
            return ziel_.frage(frage);
        zurückgehalten_.append(frage.text);
        return std::nullopt;
    }
    std::optional<QString> dateiWählen(const Dateiwahl& frage) override
    {
        if (!gesperrt_)
            return ziel_.dateiWählen(frage);
        zurückgehalten_.append(frage.titel);
        return std::nullopt;
    }
    QStringList dateienWählen(const Dateiwahl& frage) override
    {
        if (!gesperrt_)
            return ziel_.dateienWählen(frage);
        zurückgehalten_.append(frage.titel);
        return {};
    }

private:
    Prompter& ziel_;
    bool gesperrt_ = false;
    QStringList zurückgehalten_;
};

} // namespace tarvex
