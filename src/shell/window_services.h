#pragma once
#include <QString>
#include <memory>

#include "device/hid_backend.h"
#include "shell/error_reporter.h"
#include "shell/web_addresses.h"

namespace dds {

// What the main window takes from the world around it. `main` gives the real ones (see
// DesktopServices); tests give their own bus, folder, error recorder and address recorder.
struct WindowServices {
    std::shared_ptr<HidBackend> hidBackend; // where the generator is looked for
    QString programFolder;                  // parametres.inf, "Sample.bmp", the user guide; ends in a separator
    QString userSettingsFolder;             // takes both files when the program folder cannot be written
    ErrorSink errorSink;                    // where every handler's error message goes
    UrlOpener urlOpener;                    // asks the desktop to open an address
};

// The desktop's error box and address opener, the executable's folder, this user's settings
// folder, and `backend`.
WindowServices DesktopServices(std::shared_ptr<HidBackend> backend);

} // namespace dds
