#include "LikePattern.h"

namespace tarvex {
namespace {

bool same(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

bool matchesOne(QChar p, QChar t)
{
    if (p == u'?')
        return true;
    if (p == u'#')
        return t.isDigit();
    return same(p, t);
}

} // namespace

bool likeMatches(QStringView pattern, QStringView text)
{
    // Greedy match with a single backtrack point: linear for patterns without
    // many stars, which is all an operator types.
    qsizetype p = 0, t = 0;
    qsizetype starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && matchesOne(pattern[p], text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace tarvex
