#include "TextFile.h"
#include "SystemFehler.h"

#include "Cp1252.h"
#include "UserError.h"

#include <QDir>
#include <unistd.h>

namespace tarvex {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void fail(const QFile& file, const QString& what)
{
    const int errnum = errno;
    throw UserError(what.arg(shown(file.fileName()), dateiFehler(file, errnum)));
}

} // namespace

TextFileWriter::TextFileWriter(const QString& path, Mode mode)
    : file_(path)
{
    const QIODevice::OpenMode flags = mode == Mode::Append ? QIODevice::WriteOnly | QIODevice::Append
                                                           : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file_.open(flags))
        fail(file_, QStringLiteral("Die Datei %1 kann nicht geschrieben werden (%2)."));
}

TextFileWriter::~TextFileWriter()
{
    if (!closed_)
        file_.close();
}

void TextFileWriter::writeLine(QStringView line)
{
    QByteArray bytes = toCp1252(line);
    bytes.append("\r\n", 2);
    if (file_.write(bytes) != bytes.size())
        fail(file_, QStringLiteral("In die Datei %1 kann nicht geschrieben werden (%2)."));
}

void TextFileWriter::close(bool durable)
{
    if (!file_.flush())
        fail(file_, QStringLiteral("In die Datei %1 kann nicht geschrieben werden (%2)."));
    if (durable && ::fsync(file_.handle()) != 0)
        fail(file_, QStringLiteral("Die Datei %1 kann nicht gesichert werden (%2)."));
    file_.close();
    closed_ = true;
}

void appendTextLine(const QString& path, QStringView line, bool durable)
{
    TextFileWriter writer(path, TextFileWriter::Mode::Append);
    writer.writeLine(line);
    writer.close(durable);
}

void writeTextFile(const QString& path, const QStringList& lines)
{
    TextFileWriter writer(path, TextFileWriter::Mode::Truncate);
    for (const QString& line : lines)
        writer.writeLine(line);
    writer.close();
}

QStringList readTextLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        fail(file, QStringLiteral("Die Datei %1 kann nicht gelesen werden (%2)."));
    QStringList lines;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        lines.append(fromCp1252(line));
    }
    return lines;
}

} // namespace tarvex
