#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvex {

// Collects what a Hamlib daemon sends and hands out whole lines: TCP may split a
// reply anywhere, and a line is only meaningful once its newline has arrived.
class Zeilenpuffer {
public:
    void anhängen(const QByteArray& daten);
    // The next complete line without its line end ("\n" or "\r\n"), or nothing yet.
    std::optional<QString> nächsteZeile();
    // A connection that closed mid-line leaves a rest that is no reply.
    bool hatRest() const { return !puffer_.isEmpty(); }
    void leeren() { puffer_.clear(); }

    // The error code of a "RPRT n" line (0 is success), or nothing for a value line.
    static std::optional<int> rprt(const QString& zeile);

private:
    QByteArray puffer_;
};

} // namespace tarvex
