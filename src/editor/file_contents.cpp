#include "editor/file_contents.h"

#include <QFile>
#include <QSaveFile>

namespace dds {

void ReplaceFileContents(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // Unbuffered, so that a disk filling up shows at the write that meets it, with the system's
    // reason: a short write is followed by another, which then fails and says why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileContentsError(file.errorString().toStdString());
    for (qint64 done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            throw FileContentsError(file.errorString().toStdString()); // no commit: the old file stays
        done += written;
    }
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
