// libFuzzer entry for what the chat and the clusters send: whatever arrives,
// assembling lines and reading them must neither crash nor yield a call, a
// locator or a frequency the log could not take.
#include "chat/KstZeile.h"
#include "chat/Spot.h"
#include "chat/TelnetZeilen.h"
#include "chat/Textmuster.h"

#include <cstddef>
#include <cstdint>

namespace {

void prüfen(const QString& zeile)
{
    using namespace tarvex;
    if (zeile.size() > TelnetZeilen::kLängste)
        __builtin_trap();
    kst::aufforderung(zeile);
    if (const auto n = kst::nachricht(zeile)) {
        if (!istRufzeichen(n->call) || n->zeit.size() != 4 || (!n->an.isEmpty() && !istRufzeichen(n->an)))
            __builtin_trap();
        kst::erwähnt(*n, QStringLiteral("DL1ABC"));
    }
    if (const auto u = kst::nutzer(zeile)) {
        if (!istRufzeichen(u->call) || (!u->locator.isEmpty() && !istLocator6(u->locator)))
            __builtin_trap();
    }
    if (const auto s = spotLesen(zeile)) {
        if (!istRufzeichen(s->dxCall) || s->hertz <= 0 || s->zeit.size() != 4)
            __builtin_trap();
        if (!s->locator.isEmpty() && !istLocator6(s->locator))
            __builtin_trap();
    }
    const QString l = locatorIn(zeile);
    if (!l.isEmpty() && !istLocator6(l))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t größe)
{
    using namespace tarvex;
    // The first byte splits the input in two deliveries, as TCP may.
    const qsizetype n = qsizetype(größe);
    const qsizetype schnitt = n > 0 ? daten[0] % (n + 1) : 0;
    const char* d = reinterpret_cast<const char*>(daten);
    TelnetZeilen t;
    t.anhängen(QByteArray::fromRawData(d, schnitt));
    t.anhängen(QByteArray::fromRawData(d + schnitt, n - schnitt));
    while (const auto z = t.nächsteZeile())
        prüfen(*z);
    prüfen(t.rest());
    t.antworten();
    return 0;
}
