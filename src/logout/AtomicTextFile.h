#pragma once
#include "common/TextFile.h"

#include <QString>
#include <memory>

namespace tarvex {

// A text file that replaces its target only as a whole: the lines go to a
// hidden file beside it, which commit() syncs and renames over the target.
// Destroyed without commit(), it removes the hidden file and leaves the target
// as it was. Errors are UserError with a German message naming the target.
class AtomicTextFile {
public:
    explicit AtomicTextFile(const QString& path);
    ~AtomicTextFile();
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    void writeLine(QStringView line);
    void commit();

private:
    QString path_;
    QString temp_;
    std::unique_ptr<TextFileWriter> writer_;
    bool committed_ = false;
};

} // namespace tarvex
