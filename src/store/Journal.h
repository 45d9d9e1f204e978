#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/types.h>

namespace tarvex {

// The text journal beside a contest file: one CP1252 line with CR LF per saved
// contact. A failed append leaves the file as it was; a new file's directory
// entry is made durable at once. The lines themselves are kept durably by the
// contest file, which writes them again if a power cut lost them.
class Journal {
public:
    // The system calls an append uses; tests pass ones that fail half way.
    struct Systemaufrufe {
        std::function<ssize_t(int, const void*, size_t)> write;
        std::function<int(int)> fsync;
    };
    static Systemaufrufe echteSystemaufrufe();

    explicit Journal(QString pfad, Systemaufrufe aufrufe = echteSystemaufrufe());

    const QString& pfad() const { return pfad_; }
    // Bytes in the file; 0 when it does not exist.
    qint64 größe() const;
    // Appends one line, with sichern also waits until it is on disk; returns the
    // size the file had before. UserError on any failure, after cutting the
    // file back to that size.
    qint64 anhängen(QStringView zeile, bool sichern = false);
    // Waits until everything written is on disk.
    void sichern();
    // Bytes a line takes in the file, line end included.
    static qint64 länge(QStringView zeile);
    // Cuts the file back to the given size, durably.
    void kürzen(qint64 größe);
    // The bytes from the given offset to the end.
    QByteArray endeAb(qint64 offset) const;

private:
    [[noreturn]] void fehler(const QString& was, int errnum) const;

    QString pfad_;
    Systemaufrufe sys_;
};

} // namespace tarvex
