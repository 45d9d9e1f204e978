// libFuzzer entry for the WSJT-X datagram decoder: whatever a datagram holds,
// reading it must neither crash nor yield a contact the log could not take.
#include "digital/Digitalkontakt.h"
#include "digital/WsjtxNachricht.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t größe)
{
    using namespace tarvex;
    const QByteArray d = QByteArray::fromRawData(reinterpret_cast<const char*>(daten), qsizetype(größe));
    const std::optional<wsjtx::Nachricht> n = wsjtx::lesen(d);
    if (!n)
        return 0;
    if (const auto* k = std::get_if<wsjtx::Kontakt>(&*n)) {
        if (!k->zeitEnde.isValid() || k->zeitEnde.timeSpec() != Qt::UTC)
            __builtin_trap();
        const Digitalkontakt dk = Digitalkontakt::aus(*k);
        if (dk.locator.size() > 6 || dk.call.size() > 15 || dk.zeit.size() != 5)
            __builtin_trap();
    }
    return 0;
}
