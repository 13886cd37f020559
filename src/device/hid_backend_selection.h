#pragma once
#include "device/hid_backend.h"

#include <memory>

namespace dds {

// The backend that controllers created without one use. Until one is chosen, the system's hidapi.
std::shared_ptr<HidBackend> SelectedHidBackend();
void SelectHidBackend(std::shared_ptr<HidBackend> backend);

} // namespace dds
