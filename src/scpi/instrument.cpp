#include "scpi/instrument.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "scpi/instrument_commands.h"
#include "scpi/scpi_error.h"
#include "scpi/status_commands.h"

namespace dds::scpi {
namespace {

// What decides the bytes a transfer sends: the generator it goes to, the range, N, the kind and,
// but for white noise (which the generator makes itself), the table.
// The error a transfer's outcome deserves, if any: blocks that never reached the generator or
// that it did not acknowledge, each named.
std::optional<ScpiError> UploadFault(const TransferOutcome& outcome)
{
    const int total = static_cast<int>(outcome.blocks.size()) + outcome.notSent;
    std::vector<int> timedOut;
    for (std::size_t i = 0; i < outcome.blocks.size(); ++i)
        if (outcome.blocks[i] == BlockOutcome::TimedOut)
            timedOut.push_back(static_cast<int>(i) + 1);
    if (outcome.stopped || outcome.generatorVanished) {
        std::vector<int> notSent;
        for (int b = static_cast<int>(outcome.blocks.size()) + 1; b <= total; ++b)
            notSent.push_back(b);
        return ScpiError(error::kHardwareMissing,
                         "the transfer ended early"
                             + (notSent.empty() ? "" : "; " + BlockNumbersText(notSent, total) + " not sent"));
    }
    if (!timedOut.empty())
        return ScpiError(error::kHardware, BlockNumbersText(timedOut, total) + " not acknowledged");
    return std::nullopt;
}

std::string PlayedSignature(const PanelState& state)
{
    std::string signature = state.generatorPath + '\0' + std::to_string(state.range) + ','
                            + std::to_string(state.sampleCount) + ',' + std::to_string(static_cast<int>(state.kind));
    if (state.kind != WaveformKind::WhiteNoise)
        signature.append(reinterpret_cast<const char*>(state.table.samples.data()),
                         state.table.samples.size() * sizeof(state.table.samples[0]));
    return signature;
}

} // namespace

Instrument::Instrument(FrontPanel& panel, std::shared_ptr<HidBackend> interfaces)
    : panel_(panel), interfaces_(std::move(interfaces))
{
    AddStatusCommands(commands_);
    AddInstrumentCommands(commands_, *this);
}

std::unique_ptr<Session> Instrument::NewSession()
{
    return std::make_unique<Session>(commands_, [this](Session& session) { CompletePending(session); });
}

std::string Instrument::SerialNumber()
{
    const std::string path = panel_.GeneratorPath();
    if (path != serialPath_) { // listing the interfaces takes a while: once per generator
        serialPath_ = path;
        serialNumber_.clear();
        for (const HidInterfaceInfo& info : interfaces_->enumerate())
            if (info.path == path)
                serialNumber_ = info.serialNumber;
    }
    return path.empty() ? "none" : serialNumber_.empty() ? "0" : serialNumber_;
}

void Instrument::Operate(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const NoGenerator& e) {
        throw ScpiError(error::kHardwareMissing, e.what());
    } catch (const std::invalid_argument& e) {
        throw ScpiError(error::kDataOutOfRange, e.what());
    }
}

void Instrument::Change(const std::function<void()>& operation)
{
    Operate(operation);
    changed_ = true;
}

void Instrument::CompletePending(Session& session)
{
    if (!changed_ && !forceUpload_)
        return;
    const bool forced = forceUpload_;
    changed_ = forceUpload_ = false;
    if (!panel_.Connected()) {
        session.QueueError(ScpiError(error::kHardwareMissing, "no generator is connected; nothing was sent"));
        return;
    }
    const std::string played = PlayedSignature(panel_.State());
    if (forced || played != uploaded_) {
        uploaded_ = played;
        Upload(session);
    }
}

void Instrument::Upload(Session& session)
{
    try {
        std::optional<TransferOutcome> outcome;
        Operate([&] { outcome = panel_.Transfer(); });
        if (const auto fault = UploadFault(*outcome))
            session.QueueError(*fault);
    } catch (const ScpiError& e) {
        session.QueueError(e);
    } catch (const std::runtime_error& e) { // the transfer's picture could not be made: nothing was sent
        session.QueueError(ScpiError(error::kExecution, e.what()));
    }
}

} // namespace dds::scpi
