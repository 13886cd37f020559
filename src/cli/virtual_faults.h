#pragma once
#include <string>
#include <vector>

#include "device/backend_options.h"

namespace dds::cli {

// The virtual generator's fault switches from --virtual-fault FAULTs: no-ack, late-ack:MS,
// unplug-after:K, flood. Each switch at most once; UsageError for anything else.
VirtualFaults ParseVirtualFaults(const std::vector<std::string>& faultTexts);

} // namespace dds::cli
