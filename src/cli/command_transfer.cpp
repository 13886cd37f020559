#include <QElapsedTimer>
#include <chrono>
#include <ostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/frequency_options.h"
#include "cli/generator_options.h"
#include "cli/generator_session.h"
#include "cli/option_parser.h"
#include "cli/progress_line.h"
#include "cli/transfer_report.h"
#include "cli/waveform_choice.h"
#include "device/generator_commands.h"
#include "panel/headless_panel.h"

namespace dds::cli {
namespace {

constexpr int64_t kLongestAcknowledgementWait = 60'000;

// A generator lost before the transfer began (it refused the offset) was sent none of it: the
// outcome the transfer engine gives a transfer stopped before its header.
TransferOutcome NothingSent(const PanelState& state)
{
    TransferSummary summary;
    summary.layout = LayoutFor(state.sampleCount);
    summary.stopped = true;
    summary.generatorLost = true;
    return OutcomeOf({state.range, state.kind, std::vector<uint8_t>(static_cast<std::size_t>(state.sampleCount))},
                     summary);
}

int RunTransfer(CommandContext& c)
{
    OptionParser options(c.args,
                         WithGeneratorOptions(WithFrequencyOptions({"kind", "amplitude", "shape", "vertical",
                                                                    "coefficient", "file", "offset", "ack-timeout"})),
                         WithFrequencyFlags({"virtual", "json"}));
    const FrequencyChoice choice = ParseFrequencyOptions(options);
    const auto offset = options.integer("offset", kOffsetMinimum, kOffsetMaximum);
    const auto wait = std::chrono::milliseconds(options.integer("ack-timeout", 1, kLongestAcknowledgementWait)
                                                    .value_or(AcknowledgementWait::kProductPeriod.count()));
    const ChosenWaveform waveform = WaveformFromOptions(options);
    const GeneratorOptions where = ParseGeneratorOptions(options);
    const bool json = options.has("json");

    ProgressLine progress(c.err, c.errorIsTerminal, choice.setting.plan.sampleCount);
    HeadlessPanelOptions panelOptions;
    panelOptions.acknowledgementWait = wait;
    panelOptions.progress = &progress;
    GeneratorSession session(where, c, "transfer", panelOptions);
    HeadlessPanel& panel = session.Panel();
    ChooseOnPanel(panel, choice);
    ChooseOnPanel(panel, waveform);
    if (const int status = session.Connect(); status != kExitDone)
        return status;
    const std::string device = session.DevicePath();
    if (choice.searched && !json)
        c.out << ChoiceText(choice) << "\n";
    if (offset)
        panel.SetOffset(static_cast<int32_t>(*offset));

    QElapsedTimer elapsed;
    elapsed.start();
    const TransferOutcome outcome = session.Lost() ? NothingSent(panel.State()) : panel.Transfer();
    progress.Clear();
    const qint64 milliseconds = elapsed.elapsed();
    const bool closed = session.Close();
    const bool lost = session.Lost();
    if (lost)
        session.Say("the generator vanished during the transfer; nothing was written after that");
    else if (outcome.stopped)
        session.Say("interrupted; the transfer stopped at a report's end and the generator was closed");
    const int done = outcome.timedOut > 0 ? kExitNotAcknowledged : kExitDone;
    const TransferReport report{.choice = choice,
                                .outcome = outcome,
                                .milliseconds = milliseconds,
                                .device = device,
                                .interrupted = outcome.stopped && !lost,
                                .lost = lost,
                                .closed = closed,
                                .exitStatus = session.Status(done)};
    c.out << (json ? report.Json().dump() : report.Text()) << "\n";
    return report.exitStatus;
}

} // namespace

CliCommand TransferCommand()
{
    return {"transfer", "send a range and a waveform to the generator, as the transfer button does",
            "Usage: ddsgen-cli transfer (--range R --position V | --frequency HZ [--played])\n"
            "           (--kind K [--amplitude A] [--shape D] [--vertical O] [--coefficient M]\n"
            "            | --file F) [--offset P] [--ack-timeout MS] [--device PATH]\n"
            "           [--virtual [--virtual-fault FAULT]...] [--report-log FILE] [--json]\n"
            "Opens the generator, sends connect, the offset when given, the whole transfer with its\n"
            "acknowledgement waits, the filter the waveform calls for, and closing. A block that is\n"
            "not acknowledged in time is not sent again; the transfer goes on. Standard output gets\n"
            "the summary alone: the setting with the frequency played (range clock / samples), each\n"
            "block's outcome, and what was never sent when the transfer stopped early. On a terminal,\n"
            "standard error shows the progress meanwhile. SIGINT or SIGTERM stop the transfer at the\n"
            "next report; the generator then gets closing, as from the quit button.\n"
            "  --range R         frequency range 1..7\n"
            "  --position V      frequency slider position 0..90\n"
            "  --frequency HZ    the setting nearest to HZ (0.1 to 1000000), printed first\n"
            "  --played          with --frequency: the setting whose played frequency is nearest\n"
            "  --kind K          preset waveform 1..12 (see 'synth --help'); with --file the kind\n"
            "                    sent is 1, the program's start value\n"
            "  --amplitude A, --shape D, --vertical O, --coefficient M   as for 'synth'\n"
            "  --file F          a waveform file (.xls) instead of a preset, or a CSV, TXT or WAV\n"
            "                    file imported as 'import --scale auto' does\n"
            "  --offset P        offset slider position 0..255, sent after connect\n"
            "  --ack-timeout MS  how long each block waits for its acknowledgement, 1..60000\n"
            "                    (default 5000)\n"
            "  --device PATH     the generator at PATH, as 'list' prints it (default: the first)\n"
            "  --virtual         use the in-process virtual generator\n"
            "  --virtual-fault FAULT   a fault of the virtual generator, may be repeated: no-ack,\n"
            "                    late-ack:MS, unplug-after:K (after K reports), flood (unrelated input)\n"
            "  --report-log FILE append every written report to FILE as a line of hex\n"
            "  --json            one JSON object with the summary's figures instead of the text\n"
            "Exit status: 0 every block acknowledged; 1 no generator, PATH is not one, or the\n"
            "summary or report log could not be written; 2 bad options or a --file that cannot be\n"
            "read; 3 some blocks were not acknowledged in time (the summary names them);\n"
            "4 the generator vanished or refused a report, and nothing was written after that\n"
            "(the summary names what was never sent); 130 SIGINT, 143 SIGTERM.\n",
            RunTransfer};
}

} // namespace dds::cli
