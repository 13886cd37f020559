#include "editor/file_contents.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dds {

namespace {

// Writes all of `content`, failing with the system's reason. Unbuffered, so that a disk filling up
// shows at the write that meets it: a short write is followed by another, which then fails and
// says why.
void WriteAll(QFileDevice& file, const QByteArray& content)
{
    for (qint64 done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            throw FileContentsError(file.errorString().toStdString());
        done += written;
    }
}

} // namespace

void ReplaceFileContents(const QString& path, const QByteArray& content)
{
    const QFileInfo target(path);
    if (target.isDir())
        throw FileContentsError("Is a directory");
    // A device node or a FIFO cannot be replaced: it is written where it is.
    if (target.exists() && !target.isFile()) {
        QFile special(path);
        if (!special.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw FileContentsError(special.errorString().toStdString());
        WriteAll(special, content);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileContentsError(file.errorString().toStdString());
    WriteAll(file, content); // a failure leaves no commit: the old file stays
    if (!file.commit())
        throw FileContentsError(file.errorString().toStdString());
}

QByteArray ReadFileContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileContentsError(file.errorString().toStdString());
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileContentsError(file.errorString().toStdString());
    return content;
}

} // namespace dds
