#pragma once
#include <string>

namespace dds::cli {

// Writes what a command produced to the file --out names: a regular file is replaced safely (a
// temporary beside it, then renamed over it), a device node or a FIFO is written in place.
// OutputError naming the file and the reason when it cannot be written.
void WriteOutputFile(const std::string& path, const std::string& content);

} // namespace dds::cli
