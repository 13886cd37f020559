#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "cli/waveform_choice.h"
#include "device/backend_options.h"
#include "device/generator_commands.h"
#include "device/generator_holder.h"
#include "device/transfer_bytes.h"
#include "synthesis/frequency_plan.h"

namespace dds::cli {
namespace {

// How long the tool waits for the generator to be announced after the first search.
constexpr std::chrono::milliseconds kArrivalWait{1500};

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

// The tool may run without an application object; timers and the device layer need one.
std::unique_ptr<QCoreApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "ddsgen-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

int RunTransfer(CommandContext& c)
{
    OptionParser options(c.args, {"range", "position", "kind", "amplitude", "shape", "vertical",
                                  "coefficient", "file", "offset", "report-log"},
                         {"virtual"});
    const auto range = static_cast<int32_t>(options.requiredInteger("range", kFirstRange, kLastRange));
    const auto position =
        static_cast<int32_t>(options.requiredInteger("position", kSliderMinimum, kSliderMaximum));
    const auto offset = options.integer("offset", 0, 255);
    const ChosenWaveform waveform = WaveformFromOptions(options);
    const FrequencyPlan plan = *PlanFrequency(range, position);

    const auto application = EnsureApplication();
    QTemporaryDir scratch;
    const ByteImage image = MakeByteImage(waveform.table, plan.sampleCount, scratch.path(), [] {
        QCoreApplication::processEvents();
    });

    const BackendChoice choice{.virtualGenerator = options.has("virtual"), .reportLog = options.text("report-log")};
    GeneratorHolder holder(MakeBackend(choice, c.systemBackend));
    holder.FollowPlugging();
    if (!holder.WaitForGenerator(kArrivalWait)) {
        if (holder.InaccessibleGenerator().empty())
            c.err << "ddsgen-cli transfer: no generator found (USB 04d8:0009)\n";
        else
            c.err << "ddsgen-cli transfer: " << InaccessibleGeneratorMessage(holder.InaccessibleGenerator()) << '\n';
        return 1;
    }
    holder.Send(gcHostConnected);
    if (offset)
        holder.Send(gcOffset, {OffsetByte(static_cast<int>(*offset))});

    PrintedProgress progress(c.out, holder);
    QElapsedTimer elapsed;
    elapsed.start();
    const TransferSummary summary = holder.Transfer({range, waveform.kind, image.samples}, progress);
    const qint64 took = elapsed.elapsed();
    if (summary.stopped) {
        c.err << "ddsgen-cli transfer: the generator was removed during the transfer\n";
        return 1;
    }
    holder.Send(gcHostClosing);

    c.out << "range " << range << ", " << plan.displayText() << ", " << image.samples.size()
          << " samples, " << summary.layout.blocks << " blocks, tail " << summary.layout.tail << ", "
          << took << " ms, " << summary.acknowledged << " acknowledged, " << summary.timedOut
          << " timed out\n";
    return 0;
}

} // namespace

CliCommand TransferCommand()
{
    return {"transfer", "send a range and a waveform to the generator, as the transfer button does",
            "Usage: ddsgen-cli transfer --range R --position V\n"
            "           (--kind K [--amplitude A] [--shape D] [--vertical O] [--coefficient M]\n"
            "            | --file F) [--offset P] [--virtual] [--report-log FILE]\n"
            "Opens the first generator, sends connect, the offset when given, the whole transfer\n"
            "with its acknowledgement waits, the filter the waveform calls for, and closing.\n"
            "  --range R         frequency range 1..7\n"
            "  --position V      frequency slider position 0..90\n"
            "  --kind K          preset waveform 1..12 (see 'synth --help'); with --file the kind\n"
            "                    sent is 1, the program's start value\n"
            "  --amplitude A, --shape D, --vertical O, --coefficient M   as for 'synth'\n"
            "  --file F          a waveform file (.xls) instead of a preset, or a CSV, TXT or WAV\n"
            "                    file imported as 'import --scale auto' does\n"
            "  --offset P        offset slider position 0..255, sent after connect\n"
            "  --virtual         use the in-process virtual generator\n"
            "  --report-log FILE append every written report to FILE as a line of hex\n"
            "Exit status: 0 sent, 1 no generator or a failure, 2 bad options.\n",
            RunTransfer};
}

} // namespace dds::cli
