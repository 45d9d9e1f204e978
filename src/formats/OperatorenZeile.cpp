#include "OperatorenZeile.h"
#include "EdiSchreiber.h"

#include "entry/CallSign.h"

#include <QRegularExpression>
#include <QStringList>

namespace tarvex {

using namespace Qt::StringLiterals;

QString operatorenZeile(const QString& text)
{
    static const QRegularExpression trenner(u"[\\s,;]+"_s);
    QStringList calls;
    for (const QString& teil : EdiSchreiber::ascii(text).toUpper().split(trenner, Qt::SkipEmptyParts)) {
        const QString kern = Kern2(teil);
        if (!kern.isEmpty() && !calls.contains(kern))
            calls.append(kern);
    }
    return calls.join(u';');
}

} // namespace tarvex
