#include "shell/window_services.h"

#include "shell/settings_file.h"

namespace dds {

WindowServices DesktopServices(std::shared_ptr<HidBackend> backend)
{
    WindowServices services;
    services.hidBackend = std::move(backend);
    services.programFolder = ProgramFolder();
    services.userSettingsFolder = UserSettingsFolder();
    services.errorSink = &ShowErrorBox;
    services.urlOpener = DesktopUrlOpener();
    return services;
}

} // namespace dds
