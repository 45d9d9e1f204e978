#include "WsjtxNachricht.h"

#include <QTimeZone>

namespace tarvex::wsjtx {

namespace {

// Reads the stream's fields in turn; the first field that does not fit makes
// every later read fail as well, so a message is checked once at its end.
class Leser {
public:
    explicit Leser(const QByteArray& d)
        : d_(d)
    {
    }

    bool ok() const { return ok_; }
    bool amEnde() const { return pos_ >= d_.size(); }

    template <class T> T zahl()
    {
        if (!ok_ || d_.size() - pos_ < qsizetype(sizeof(T))) {
            ok_ = false;
            return T {};
        }
        std::make_unsigned_t<T> w = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            w = static_cast<std::make_unsigned_t<T>>((w << 8) | static_cast<quint8>(d_.at(pos_++)));
        return static_cast<T>(w);
    }

    QByteArray bytes()
    {
        const quint32 n = zahl<quint32>();
        if (!ok_ || n == 0xffffffffu)
            return {};
        if (qsizetype(n) > d_.size() - pos_) {
            ok_ = false;
            return {};
        }
        const QByteArray b = d_.mid(pos_, n);
        pos_ += n;
        return b;
    }

    QString text() { return QString::fromUtf8(bytes()); }

    // Qt streams a zone's id as a QString: big-endian UTF-16, its length in bytes.
    QString utf16()
    {
        const QByteArray b = bytes();
        if (b.size() % 2 != 0) {
            ok_ = false;
            return {};
        }
        QString s(b.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < s.size(); ++i)
            s[i] = QChar(char16_t((quint8(b[2 * i]) << 8) | quint8(b[2 * i + 1])));
        return s;
    }

    QDateTime zeit()
    {
        const qint64 tag = zahl<qint64>();
        const quint32 ms = zahl<quint32>();
        const quint8 art = zahl<quint8>();
        qint32 versatz = 0;
        QTimeZone zone;
        if (art == 2)
            versatz = zahl<qint32>();
        else if (art == 3)
            zone = QTimeZone(utf16().toUtf8());
        else if (art > 3)
            ok_ = false;
        // A day far outside any log is damage, not a date.
        if (!ok_ || ms >= 86'400'000u || tag < 2'400'000 || tag > 2'600'000 || (art == 3 && !zone.isValid())
            || versatz < -86'400 || versatz > 86'400) {
            ok_ = false;
            return {};
        }
        const QDate d = QDate::fromJulianDay(tag);
        const QTime t = QTime::fromMSecsSinceStartOfDay(int(ms));
        QDateTime z;
        switch (art) {
        case 0:
            z = QDateTime(d, t, Qt::LocalTime);
            break;
        case 1:
            z = QDateTime(d, t, Qt::UTC);
            break;
        case 2:
            z = QDateTime(d, t, Qt::OffsetFromUTC, versatz);
            break;
        default:
            z = QDateTime(d, t, zone);
            break;
        }
        return z.isValid() ? z.toUTC() : QDateTime();
    }

private:
    const QByteArray& d_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

std::optional<Nachricht> kontakt(Leser& l, QString id)
{
    Kontakt k;
    k.id = std::move(id);
    k.zeitEnde = l.zeit();
    k.dxCall = l.text();
    k.dxGrid = l.text();
    k.frequenz = l.zahl<quint64>();
    k.mode = l.text();
    k.rapportGesendet = l.text();
    k.rapportErhalten = l.text();
    l.text(); // Tx power
    k.kommentar = l.text();
    l.text(); // name
    l.zeit(); // time on
    if (!l.ok() || !k.zeitEnde.isValid())
        return std::nullopt;
    // The fields after time on came with later versions; a sender without
    // them ends here.
    l.text(); // operator
    l.text(); // my call
    l.text(); // my grid
    Kontakt mitAustausch = k;
    mitAustausch.austauschGesendet = l.text();
    mitAustausch.austauschErhalten = l.text();
    return l.ok() ? mitAustausch : k;
}

std::optional<Nachricht> status(Leser& l, QString id)
{
    StatusNachricht s;
    s.id = std::move(id);
    s.frequenz = l.zahl<quint64>();
    s.mode = l.text();
    s.dxCall = l.text();
    if (!l.ok())
        return std::nullopt;
    l.text(); // report
    l.text(); // Tx mode
    l.zahl<quint8>(); // Tx enabled
    l.zahl<quint8>(); // transmitting
    l.zahl<quint8>(); // decoding
    l.zahl<quint32>(); // Rx DF
    l.zahl<quint32>(); // Tx DF
    l.text(); // DE call
    l.text(); // DE grid
    const QString grid = l.text();
    if (l.ok())
        s.dxGrid = grid;
    return s;
}

} // namespace

std::optional<Nachricht> lesen(const QByteArray& datagramm)
{
    if (datagramm.size() > kGrößte)
        return std::nullopt;
    Leser l(datagramm);
    const quint32 magie = l.zahl<quint32>();
    const quint32 schema = l.zahl<quint32>();
    const quint32 art = l.zahl<quint32>();
    QString id = l.text();
    if (!l.ok() || magie != kMagie || schema < 2 || schema > 3)
        return std::nullopt;
    switch (art) {
    case Herzschlag:
        return HerzschlagNachricht { std::move(id) };
    case Status:
        return status(l, std::move(id));
    case QsoGeloggt:
        return kontakt(l, std::move(id));
    case Ende:
        return EndeNachricht { std::move(id) };
    default:
        return std::nullopt;
    }
}

} // namespace tarvex::wsjtx
