#include "CallSign.h"

#include "common/Val.h"

namespace tarvex {
namespace {

// Positions count from 1 as the operator reads a call; 0 means "no slash".
qsizetype slashPosition(const QString& text)
{
    return text.indexOf(u'/') + 1;
}

bool präfixAbtrennen(qsizetype p, const QString& call)
{
    return p < 4 || (p == 4 && call.size() >= 9);
}

} // namespace

QString KernCall(const QString& call, CallParts& parts)
{
    parts.kern = call;
    const qsizetype p = slashPosition(call);
    if (präfixAbtrennen(p, call)) {
        parts.präfix = call.left(p);
        parts.kern = call.mid(p);
    }
    const qsizetype q = slashPosition(parts.kern);
    if (q > 3) {
        parts.suffix = parts.kern.mid(q - 1);
        parts.kern = parts.kern.left(q - 1);
    }
    return parts.kern;
}

QString Kern2(const QString& call)
{
    QString rest = call;
    const qsizetype p = slashPosition(rest);
    if (p > 0 && präfixAbtrennen(p, rest))
        rest = rest.mid(p);
    const qsizetype q = slashPosition(rest);
    if (q > 3 && Val(QStringView(rest).right(1)) == 0.0)
        rest = rest.left(q - 1);
    return rest;
}

QString präfixTeil(const QString& call)
{
    const qsizetype p = slashPosition(call);
    return p > 0 && präfixAbtrennen(p, call) ? call.left(p) : QString();
}

} // namespace tarvex
