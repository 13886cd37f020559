#pragma once
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/brush.h"
#include "editor/edit_history.h"
#include "panel/transfer_outcome.h"
#include "shell/settings_file.h"
#include "shell/status_clock.h"
#include "synthesis/frequency_plan.h"
#include "synthesis/noise_generator.h"
#include "synthesis/waveform_table.h"

namespace dds {

// Everything the main window holds for the whole run, in one place: the settings lines, the
// connection, the language, the frequency, the waveform and its computation, the timers' counters,
// the clock, the work bitmaps, the drawing and the transfer's bytes; then what the additions keep.
// The open generator, the output report and the acknowledgement counter are the generator holder's.
struct WindowState {
    WindowState(const QString& programFolder, const QString& userSettingsFolder)
        : settings(programFolder, userSettingsFolder)
    {
    }

    SettingsFile settings;              // the 80 lines of parametres.inf
    int32_t connectedFlag = 0;          // 1 while the generator is attached
    int32_t languageCode = 0;           // 0 English, 1 French, 2 German
    int32_t rangeNumber = 0;            // 1..7; 0 until the first range selection
    FrequencyPlan frequencyPlan;        // frequency, range clock, sample count of the last computation
    int32_t waveformKind = 0;           // 1..12
    WaveformTable waveformTable;        // one period, indexed 1..3200
    int32_t phaseNumerator = 0;         // P of the sine family, set by every ResetWaveform
    int32_t phaseDenominator = 0;       // Q of the sine family, set by every ResetWaveform
    NoiseGenerator noiseGenerator;      // the white-noise draws
    int32_t pictureTickCounter = 0;     // Timer2 ticks since start-up
    ClockFields clockFields;            // the last reading of the status-bar clock
    int32_t lastSentAmplitude = 0;      // amplitude slider position the generator last heard of
    std::optional<QImage> workBitmap1;  // created at start-up
    std::optional<QImage> workBitmap2;  // created by each waveform transfer
    int32_t drawingFlag = 0;            // mouse-drawing state
    std::vector<uint8_t> transferBytes; // the bytes computed for a transfer

    // Additions.
    EditHistory editHistory;                     // undo and redo of the table with its kind
    std::optional<Stamp> lastStamp;              // the stroke's previous stamp, or the press, for Shift's line
    bool playedOverlayShown = false;             // the played bytes drawn over the plot
    QString importStatus;                        // the status line of the last import
    std::optional<WaveformTable> importedTable;  // the table it speaks of, until the table changes
    std::optional<TransferOutcome> lastTransfer; // what the last transfer did
};

} // namespace dds
