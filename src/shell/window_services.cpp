#include "shell/window_services.h"

#include "shell/settings_file.h"

namespace dds {

WindowServices DesktopServices(std::shared_ptr<HidBackend> backend)
{
    return {std::move(backend), ProgramFolder(), UserSettingsFolder(), &ShowErrorBox, DesktopUrlOpener()};
}

} // namespace dds
