#include "scpi/instrument_commands.h"

#include <array>
#include <string>

#include "device/generator_commands.h"
#include "editor/waveform_import.h"
#include "scpi/command_call.h"
#include "scpi/instrument.h"
#include "scpi/response_format.h"
#include "scpi/scpi_error.h"
#include "synthesis/control_start.h"
#include "synthesis/frequency_plan.h"
#include "synthesis/frequency_search.h"

namespace dds::scpi {
namespace {

constexpr const char* kMaker = "ddsgen";
constexpr const char* kModel = "USB DDS function generator 04D8-0009";
constexpr const char* kVersion = "1.0.0";

constexpr UnitSuffix kHertz[] = {{"HZ", 1}, {"KHZ", 1e3}, {"MHZ", 1e6}, {"MAHZ", 1e6}};

// FUNCtion's choices: the twelve presets in kind order, then the loaded table.
constexpr Mnemonic kFunctions[] = {{"SINusoid"},  {"SQUare"}, {"TRIangle"},  {"NRAMp"}, {"PRAMp"},
                                   {"CAPacitor"}, {"CHARge"}, {"DISCharge"}, {"AM"},    {"DC"},
                                   {"FM"},        {"NOISe"},  {"ARBitrary"}};
constexpr std::size_t kArbitrary = 12;

constexpr Mnemonic kFilters[] = {{"OFF"}, {"F1"}, {"F2"}, {"F3"}, {"F4"}, {"F5"}, {"F6"}, {"F7"}};

// A shape control: its node under FUNCtion, its bounds and its field.
struct ShapeControl {
    const char* command;
    const char* query;
    int32_t minimum;
    int32_t maximum;
    int32_t ShapeControls::*field;
};
// clang-format off
constexpr ShapeControl kShapeControls[] = {
    {"[SOURce:]FUNCtion:AMPLitude",   "[SOURce:]FUNCtion:AMPLitude?",   kAmplitudeMinimum, kAmplitudeMaximum, &ShapeControls::amplitude},
    {"[SOURce:]FUNCtion:SHAPe",       "[SOURce:]FUNCtion:SHAPe?",       kShapeMinimum,     kShapeMaximum,     &ShapeControls::shape},
    {"[SOURce:]FUNCtion:VERTical",    "[SOURce:]FUNCtion:VERTical?",    kVerticalMinimum,  kVerticalMaximum,  &ShapeControls::vertical},
    {"[SOURce:]FUNCtion:COEFficient", "[SOURce:]FUNCtion:COEFficient?", kCoefficientMinimum, INT32_MAX,       &ShapeControls::coefficient},
};
// clang-format on

// An output control sent to the generator at once: its node, its bounds, the panel's operation.
struct OutputControl {
    const char* command;
    const char* query;
    int32_t minimum;
    int32_t maximum;
    void (FrontPanel::*set)(int32_t);
    int32_t PanelState::*field;
};
// clang-format off
constexpr OutputControl kOutputControls[] = {
    {"OUTPut:OFFSet",    "OUTPut:OFFSet?",    kOffsetMinimum,          kOffsetMaximum,          &FrontPanel::SetOffset,          &PanelState::offset},
    {"OUTPut:AMPLitude", "OUTPut:AMPLitude?", kOutputAmplitudeMinimum, kOutputAmplitudeMaximum, &FrontPanel::SetOutputAmplitude, &PanelState::outputAmplitude},
};
// clang-format on

void Respond(CommandCall& call, std::string text)
{
    call.ExpectParameters(0);
    call.Respond(std::move(text));
}

} // namespace

// The commands' work, with the instrument's private state at hand.
struct InstrumentBinding {
    Instrument& instrument;
    FrontPanel& panel() { return instrument.panel_; }

    void Identify(CommandCall& call)
    {
        Respond(call, std::string(kMaker) + "," + kModel + "," + instrument.SerialNumber() + "," + kVersion);
    }

    void Reset(CommandCall& call)
    {
        call.ExpectParameters(0);
        instrument.Change([&] {
            panel().ChooseSetting(kStartRange, kSliderMinimum);
            panel().ChoosePreset(kStartKind, PresetStartControls(kStartKind));
            if (panel().Connected()) {
                panel().SetOffset(kOffsetCentre);
                panel().SetOutputAmplitude(kOutputAmplitudeStart);
                panel().ChooseFilter(kFilterOff);
            }
        });
        instrument.forceUpload_ = panel().Connected();
    }

    void SetFrequency(CommandCall& call)
    {
        call.ExpectParameters(1);
        const FrequencySpan span = PlanSpan();
        const double hertz = call.Real(0, {span.lowest, span.highest}, kHertz);
        instrument.Change([&] { panel().ChooseFrequency(hertz); });
    }

    void SetSetting(CommandCall& call)
    {
        call.ExpectParameters(2);
        const int32_t range = call.Integer(0, kFirstRange, kLastRange);
        const int32_t position = call.Integer(1, kSliderMinimum, kSliderMaximum);
        instrument.Change([&] { panel().ChooseSetting(range, position); });
    }

    void SetFunction(CommandCall& call)
    {
        call.ExpectParameters(1);
        const std::size_t choice = call.Choice(0, kFunctions);
        if (choice != kArbitrary) {
            const auto kind = static_cast<WaveformKind>(choice + 1);
            instrument.Change([&] { panel().ChoosePreset(kind, panel().State().shape); });
        } else if (instrument.arbitrary_) {
            LoadArbitrary();
        } else if (panel().State().presetDown) {
            throw ScpiError(error::kSettingsConflict, "no arbitrary data was given");
        }
    }

    std::string Function()
    {
        const PanelState state = panel().State();
        const std::size_t choice = state.presetDown ? static_cast<std::size_t>(state.kind) - 1 : kArbitrary;
        return std::string(kFunctions[choice].ShortForm());
    }

    void SetShapeControl(CommandCall& call, const ShapeControl& control)
    {
        call.ExpectParameters(1);
        ShapeControls controls = panel().State().shape;
        controls.*control.field = call.Integer(0, control.minimum, control.maximum);
        instrument.Change([&] { panel().SetShapeControls(controls); });
    }

    void SetArbitraryData(CommandCall& call)
    {
        const std::string codes = call.Codes(0);
        if (codes.size() < kMinImportSamples)
            throw ScpiError(error::kDataOutOfRange, "at least 2 codes");
        WaveformTable table;
        if (codes.size() == static_cast<std::size_t>(WaveformTable::kLength)) {
            for (int32_t i = 0; i < WaveformTable::kLength; ++i)
                table[i + 1] = static_cast<unsigned char>(codes[static_cast<std::size_t>(i)]);
        } else { // one period of any length, resampled as an import of raw codes is
            ImportedSamples samples;
            for (const char code : codes)
                samples.add(static_cast<unsigned char>(code));
            table = ResampleToTable(samples, ImportScale::Raw).table;
        }
        instrument.arbitrary_ = table;
        if (!panel().State().presetDown)
            LoadArbitrary();
    }

    // The arbitrary table replaces the panel's as opening a file does. White noise would send the
    // noise command instead of the table, so the sine's button is pressed first, as an operator
    // leaving noise would.
    void LoadArbitrary()
    {
        instrument.Change([&] {
            if (panel().State().kind == WaveformKind::WhiteNoise)
                panel().ChoosePreset(WaveformKind::Sine, panel().State().shape);
            panel().LoadTable(*instrument.arbitrary_);
        });
    }

    void SetFilter(CommandCall& call)
    {
        call.ExpectParameters(1);
        const int filter = static_cast<int>(call.Choice(0, kFilters));
        instrument.Operate([&] { panel().ChooseFilter(filter); });
    }

    void SetOutput(CommandCall& call, const OutputControl& control)
    {
        call.ExpectParameters(1);
        const int32_t value = call.Integer(0, control.minimum, control.maximum);
        instrument.Operate([&] { (panel().*control.set)(value); });
    }
};

void AddInstrumentCommands(CommandTree& commands, Instrument& instrument)
{
    auto binding = std::make_shared<InstrumentBinding>(InstrumentBinding{instrument});
    const auto bind = [binding](void (InstrumentBinding::*member)(CommandCall&)) {
        return [binding, member](CommandCall& call) { ((*binding).*member)(call); };
    };
    const auto answer = [binding](std::function<std::string(InstrumentBinding&)> text) {
        return [binding, text](CommandCall& call) { Respond(call, text(*binding)); };
    };
    commands.Add("*IDN?", bind(&InstrumentBinding::Identify));
    commands.Add("*RST", bind(&InstrumentBinding::Reset));
    commands.Add("*TST?", answer([](InstrumentBinding& b) { return b.panel().Connected() ? "0" : "1"; }));
    commands.Add("[SOURce:]FREQuency[:CW]", bind(&InstrumentBinding::SetFrequency));
    commands.Add("[SOURce:]FREQuency[:CW]?",
                 answer([](InstrumentBinding& b) { return FormatReal(b.panel().State().nominalHertz); }));
    commands.Add("[SOURce:]FREQuency:PLAYed?",
                 answer([](InstrumentBinding& b) { return FormatReal(b.panel().State().playedHertz); }));
    commands.Add("[SOURce:]FREQuency:SETTing", bind(&InstrumentBinding::SetSetting));
    commands.Add("[SOURce:]FREQuency:SETTing?", answer([](InstrumentBinding& b) {
                     const PanelState state = b.panel().State();
                     return std::to_string(state.range) + "," + std::to_string(state.position);
                 }));
    commands.Add("[SOURce:]FUNCtion", bind(&InstrumentBinding::SetFunction));
    commands.Add("[SOURce:]FUNCtion?", answer([](InstrumentBinding& b) { return b.Function(); }));
    for (const ShapeControl& control : kShapeControls) {
        commands.Add(control.command,
                     [binding, &control](CommandCall& call) { binding->SetShapeControl(call, control); });
        commands.Add(control.query, answer([&control](InstrumentBinding& b) {
                         return std::to_string(b.panel().State().shape.*control.field);
                     }));
    }
    commands.Add("[SOURce:]DATA:ARBitrary", bind(&InstrumentBinding::SetArbitraryData));
    commands.Add("OUTPut:FILTer", bind(&InstrumentBinding::SetFilter));
    commands.Add("OUTPut:FILTer?", answer([](InstrumentBinding& b) {
                     return std::string(kFilters[static_cast<std::size_t>(b.panel().State().filter)].ShortForm());
                 }));
    for (const OutputControl& control : kOutputControls) {
        commands.Add(control.command, [binding, &control](CommandCall& call) { binding->SetOutput(call, control); });
        commands.Add(control.query, answer([&control](InstrumentBinding& b) {
                         return std::to_string(b.panel().State().*control.field);
                     }));
    }
}

} // namespace dds::scpi
