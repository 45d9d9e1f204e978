#include "Klasse.h"

#include "CallSign.h"
#include "Zeichen.h"

#include <array>
#include <vector>

namespace tarvex {
namespace {

enum class Bedingung {
    Keine,
    IstQ,
    LetztesSoderA,
    DrittesSoderA,
    ViertesSoderA,
    StundeGültig,
    LocatorVollständig,
    BeginntMitPA5,
    BeginntNichtMitPA5,
};

struct Regel {
    // Views, so a token is compared without measuring every pattern again; unused entries are empty.
    std::array<QStringView, 5> muster;
    Bedingung bedingung;
    Klasse klasse;
};

// The classification table: at most one row matches a token, in this order.
const std::array<Regel, 33>& regeln()
{
    using B = Bedingung;
    using K = Klasse;
    static const std::array<Regel, 33> table = { {
        { { u"Z" }, B::IstQ, K::QslUmschalten },
        { { u"##" }, B::Keine, K::RstGegeben },
        { { u"/Z" }, B::Keine, K::SuffixUmschalten },
        { { u"Z/" }, B::Keine, K::PräfixUmschalten },
        { { u"ZZ" }, B::Keine, K::CallBuchstaben },
        { { u"Z#" }, B::Keine, K::CallPräfix },
        { { u"Z#Z" }, B::Keine, K::Call },
        { { u"###" }, B::Keine, K::RstGegeben },
        { { u"/ZZ" }, B::Keine, K::SuffixUmschalten },
        { { u"#Z/", u"ZZ/", u"Z#/" }, B::Keine, K::PräfixUmschalten },
        { { u"ZZZ" }, B::Keine, K::CallBuchstaben },
        { { u"ZZ#" }, B::Keine, K::CallPräfix },
        { { u"#ZZ" }, B::LocatorVollständig, K::LocatorEnde3 },
        { { u"##Z" }, B::LetztesSoderA, K::RstGegeben },
        { { u"ZZ#/", u"ZZZ/", u"#Z#/" }, B::Keine, K::PräfixUmschalten },
        { { u"Z##Z", u"ZZ#Z", u"Z#ZZ", u"#Z#Z" }, B::Keine, K::Call },
        { { u"##ZZ" }, B::LocatorVollständig, K::LocatorEnde4 },
        { { u"####" }, B::StundeGültig, K::ZeitHHMM },
        { { u"###Z" }, B::LetztesSoderA, K::RstGegeben },
        { { u"##:##" }, B::StundeGültig, K::ZeitHH_MM },
        { { u"#####" }, B::Keine, K::RstErhalten },
        { { u"#Z#ZZ", u"ZZ#ZZ", u"Z#ZZZ", u"Z##ZZ", u"ZZ##Z" }, B::Keine, K::Call },
        { { u"Z##ZZZ", u"#Z#ZZZ", u"ZZ#ZZZ" }, B::Keine, K::Call },
        { { u"ZZ##ZZ" }, B::BeginntMitPA5, K::Call },
        { { u"ZZ##ZZ" }, B::BeginntNichtMitPA5, K::Locator },
        { { u"######" }, B::Keine, K::RstErhalten },
        { { u"##Z###" }, B::DrittesSoderA, K::RstErhalten },
        { { u"#######" }, B::Keine, K::RstErhalten },
        { { u"ZZ##ZZZ", u"#Z##ZZZ", u"ZZZ#ZZZ" }, B::Keine, K::Call },
        { { u"##Z####" }, B::DrittesSoderA, K::RstErhalten },
        { { u"###Z###" }, B::ViertesSoderA, K::RstErhalten },
        { { u"##.##.##" }, B::Keine, K::Datum },
        { { u"###Z####" }, B::ViertesSoderA, K::RstErhalten },
    } };
    return table;
}

// The longest pattern of the table; a longer token matches none.
constexpr std::size_t kLängstesMuster = 8;

struct Eintrag {
    QStringView muster;
    const Regel* regel;
};

// The table's patterns by their length, in the table's order: a token is compared only with
// the patterns as long as its own.
const std::array<std::vector<Eintrag>, kLängstesMuster + 1>& nachLänge()
{
    static const std::array<std::vector<Eintrag>, kLängstesMuster + 1> buckets = [] {
        std::array<std::vector<Eintrag>, kLängstesMuster + 1> b;
        for (const Regel& regel : regeln()) {
            for (const QStringView m : regel.muster) {
                if (!m.isEmpty())
                    b.at(static_cast<std::size_t>(m.size())).push_back({ m, &regel });
            }
        }
        return b;
    }();
    return buckets;
}

bool sOderA(const QString& text, qsizetype index)
{
    return index >= 0 && index < text.size() && (text.at(index) == u'S' || text.at(index) == u'A');
}

// The number formed by the first two digits of the token (also of a split one,
// "X/1430"); 99 when it has fewer than two.
int stunde(const QString& token)
{
    QString ziffern;
    for (const QChar c : token) {
        if (c >= u'0' && c <= u'9')
            ziffern.append(c);
        if (ziffern.size() == 2)
            return ziffern.toInt();
    }
    return 99;
}

bool erfüllt(Bedingung b, const QString& token, qsizetype locatorLänge)
{
    switch (b) {
    case Bedingung::Keine:
        return true;
    case Bedingung::IstQ:
        return token == u"Q";
    case Bedingung::LetztesSoderA:
        return sOderA(token, token.size() - 1);
    case Bedingung::DrittesSoderA:
        return sOderA(token, 2);
    case Bedingung::ViertesSoderA:
        return sOderA(token, 3);
    case Bedingung::StundeGültig:
        return stunde(token) < 24;
    case Bedingung::LocatorVollständig:
        return locatorLänge == 6;
    case Bedingung::BeginntMitPA5:
        return token.startsWith(u"PA5");
    case Bedingung::BeginntNichtMitPA5:
        return !token.startsWith(u"PA5");
    }
    return false;
}

} // namespace

Klasse klassifiziere(const QString& token, const QString& muster, qsizetype locatorLänge)
{
    if (token.isEmpty())
        return Klasse::Speichern;
    if (static_cast<std::size_t>(muster.size()) > kLängstesMuster)
        return Klasse::Unbekannt;
    for (const Eintrag& e : nachLänge()[static_cast<std::size_t>(muster.size())]) {
        if (muster == e.muster && erfüllt(e.regel->bedingung, token, locatorLänge))
            return e.regel->klasse;
    }
    return Klasse::Unbekannt;
}

QString musterDesTokens(const QString& token, CallParts& teile)
{
    if (token.contains(u'/') && token.size() > 4)
        return Zeichen(KernCall(token, teile));
    return Zeichen(token);
}

bool istRufzeichen(const QString& call)
{
    if (call.size() < 3 || call.size() > 15)
        return false;
    CallParts teile;
    return klassifiziere(call, musterDesTokens(call, teile), 0) == Klasse::Call;
}

} // namespace tarvex
