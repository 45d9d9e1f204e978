#include "digital/WsjtxNachricht.h"
#include "digital/Digitalkontakt.h"
#include "support/WsjtxSender.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::Felder;
using test::WsjtxQso;

std::optional<wsjtx::Kontakt> alsKontakt(const QByteArray& d)
{
    const std::optional<wsjtx::Nachricht> n = wsjtx::lesen(d);
    if (!n || !std::holds_alternative<wsjtx::Kontakt>(*n))
        return std::nullopt;
    return std::get<wsjtx::Kontakt>(*n);
}

WsjtxQso euVhf()
{
    WsjtxQso q;
    q.rstGesendet = u"59"_s;
    q.rstErhalten = u"57"_s;
    q.austauschGesendet = u"590004"_s;
    q.austauschErhalten = u"570123 JO31AB"_s;
    return q;
}

// Each schema and each generation of the contact message, as QDataStream writes it.
TEST(WsjtxNachricht, ContactOfEverySchemaAndFieldSet)
{
    for (const quint32 schema : { 2u, 3u }) {
        for (const Felder felder : { Felder::BisZeitAn, Felder::BisAustausch, Felder::Neuer }) {
            SCOPED_TRACE(testing::Message() << "schema " << schema << " felder " << int(felder));
            const std::optional<wsjtx::Kontakt> k = alsKontakt(test::qsoNachricht(euVhf(), schema, felder));
            ASSERT_TRUE(k);
            EXPECT_EQ(k->zeitEnde, QDateTime(QDate(2026, 12, 5), QTime(14, 33, 15), Qt::UTC));
            EXPECT_EQ(k->frequenz, 144'174'000u);
            const bool mitAustausch = felder != Felder::BisZeitAn;
            EXPECT_EQ((QStringList { k->id, k->dxCall, k->dxGrid, k->mode, k->rapportGesendet,
                          k->rapportErhalten, k->austauschGesendet, k->austauschErhalten }),
                (QStringList { u"WSJT-X"_s, u"DL1ABC"_s, u"JO31AB"_s, u"FT8"_s, u"59"_s, u"57"_s,
                    mitAustausch ? u"590004"_s : QString(), mitAustausch ? u"570123 JO31AB"_s : QString() }));
        }
    }
}

TEST(WsjtxNachricht, TimeOffInAnyTimeSpecIsUtc)
{
    const QDateTime utc(QDate(2026, 12, 5), QTime(23, 59, 59, 500), Qt::UTC);
    const QDateTime formen[]
        = { utc, utc.toOffsetFromUtc(3600), utc.toTimeZone(QTimeZone("Europe/Berlin")), utc.toLocalTime() };
    for (const QDateTime& t : formen) {
        WsjtxQso q;
        q.aus = t;
        const std::optional<wsjtx::Kontakt> k = alsKontakt(test::qsoNachricht(q));
        ASSERT_TRUE(k) << t.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(k->zeitEnde, utc);
        EXPECT_EQ(k->zeitEnde.timeSpec(), Qt::UTC);
    }
}

TEST(WsjtxNachricht, NullAndNonAsciiStrings)
{
    WsjtxQso q;
    q.grid = QString();
    q.kommentar = u"Grüße über MS"_s;
    const std::optional<wsjtx::Kontakt> k = alsKontakt(test::qsoNachricht(q));
    ASSERT_TRUE(k);
    EXPECT_TRUE(k->dxGrid.isEmpty());
    EXPECT_EQ(k->kommentar, u"Grüße über MS"_s);
}

TEST(WsjtxNachricht, OtherMessages)
{
    const auto status = wsjtx::lesen(test::statusNachricht(u"OK1KKK"_s, u"JO70"_s));
    ASSERT_TRUE(status && std::holds_alternative<wsjtx::StatusNachricht>(*status));
    const auto& s = std::get<wsjtx::StatusNachricht>(*status);
    EXPECT_EQ(
        (QStringList { s.dxCall, s.dxGrid, s.mode }), (QStringList { u"OK1KKK"_s, u"JO70"_s, u"FT8"_s }));
    EXPECT_EQ(s.frequenz, 144'174'000u);

    const auto herz = wsjtx::lesen(test::herzschlagNachricht(2));
    EXPECT_TRUE(herz && std::holds_alternative<wsjtx::HerzschlagNachricht>(*herz));
    const auto ende = wsjtx::lesen(test::endeNachricht());
    EXPECT_TRUE(ende && std::holds_alternative<wsjtx::EndeNachricht>(*ende));
    // The ADIF copy of a contact is not a second one.
    EXPECT_FALSE(wsjtx::lesen(test::adifNachricht(WsjtxQso {})));
}

QByteArray mitFeld(QByteArray d, qsizetype pos, QByteArray neu)
{
    return d.replace(pos, neu.size(), neu);
}

TEST(WsjtxNachricht, DamagedHeadersAndFieldsAreDropped)
{
    const QByteArray gut = test::qsoNachricht(WsjtxQso {});
    ASSERT_TRUE(alsKontakt(gut));
    // Header: magic 0..3, schema 4..7, type 8..11, id length 12..15, "WSJT-X" 16..21,
    // time off: day 22..29, ms 30..33, spec 34.
    const struct {
        const char* was;
        QByteArray daten;
    } fälle[] = {
        { "empty", {} },
        { "magic", mitFeld(gut, 0, QByteArray::fromHex("adbccbdb")) },
        { "schema 1", mitFeld(gut, 4, QByteArray::fromHex("00000001")) },
        { "schema 4", mitFeld(gut, 4, QByteArray::fromHex("00000004")) },
        { "unknown type", mitFeld(gut, 8, QByteArray::fromHex("00000063")) },
        { "id longer than the datagram", mitFeld(gut, 12, QByteArray::fromHex("7fffffff")) },
        { "day 0", mitFeld(gut, 22, QByteArray::fromHex("0000000000000000")) },
        { "negative day", mitFeld(gut, 22, QByteArray::fromHex("ffffffffffffffff")) },
        { "ms past midnight", mitFeld(gut, 30, QByteArray::fromHex("05265c00")) },
        { "time spec 7", mitFeld(gut, 34, QByteArray::fromHex("07")) },
        { "oversized", gut + QByteArray(wsjtx::kGrößte, 'x') },
    };
    for (const auto& f : fälle)
        EXPECT_FALSE(wsjtx::lesen(f.daten)) << f.was;
    // Every cut before time on ends is damage; the fields after it are optional.
    for (qsizetype n = 0; n < gut.size(); ++n) {
        const std::optional<wsjtx::Kontakt> k = alsKontakt(gut.left(n));
        if (k) {
            EXPECT_EQ(k->dxCall, u"DL1ABC"_s) << n;
        }
    }
    const qsizetype bisZeitAn = test::qsoNachricht(WsjtxQso {}, 3, Felder::BisZeitAn).size();
    EXPECT_FALSE(alsKontakt(gut.left(bisZeitAn - 1)));
    EXPECT_TRUE(alsKontakt(gut.left(bisZeitAn)));
}

TEST(Digitalkontakt, ReportsAndSerialNumbers)
{
    const struct {
        const char* austauschGesendet;
        const char* austauschErhalten;
        const char* rstGesendet;
        const char* rstErhalten;
        const char* rstGeg;
        const char* nummerGeg;
        const char* rstErh;
    } fälle[] = {
        { "590004", "570123", "59", "57", "59", "0004", "570123" },
        { "59 004", "57 123 JO31AB", "", "", "59", "004", "57123" },
        { "", "", "-05", "-12", "-05", "", "-12" },
        // An exchange without a serial number (other contest modes) leaves the reports.
        { "JO31", "DL", "+02", "-20", "+02", "", "-20" },
        { "59", "57", "59", "57", "59", "", "57" },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.austauschErhalten);
        WsjtxQso q;
        q.austauschGesendet = QString::fromUtf8(f.austauschGesendet);
        q.austauschErhalten = QString::fromUtf8(f.austauschErhalten);
        q.rstGesendet = QString::fromUtf8(f.rstGesendet);
        q.rstErhalten = QString::fromUtf8(f.rstErhalten);
        const std::optional<wsjtx::Kontakt> k = alsKontakt(test::qsoNachricht(q));
        ASSERT_TRUE(k);
        const Digitalkontakt d = Digitalkontakt::aus(*k);
        EXPECT_EQ(d.rstGeg, QString::fromUtf8(f.rstGeg));
        EXPECT_EQ(d.nummerGeg, QString::fromUtf8(f.nummerGeg));
        EXPECT_EQ(d.rstErh, QString::fromUtf8(f.rstErh));
    }
}

TEST(Digitalkontakt, FieldsAndKey)
{
    WsjtxQso q;
    q.call = u" dl1abc/p "_s;
    q.grid = u"jo31ab"_s;
    q.aus = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 30), Qt::UTC).toOffsetFromUtc(3600);
    const Digitalkontakt d = Digitalkontakt::aus(*alsKontakt(test::qsoNachricht(q)));
    EXPECT_EQ((QStringList { d.call, d.locator, d.datum, d.zeit, d.mode, d.bezeichnung() }),
        (QStringList {
            u"DL1ABC/P"_s, u"JO31AB"_s, u"06.12.26"_s, u"00:00"_s, u"FT8"_s, u"FT8: DL1ABC/P JO31AB"_s }));
    // Schema and message generation do not make another contact; another time does.
    const Digitalkontakt alt = Digitalkontakt::aus(*alsKontakt(test::qsoNachricht(q, 2, Felder::BisZeitAn)));
    EXPECT_EQ(alt.schlüssel, d.schlüssel);
    q.aus = q.aus.addSecs(60);
    EXPECT_NE(Digitalkontakt::aus(*alsKontakt(test::qsoNachricht(q))).schlüssel, d.schlüssel);
}

} // namespace
} // namespace tarvex
