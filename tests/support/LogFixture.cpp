#include "LogFixture.h"

#include "logout/LogFelder.h"
#include "store/ContestDatabase.h"

namespace tarvex::test {

using namespace Qt::StringLiterals;

LogFixture::LogFixture()
{
    // The band's own station, as the logging window shows it.
    model.Punkte();
}

QsoRecord LogFixture::kontakt(int i)
{
    static const QString calls[]
        = { u"DL1ABC"_s, u"OE5/DL1ABC/MM"_s, u"ABCDEFGHIJKLMNO"_s, u"G4XYZ/P"_s, u"DK2XY"_s };
    static const QString rapporte[] = { u"59"_s, u"599"_s, u"59A"_s, u"59S"_s };
    static const QString locators[] = { u"JO31AB"_s, u"JN78AA"_s, u"IO91WM"_s, u"JO62QM"_s };
    static const QString länder[] = { u"Deutschland"_s, u"Österreich"_s, u"England"_s, u"Deutschland"_s };
    const auto drei = [](int n) { return QString::number(n).rightJustified(3, u'0'); };
    const QString call = calls[i % 5].left(15), locator = locators[i % 4];
    const QString punkte = i == 6 || i == 49 ? kUngültigePunkte
        : i == 20                            ? u"1234"_s
                                             : QString::number(37 * i % 1000 + 1);
    const bool ungültig = punkte == kUngültigePunkte;
    const QString kommentar = i == 13 ? u"12 Zeichen!!"_s : i % 10 == 3 ? u"Nebel"_s : QString();
    return { i + 1, u"05.12.26"_s, drei(14 + i / 60).right(2) + u':' + drei(i % 60).right(2), call,
        rapporte[i % 4] + drei(i + 1), (i % 3 == 0 ? u"59"_s : u"599"_s) + drei(i * 7 % 1000), locator,
        punkte, u"90"_s, call, ungültig ? u" "_s : locator.left(4), ungültig ? u" "_s : länder[i % 4],
        kommentar, false };
}

void LogFixture::kontakte(int anzahl, const QString& band)
{
    for (int i = 0; i < anzahl; ++i)
        model.db()->qsoSpeichern(band, kontakt(i), kontakt(i).rufzeichen);
    model.Punkte();
}

void LogFixture::deckblattFüllen()
{
    using F = LogFeld;
    const std::pair<F, QString> werte[] = {
        { F::Wettbewerb, u"Dezember-Contest UKW 2026"_s },
        { F::Datum, u"05.12.2026"_s },
        { F::Wertungsgruppe, u"1"_s },
        { F::Lizenzklasse, QString() },
        { F::DOK, u"X99"_s },
        { F::Einmann, u"E"_s },
        { F::Name, u"Erika Mustermann"_s },
        { F::Straße, u"Hauptstraße 1"_s },
        { F::Ort, u"12345 Musterstadt"_s },
        { F::Sender, u"IC-9700"_s },
        { F::Empfänger, u"IC-9700 mit LNA"_s },
        { F::Eingangsstufe, u"Mastvorverst. 0,3 dB"_s },
        { F::Antenne, u"4x 10-Element Yagi"_s },
        { F::Ausgangsleistung, u"750"_s },
        { F::ÜberGrund, u"12"_s },
        { F::ÜberNN, u"345"_s },
    };
    for (const auto& [feld, text] : werte)
        log.setText(feld, text);
}

QStringList goldeneZeilen(const QString& name)
{
    return QString::fromUtf8(golden(name)).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace tarvex::test
