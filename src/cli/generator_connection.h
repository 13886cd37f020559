#pragma once
#include <QCoreApplication>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "device/generator_holder.h"

namespace dds::cli {

// The tool may run without an application object; timers and the device layer need one.
std::unique_ptr<QCoreApplication> EnsureApplication();

// Follows plugging until the generator is held: the one at `device` when given, else the first.
// When none is, prints why on `err` ("ddsgen-cli COMMAND: ...") and returns false.
bool ConnectGenerator(GeneratorHolder& holder, const std::optional<std::string>& device,
                      const std::string& command, std::ostream& err);

} // namespace dds::cli
