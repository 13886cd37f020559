#include "cli/output_file.h"

#include <QByteArray>
#include <QString>

#include "cli/cli_command.h"
#include "editor/file_contents.h"

namespace dds::cli {

void WriteOutputFile(const std::string& path, const std::string& content)
{
    try {
        ReplaceFileContents(QString::fromStdString(path),
                            QByteArray(content.data(), static_cast<qsizetype>(content.size())));
    } catch (const FileContentsError& e) {
        throw OutputError("cannot write " + path + ": " + e.what());
    }
}

} // namespace dds::cli
