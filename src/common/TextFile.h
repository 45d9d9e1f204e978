#pragma once
#include <QFile>
#include <QString>
#include <QStringList>

namespace tarvex {

// The one writer of text files: Windows-1252, every line ended by CR LF.
// Errors surface as UserError with a German message naming the file.
class TextFileWriter {
public:
    enum class Mode { Truncate, Append };

    TextFileWriter(const QString& path, Mode mode);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void writeLine(QStringView line);
    // Flushes to the device; with durable, waits until the data is on disk.
    void close(bool durable = false);

private:
    QFile file_;
    bool closed_ = false;
};

// Appends one line and closes the file again (journal, keystroke log).
void appendTextLine(const QString& path, QStringView line, bool durable = false);
// Replaces the file with the given lines.
void writeTextFile(const QString& path, const QStringList& lines);
// Reads a Windows-1252 text file into lines (CR LF or LF); missing file: empty list.
QStringList readTextLines(const QString& path);

} // namespace tarvex
