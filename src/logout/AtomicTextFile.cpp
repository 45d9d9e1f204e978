#include "AtomicTextFile.h"

#include "common/UserError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvex {

using namespace Qt::StringLiterals;

AtomicTextFile::AtomicTextFile(const QString& path)
    : path_(path)
{
    const QFileInfo info(path);
    temp_ = info.dir().filePath(u'.' + info.fileName() + u'.'
                                + QString::number(QCoreApplication::applicationPid()) + u".tmp"_s);
    writer_ = std::make_unique<TextFileWriter>(temp_, TextFileWriter::Mode::Truncate);
}

AtomicTextFile::~AtomicTextFile()
{
    writer_.reset();
    if (!committed_)
        QFile::remove(temp_);
}

void AtomicTextFile::writeLine(QStringView line)
{
    writer_->writeLine(line);
}

void AtomicTextFile::commit()
{
    writer_->close(true);
    // rename(2) replaces the target in one step: readers see the old or the new file.
    if (std::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(path_).constData()) != 0) {
        const QString grund = QString::fromLocal8Bit(std::strerror(errno));
        throw UserError(u"Die Datei %1 kann nicht geschrieben werden (%2)."_s.arg(
            QDir::toNativeSeparators(path_), grund));
    }
    committed_ = true;
}

} // namespace tarvex
