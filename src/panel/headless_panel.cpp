#include "panel/headless_panel.h"

#include <algorithm>

#include "device/flag_scope.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/transfer_preview.h"
#include "panel/panel_checks.h"
#include "synthesis/frequency_plan.h"
#include "synthesis/waveform_synthesis.h"

namespace dds {
namespace {

void SetFrequency(PanelState& state, int32_t range, int32_t position)
{
    const FrequencyPlan plan = *PlanFrequency(range, position);
    state.range = range;
    state.position = position;
    state.displayText = plan.displayText();
    state.nominalHertz = plan.hertz();
    state.playedHertz = static_cast<double>(PlayedHertz(plan));
    state.sampleCount = plan.sampleCount;
}

// The filter the transfer sent is the panel's, as the window's radio follows it; the blocks go on
// to the caller's progress when there is one.
class PanelProgress : public TransferProgress {
public:
    PanelProgress(int& filter, TransferProgress* caller) : filter_(filter), caller_(caller) {}
    void blocksStarting(int blocks) override
    {
        if (caller_)
            caller_->blocksStarting(blocks);
    }
    void blockSending(int block) override
    {
        if (caller_)
            caller_->blockSending(block);
    }
    void filterSelected(int filter) override { filter_ = filter; }

private:
    int& filter_;
    TransferProgress* caller_;
};

} // namespace

HeadlessPanel::HeadlessPanel(std::shared_ptr<HidBackend> backend, HeadlessPanelOptions options)
    : options_(std::move(options)), holder_(std::move(backend))
{
    SetFrequency(state_, kStartRange, kSliderMinimum);
    Compute();
    // As at the window's start-up, the offset slider's and the filter-off radio's handlers run before
    // any generator is there: their reports are built, not written, and leave their bytes behind.
    if (options_.greeting == Greeting::AsWindow) {
        holder_.Send(gcOffset, {OffsetByte(state_.offset)});
        holder_.Send(FilterCommand(state_.filter));
    }
    holder_.FollowPlugging({.arrival = [this](TJvHidDevice*, ClaimResult claim) { OnArrival(claim); },
                            .lost = [this] { OnLost(); },
                            .data = {}}, // input reports go straight to the acknowledgement
                           options_.devicePath);
}

// Nobody is told any more: the callbacks' owners may be gone already.
HeadlessPanel::~HeadlessPanel()
{
    holder_.CloseAndRelease();
}

// The arrival that makes the holder hold the generator connects the panel in the same handler.
bool HeadlessPanel::WaitForGenerator(std::chrono::milliseconds limit)
{
    return holder_.WaitForGenerator(limit) && Connected();
}

Delivery HeadlessPanel::Close()
{
    const bool wasConnected = Connected();
    const Delivery closing = holder_.CloseAndRelease();
    state_.connected = false;
    state_.generatorPath.clear();
    greeted_ = false;
    heardOffset_.reset();
    if (wasConnected)
        NotifyConnectionChanged(false);
    return closing;
}

void HeadlessPanel::Greet()
{
    if (greeted_ || !holder_.Holds())
        return;
    greeted_ = true;
    holder_.Send(gcHostConnected);
}

// As the window's arrival: the generator is taken and told the host is here; then, after any
// arrival, a held generator gets the current offset. Greeting on the first report, it is only taken.
void HeadlessPanel::OnArrival(ClaimResult claim)
{
    if (claim == ClaimResult::Claimed) {
        state_.connected = true;
        state_.generatorPath = holder_.Generator()->PnPInfo().DevicePath();
        greeted_ = false;
        heardOffset_.reset();
    }
    if (options_.greeting == Greeting::AsWindow)
        GreetAsWindow(claim);
    if (claim == ClaimResult::Claimed) {
        NotifyConnectionChanged(true);
        NotifyStateChanged();
    }
}

void HeadlessPanel::GreetAsWindow(ClaimResult claim)
{
    if (claim == ClaimResult::Claimed)
        Greet();
    holder_.Send(gcOffset, {OffsetByte(state_.offset)});
    if (holder_.Holds())
        heardOffset_ = state_.offset;
}

// The holder tells of a lost generator once any transfer has returned.
void HeadlessPanel::OnLost()
{
    Close();
    NotifyStateChanged();
}

bool HeadlessPanel::Connected() const
{
    return state_.connected;
}

void HeadlessPanel::CheckAccepting() const
{
    if (!state_.accepting)
        throw PanelLocked("a transfer is running");
}

void HeadlessPanel::CheckConnected() const
{
    if (!Connected())
        throw NoGenerator();
}

void HeadlessPanel::Compute()
{
    if (state_.kind == WaveformKind::WhiteNoise) {
        noise_.seedFromClock();
        noise_.tick(state_.table);
        return;
    }
    WaveformParams params;
    params.amplitude = state_.shape.amplitude;
    params.shape = state_.shape.shape;
    params.vertical = state_.shape.vertical;
    params.coefficient = state_.shape.coefficient;
    ComputeWaveform(state_.table, state_.kind, params);
}

void HeadlessPanel::ChooseSetting(int32_t range, int32_t position)
{
    CheckAccepting();
    CheckSetting(range, position);
    SetFrequency(state_, range, position);
    NotifyStateChanged();
}

void HeadlessPanel::ChoosePreset(WaveformKind kind, const ShapeControls& controls)
{
    CheckAccepting();
    CheckKind(kind);
    CheckShapeControls(controls);
    state_.kind = kind;
    state_.presetDown = true;
    state_.shape = controls;
    Compute();
    NotifyStateChanged();
}

void HeadlessPanel::SetShapeControls(const ShapeControls& controls)
{
    CheckAccepting();
    CheckShapeControls(controls);
    // As the knobs: a control set to its own position changes nothing, so a loaded table stays.
    if (controls == state_.shape)
        return;
    state_.shape = controls;
    Compute();
    NotifyStateChanged();
}

void HeadlessPanel::LoadTable(const WaveformTable& table)
{
    CheckAccepting();
    CheckTableBounds(table);
    state_.table = table;
    state_.presetDown = false;
    NotifyStateChanged();
}

void HeadlessPanel::SetOffset(int32_t position)
{
    CheckAccepting();
    CheckOffset(position);
    CheckConnected();
    // The slider's handler runs when it moves; the window's arrival sent the generator its position.
    if (position == heardOffset_)
        return;
    state_.offset = position;
    Greet();
    heardOffset_ = position;
    holder_.Send(gcOffset, {OffsetByte(position)});
    NotifyStateChanged();
}

void HeadlessPanel::SetOutputAmplitude(int32_t position)
{
    CheckAccepting();
    CheckOutputAmplitude(position);
    CheckConnected();
    state_.outputAmplitude = position;
    const int32_t count = lastSentAmplitude_ - position;
    lastSentAmplitude_ = position;
    SendAmplitudeStep(count);
}

void HeadlessPanel::StepOutputAmplitude(int32_t count)
{
    CheckAccepting();
    CheckAmplitudeStep(count);
    CheckConnected();
    state_.outputAmplitude =
        std::clamp(state_.outputAmplitude - count, kOutputAmplitudeMinimum, kOutputAmplitudeMaximum);
    lastSentAmplitude_ = state_.outputAmplitude;
    SendAmplitudeStep(count);
}

void HeadlessPanel::SendAmplitudeStep(int32_t count)
{
    const AmplitudeStepPayload step = AmplitudeStep(count);
    Greet();
    holder_.Send(gcAmplitudeStep, step.span());
    NotifyStateChanged();
}

void HeadlessPanel::ChooseFilter(int filter)
{
    CheckAccepting();
    CheckFilter(filter);
    CheckConnected();
    // A radio runs its handler only when it becomes checked; the window's start-up told the
    // generator the radio's filter.
    if (filter == state_.filter && holder_.SelectedFilter() == filter)
        return;
    state_.filter = filter;
    Greet();
    holder_.SelectFilter(filter);
    NotifyStateChanged();
}

TransferOutcome HeadlessPanel::Transfer()
{
    CheckAccepting();
    CheckConnected();
    {
        // Operations from events that run inside the transfer are refused, however it ends.
        const FlagScope refusing(state_.accepting, false);
        const TransferRequest request{state_.range, state_.kind, PlayedBytes(state_.table, state_.sampleCount)};
        Greet();
        NotifyTransferStarted();
        PanelProgress progress(state_.filter, options_.progress);
        TransferSummary summary =
            holder_.Transfer(request, progress, {options_.acknowledgementWait, options_.stopRequested});
        // Connected here, the holder was not lost before: a connect command refused just now counts.
        summary.generatorLost = holder_.Lost();
        state_.lastTransfer = OutcomeOf(request, summary);
    }
    NotifyTransferEnded(*state_.lastTransfer);
    NotifyStateChanged();
    return *state_.lastTransfer;
}

PanelState HeadlessPanel::State() const
{
    return state_;
}

} // namespace dds
