#include "Zeichen.h"

namespace tarvex {

QString Zeichen(QStringView text)
{
    QString pattern;
    pattern.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            pattern.append(u'#');
        else if (c >= u'A' && c <= u'Z')
            pattern.append(u'Z');
        else
            pattern.append(c);
    }
    return pattern;
}

} // namespace tarvex
