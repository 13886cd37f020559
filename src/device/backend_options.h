#pragma once
#include <string>
#include <vector>

namespace dds {

// Chooses the process's HID backend from the program's options: "--virtual-generator" attaches
// the in-process generator (it appears shortly after start-up, like a plug), "--report-log FILE"
// appends every written output report to FILE. Without them the system's HID interfaces are used.
// std::runtime_error for an option without its file or a log that cannot be opened. Call it once
// the application object exists.
void SelectBackendFromOptions(const std::vector<std::string>& arguments);

} // namespace dds
