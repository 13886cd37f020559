#include "cli/transfer_report.h"

#include <algorithm>
#include <sstream>

#include "cli/exit_status.h"
#include "device/generator_commands.h"

namespace dds::cli {
namespace {

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text;
}

} // namespace

int TransferReport::AcknowledgedReports() const
{
    return static_cast<int>(outcome.blocks.size()) + outcome.notSent;
}

bool TransferReport::Delivered(uint8_t code) const
{
    return std::find(outcome.delivered.begin(), outcome.delivered.end(), code) != outcome.delivered.end();
}

std::string TransferReport::Outcome() const
{
    if (lost)
        return "vanished";
    if (interrupted)
        return "interrupted";
    return outcome.timedOut > 0 ? "not acknowledged" : "acknowledged";
}

std::vector<int> TransferReport::NotAcknowledged() const
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < outcome.blocks.size(); ++i)
        if (outcome.blocks[i] == BlockOutcome::TimedOut)
            numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

std::vector<int> TransferReport::BlocksNeverSent() const
{
    std::vector<int> numbers;
    for (int block = static_cast<int>(outcome.blocks.size()) + 1; block <= AcknowledgedReports(); ++block)
        numbers.push_back(block);
    return numbers;
}

std::vector<std::string> TransferReport::PartsNeverSent() const
{
    std::vector<std::string> parts;
    if (!Delivered(gcTransferHeader))
        parts.emplace_back("header");
    if (outcome.kind == WaveformKind::WhiteNoise && !Delivered(gcNoiseMode))
        parts.emplace_back("noise command");
    if (!Delivered(gcTransferClose1))
        parts.emplace_back("end-of-transfer reports 7 and 6");
    else if (!Delivered(gcTransferClose2))
        parts.emplace_back("end-of-transfer report 6");
    if (outcome.filterNeeded && std::none_of(outcome.delivered.begin(), outcome.delivered.end(), [](uint8_t code) {
            return FilterOfCommand(code) >= 0;
        }))
        parts.emplace_back("filter");
    if (!closed)
        parts.emplace_back("closing command");
    return parts;
}

std::string TransferReport::Text() const
{
    const FrequencyPlan& plan = choice.setting.plan;
    std::ostringstream line;
    line << "range " << plan.range << ", " << plan.displayText() << ", " << plan.sampleCount << " samples, played "
         << PlayedFrequencyText(plan, kPlayedExtraDecimals) << ", " << outcome.layout.blocks << " blocks, tail "
         << outcome.layout.tail << ", " << milliseconds << " ms, " << outcome.acknowledged << " acknowledged, "
         << outcome.timedOut << " timed out";
    if (outcome.timedOut > 0)
        line << " (" << NotAcknowledgedText(NotAcknowledged(), AcknowledgedReports()) << ")";
    if (!outcome.stopped && closed)
        return line.str();
    std::vector<std::string> neverSent;
    if (!BlocksNeverSent().empty())
        neverSent.push_back(BlockNumbersText(BlocksNeverSent(), AcknowledgedReports()));
    for (const std::string& part : PartsNeverSent())
        neverSent.push_back("the " + part);
    line << " (" << Outcome() << ": " << (neverSent.empty() ? "everything was sent" : Listed(neverSent) + " never sent")
         << ")";
    return line.str();
}

nlohmann::json TransferReport::Json() const
{
    nlohmann::json json = ChoiceJson(choice);
    json["device"] = device;
    json["samples"] = choice.setting.plan.sampleCount;
    json["blocks"] = outcome.layout.blocks;
    json["tail"] = outcome.layout.tail;
    json["milliseconds"] = milliseconds;
    json["acknowledged"] = outcome.acknowledged;
    json["timedOut"] = outcome.timedOut;
    json["notAcknowledged"] = NotAcknowledged();
    json["blocksNeverSent"] = BlocksNeverSent();
    json["neverSent"] = PartsNeverSent();
    json["outcome"] = Outcome();
    json["exitStatus"] = exitStatus;
    return json;
}

} // namespace dds::cli
