#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <initializer_list>
#include <sys/types.h>

namespace tarvex {

// A text file (CP1252, CR LF) that replaces its target only as a whole: the
// lines go to a hidden file beside it, which is synced and renamed over the
// target. Destroyed without being replaced, it removes the hidden file and
// leaves the target as it was. Errors are UserError with a German message
// naming the target, never the hidden file.
class AtomicTextFile {
public:
    // Also removes what exports killed half way left beside the target.
    explicit AtomicTextFile(const QString& path);
    ~AtomicTextFile();
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    void writeLine(QStringView line);
    // Bytes as they are, for content already in its own encoding (a mail message).
    void writeRaw(QByteArrayView bytes);
    // This file alone: written, synced, renamed.
    void commit();
    // Every file written and synced before the first target is replaced; when
    // a replacement fails, the targets replaced before get their old files back.
    static void gemeinsamErsetzen(std::initializer_list<AtomicTextFile*> dateien);

    // The system calls the files use; tests replace them to fail at one step.
    // An empty member keeps the real call.
    struct Systemaufrufe {
        std::function<ssize_t(int, const void*, size_t)> write;
        std::function<int(int)> fsync;
        std::function<int(const char*, const char*)> rename;
    };
    static void setSystemaufrufe(Systemaufrufe aufrufe);

private:
    void schreibePuffer();
    void sichern();
    [[noreturn]] void fehler(int errnum) const;

    QString path_;
    QString temp_;
    int fd_ = -1;
    QByteArray puffer_;
    bool ersetzt_ = false;
};

} // namespace tarvex
