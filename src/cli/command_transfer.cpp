#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/frequency_options.h"
#include "cli/generator_connection.h"
#include "cli/generator_options.h"
#include "cli/option_parser.h"
#include "cli/waveform_choice.h"
#include "device/backend_options.h"
#include "device/generator_commands.h"
#include "device/generator_holder.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/transfer_bytes.h"
#include "synthesis/frequency_plan.h"

namespace dds::cli {
namespace {

constexpr int64_t kLongestAcknowledgementWait = 60'000;

class PrintedProgress : public TransferProgress {
public:
    PrintedProgress(std::ostream& out, GeneratorHolder& holder) : out_(out), holder_(holder) {}
    void blockSending(int block) override { out_ << "block " << block << "/" << blocks_ << "\n"; }
    void blocksStarting(int blocks) override { blocks_ = blocks; }
    // The tool cannot know the generator's filter, so it always sends the choice.
    void selectFilter(int filter) override { holder_.Send(FilterCommand(filter)); }

private:
    std::ostream& out_;
    GeneratorHolder& holder_;
    int blocks_ = 0;
};

// What became of the transfer, as the summary line, the JSON object and the exit status say it.
struct TransferReport {
    const FrequencyChoice& choice;
    const TransferSummary& summary;
    size_t samples;
    qint64 milliseconds;
    std::string device;

    std::vector<int> NotAcknowledged() const
    {
        std::vector<int> numbers;
        for (size_t i = 0; i < summary.blocks.size(); ++i)
            if (summary.blocks[i] == BlockOutcome::TimedOut)
                numbers.push_back(static_cast<int>(i) + 1);
        return numbers;
    }
    int AcknowledgedReports() const { return summary.layout.blocks + (summary.layout.tail > 0 ? 1 : 0); }
    bool Vanished() const { return summary.stopped || summary.generatorVanished; }
    int Status() const
    {
        if (Vanished())
            return kExitVanished;
        return summary.timedOut > 0 ? kExitNotAcknowledged : kExitDone;
    }
    std::string Outcome() const
    {
        if (Vanished())
            return "vanished";
        return summary.timedOut > 0 ? "not acknowledged" : "acknowledged";
    }

    std::string Text() const
    {
        const FrequencyPlan& plan = choice.setting.plan;
        std::ostringstream line;
        line << "range " << plan.range << ", " << plan.displayText() << ", " << samples << " samples, "
             << summary.layout.blocks << " blocks, tail " << summary.layout.tail << ", " << milliseconds
             << " ms, " << summary.acknowledged << " acknowledged, " << summary.timedOut << " timed out";
        if (summary.timedOut > 0)
            line << " (" << NotAcknowledgedText(NotAcknowledged(), AcknowledgedReports()) << ")";
        return line.str();
    }

    nlohmann::json Json() const
    {
        nlohmann::json json = ChoiceJson(choice);
        json["device"] = device;
        json["samples"] = samples;
        json["blocks"] = summary.layout.blocks;
        json["tail"] = summary.layout.tail;
        json["milliseconds"] = milliseconds;
        json["acknowledged"] = summary.acknowledged;
        json["timedOut"] = summary.timedOut;
        json["notAcknowledged"] = NotAcknowledged();
        json["outcome"] = Outcome();
        json["exitStatus"] = Status();
        return json;
    }
};

int RunTransfer(CommandContext& c)
{
    OptionParser options(c.args,
                         WithGeneratorOptions(WithFrequencyOptions(
                             {"kind", "amplitude", "shape", "vertical", "coefficient", "file", "offset", "ack-timeout"})),
                         {"virtual", "json"});
    const FrequencyChoice choice = ParseFrequencyOptions(options);
    const FrequencyPlan& plan = choice.setting.plan;
    const auto offset = options.integer("offset", kOffsetMinimum, kOffsetMaximum);
    const TransferOptions transferOptions{
        std::chrono::milliseconds(options.integer("ack-timeout", 1, kLongestAcknowledgementWait)
                                      .value_or(AcknowledgementWait::kProductPeriod.count())),
        {}};
    const ChosenWaveform waveform = WaveformFromOptions(options);
    const GeneratorOptions where = ParseGeneratorOptions(options);
    const bool json = options.has("json");

    const auto application = EnsureApplication();
    QTemporaryDir scratch;
    const ByteImage image = MakeByteImage(waveform.table, plan.sampleCount, scratch.path(), [] {
        QCoreApplication::processEvents();
    });

    GeneratorHolder holder(MakeBackend(where.backend, c.systemBackend));
    if (!ConnectGenerator(holder, where.device, "transfer", c.err))
        return kExitFailure;
    const std::string device = holder.Generator()->PnPInfo().DevicePath();
    if (choice.searched && !json)
        c.out << ChoiceText(choice) << "\n";
    holder.Send(gcHostConnected);
    if (offset)
        holder.Send(gcOffset, {OffsetByte(static_cast<int>(*offset))});

    std::ostringstream unprinted; // JSON output is the one object, without the progress lines
    PrintedProgress progress(json ? unprinted : c.out, holder);
    QElapsedTimer elapsed;
    elapsed.start();
    const TransferSummary summary =
        holder.Transfer({plan.range, waveform.kind, image.samples}, progress, transferOptions);
    const TransferReport report{choice, summary, image.samples.size(), elapsed.elapsed(), device};
    if (report.Vanished())
        c.err << "ddsgen-cli transfer: the generator vanished during the transfer; nothing was written after that\n";
    else
        holder.CloseAndRelease();
    if (json)
        c.out << report.Json().dump() << "\n";
    else
        c.out << report.Text() << "\n";
    return report.Status();
}

} // namespace

CliCommand TransferCommand()
{
    return {"transfer", "send a range and a waveform to the generator, as the transfer button does",
            "Usage: ddsgen-cli transfer (--range R --position V | --frequency HZ)\n"
            "           (--kind K [--amplitude A] [--shape D] [--vertical O] [--coefficient M]\n"
            "            | --file F) [--offset P] [--ack-timeout MS] [--device PATH]\n"
            "           [--virtual [--virtual-fault FAULT]...] [--report-log FILE] [--json]\n"
            "Opens the generator, sends connect, the offset when given, the whole transfer with its\n"
            "acknowledgement waits, the filter the waveform calls for, and closing. A block that is\n"
            "not acknowledged in time is not sent again; the transfer goes on.\n"
            "  --range R         frequency range 1..7\n"
            "  --position V      frequency slider position 0..90\n"
            "  --frequency HZ    the setting nearest to HZ (0.1 to 1000000), printed first\n"
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
            "Exit status: 0 every block acknowledged; 1 no generator, or PATH is not one;\n"
            "2 bad options; 3 some blocks were not acknowledged in time (the summary names them);\n"
            "4 the generator vanished during the transfer, and nothing was written after that.\n",
            RunTransfer};
}

} // namespace dds::cli
