#pragma once
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "device/hid_backend.h"
#include "device/transfer_acknowledgement.h"
#include "shell/error_reporter.h"
#include "shell/status_clock.h"
#include "shell/wave_file_dialogs.h"
#include "shell/web_addresses.h"

namespace dds {

// What the main window takes from the world around it. `main` gives the real ones (see
// DesktopServices); tests give their own bus, folders, clock, dialogs and recorders.
struct WindowServices {
    std::shared_ptr<HidBackend> hidBackend; // where the generator is looked for
    QString programFolder;                  // parametres.inf, "Sample.bmp", the user guide; ends in a separator
    QString userSettingsFolder;             // takes both files when the program folder cannot be written
    ErrorSink errorSink;                    // where every handler's error message goes
    UrlOpener urlOpener;                    // asks the desktop to open an address
    ClockSource clock = SystemClock();      // the status bar's date and time
    // What the quit button and the generator's removal call to end the program; the application's
    // quit when empty.
    std::function<void()> terminateApplication;
    // How long each block of a transfer waits for the generator's acknowledgement.
    std::chrono::milliseconds acknowledgementPeriod = AcknowledgementWait::kProductPeriod;
    // Where "Sample.bmp" goes; when empty, beside the program or in the per-user folder.
    QString scratchFolder;
    // The file dialogs and the overwrite question; the desktop's when none is given.
    std::shared_ptr<WaveFileDialogs> waveFileDialogs;
};

// The desktop's error box and address opener, the executable's folder, this user's settings
// folder, and `backend`; the rest as the defaults above.
WindowServices DesktopServices(std::shared_ptr<HidBackend> backend);

} // namespace dds
