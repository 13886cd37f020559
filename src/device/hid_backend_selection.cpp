#include "device/hid_backend_selection.h"

#include "device/hidapi_backend.h"

namespace dds {

namespace {
std::shared_ptr<HidBackend>& Selected()
{
    static std::shared_ptr<HidBackend> backend;
    return backend;
}
} // namespace

std::shared_ptr<HidBackend> SelectedHidBackend()
{
    if (!Selected())
        Selected() = std::make_shared<HidapiBackend>();
    return Selected();
}

void SelectHidBackend(std::shared_ptr<HidBackend> backend) { Selected() = std::move(backend); }

} // namespace dds
