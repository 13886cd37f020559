#pragma once
#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace dds {

// A file that could not be read or replaced; what() is the system's reason, in UTF-8.
class FileContentsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Puts `content` in place of the file at `path` (created when missing): the bytes go to a
// temporary created exclusively beside it, which then takes the file's name in one step. Readers
// see the old file or the new one, never a part; on any failure the old file stays as it was and
// no temporary is left. A special file (a device node, a FIFO) is written in place instead, never
// replaced; a folder is refused. Paths are Unicode on every system.
void ReplaceFileContents(const QString& path, const QByteArray& content);

// The whole content of the file at `path`; throws FileContentsError with the reason when it
// cannot be opened or read.
QByteArray ReadFileContents(const QString& path);

} // namespace dds
