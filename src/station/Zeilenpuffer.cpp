#include "Zeilenpuffer.h"

namespace tarvex {

using namespace Qt::StringLiterals;

void Zeilenpuffer::anhängen(const QByteArray& daten)
{
    puffer_.append(daten);
}

std::optional<QString> Zeilenpuffer::nächsteZeile()
{
    const qsizetype ende = puffer_.indexOf('\n');
    if (ende < 0)
        return std::nullopt;
    QByteArray zeile = puffer_.left(ende);
    puffer_.remove(0, ende + 1);
    if (zeile.endsWith('\r'))
        zeile.chop(1);
    return QString::fromUtf8(zeile);
}

std::optional<int> Zeilenpuffer::rprt(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (!t.startsWith(u"RPRT "_s))
        return std::nullopt;
    bool ok = false;
    const int code = t.mid(5).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return code;
}

} // namespace tarvex
