#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "panel/transfer_outcome.h"
#include "synthesis/control_start.h"
#include "synthesis/frequency_search.h"
#include "synthesis/waveform_kind.h"
#include "synthesis/waveform_table.h"

namespace dds {

// The operations an operator performs on the generator, with the main window's meaning, and the
// state they leave. Two front ends implement them: the window, by operating its own controls as a
// person would, and the headless panel of ddsgen-cli. Everything runs on the UI thread and is
// synchronous: an operation returns when every handler it caused has run and every report it
// caused has been written. A transfer lets events run while it waits for acknowledgements.
//
// Errors are exceptions whose what() is a one-line English message; an operation that throws has
// changed nothing, except a transfer whose outcome says how far it came:
// - std::invalid_argument: a value outside its range (the message names it and the range);
// - PanelLocked: the panel takes no operation now (a transfer runs; in the window also while the
//   start-up picture locks the controls or draw mode is on);
// - NoGenerator: the offset, the output amplitude, the filter and the transfer belong to the
//   connected generator (the window shows them only then);
// - std::runtime_error: anything else, e.g. the transfer's picture could not be written; nothing
//   was sent.

class PanelLocked : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class NoGenerator : public std::runtime_error {
public:
    NoGenerator() : std::runtime_error("no generator is connected") {}
};

// The controls a preset's computation reads.
struct ShapeControls {
    int32_t amplitude = kStartAmplitude;     // amplitude knob, 0..100 percent
    int32_t shape = kStartShape;             // shape knob, 1..99: duty cycle, slope or RC constant
    int32_t vertical = kStartVertical;       // vertical position slider, -256..256
    int32_t coefficient = kStartCoefficient; // modulation coefficient, 1 or more
    bool operator==(const ShapeControls&) const = default;
};

// The controls as a preset's button leaves them when the others are at their start values:
// amplitude 100, shape 50, vertical 0, and the coefficient the button sets (15, or 10 for
// frequency modulation).
ShapeControls PresetStartControls(WaveformKind kind);

// How ChooseFrequency picks among the settings: the nominal frequency (what the display shows),
// or the frequency the generator really plays, range clock / sample count.
enum class FrequencyRule { Nominal, Played };

// The frequency setting ChooseFrequency chose.
struct FrequencyChoiceResult {
    int32_t range = 0;
    int32_t position = 0;
    double wantedHertz = 0;
    double chosenHertz = 0;   // nominal or played, by the rule
    double relativeError = 0; // (chosenHertz - wantedHertz) / wantedHertz
};

// Everything the front panel shows.
struct PanelState {
    // Frequency.
    int32_t range = 0;       // 1..7 (buttons "1" .. "1M")
    int32_t position = 0;    // frequency slider, 0..90
    std::string displayText; // as the display shows it, "1500 Hz"
    double nominalHertz = 0; // the displayed frequency in hertz
    double playedHertz = 0;  // what the generator plays: range clock / sample count
    int32_t sampleCount = 0; // N, samples per period, 32..3200
    // Waveform.
    WaveformKind kind = kStartKind; // sent with the transfer; a loaded or drawn table keeps it
    bool presetDown = true;         // false once a table was loaded (or drawn) until the next preset
    ShapeControls shape;
    WaveformTable table; // entries 1..3200 as the transfer draws them
    // Output.
    int32_t offset = 127;         // offset slider, 0..255; the generator gets 255 - offset
    int32_t outputAmplitude = 99; // amplitude slider, 0..99
    int filter = 0;               // 0 filter off, 1..7 the range's filter
    // Generator.
    bool connected = false;
    std::string generatorPath; // the connected generator's device path, empty when none
    bool accepting = true;     // false while operations are refused with PanelLocked
    std::optional<TransferOutcome> lastTransfer;
    bool operator==(const PanelState&) const = default;
};

// Callbacks for an event-driven caller; any may be left empty. They run on the UI thread, after
// the change, and must not call the panel's operations from inside (read State() freely).
struct PanelEvents {
    std::function<void()> stateChanged; // something State() reads may have changed
    std::function<void(bool connected)> connectionChanged;
    std::function<void()> transferStarted; // accepting is false from here
    std::function<void(const TransferOutcome&)> transferEnded;
};

class FrontPanel {
public:
    virtual ~FrontPanel() = default;

    // Frequency range button `range` (1..7), then the frequency slider to `position` (0..90).
    virtual void ChooseSetting(int32_t range, int32_t position) = 0;
    // The setting nearest to `hertz` by `rule` (of two equally near, the one with more samples per
    // period), chosen as ChooseSetting does. std::invalid_argument outside 0.1 .. 1 000 000 Hz.
    FrequencyChoiceResult ChooseFrequency(double hertz, FrequencyRule rule = FrequencyRule::Nominal);

    // The preset's button (white noise included), then the shape controls to `controls`; the table
    // is computed from them. White noise ignores them.
    virtual void ChoosePreset(WaveformKind kind, const ShapeControls& controls) = 0;
    // The shape controls alone: the table is computed again for the current kind (a loaded table
    // is replaced by that computation, as moving a knob does).
    virtual void SetShapeControls(const ShapeControls& controls) = 0;
    // The table replaces the current one as opening a file does: no preset button stays down and
    // the kind stays as it was. Entries are taken as they are (0..255 are the output codes; a value
    // outside leaves no trace in the transfer's picture). The table's bounds must be 1 and 3200.
    virtual void LoadTable(const WaveformTable& table) = 0;

    // The offset slider to `position` (0..255): the generator gets 255 - position when it changes.
    virtual void SetOffset(int32_t position) = 0;
    // The output amplitude slider moved to `position` (0..99) and released: the generator gets the
    // step from the position it last heard of (a count of 0 when unchanged).
    virtual void SetOutputAmplitude(int32_t position) = 0;
    // Filter radio `filter`: 0 "Filtre inactif", 1..7 "F1".."F7"; sent only when it changes.
    virtual void ChooseFilter(int filter) = 0;

    // The transfer button: the range, N and the waveform go to the generator in acknowledged blocks
    // (white noise: the noise command), then the closing reports and the filter the waveform calls
    // for. Returns when it has ended; the outcome is also State().lastTransfer and transferEnded's.
    virtual TransferOutcome Transfer() = 0;

    virtual PanelState State() const = 0;
    virtual bool Connected() const = 0;
    // State().generatorPath and State().accepting without copying the rest of the state (the table
    // above all): a remote client asks for them with every message.
    virtual std::string GeneratorPath() const = 0;
    virtual bool Accepting() const = 0;

    // Replaces the callbacks given before.
    void SetEvents(PanelEvents events) { events_ = std::move(events); }

protected:
    void NotifyStateChanged() const;
    void NotifyConnectionChanged(bool connected) const;
    void NotifyTransferStarted() const;
    void NotifyTransferEnded(const TransferOutcome& outcome) const;

private:
    PanelEvents events_;
};

} // namespace dds
