#include "panel/headless_panel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/transfer_bytes.h"
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
    state.playedHertz = plan.playedHertz();
    state.sampleCount = plan.sampleCount;
}

// The filter radios follow the transfer's choice as the window's do.
class PanelProgress : public TransferProgress {
public:
    explicit PanelProgress(std::function<void(int)> selectFilter) : selectFilter_(std::move(selectFilter)) {}
    void selectFilter(int filter) override { selectFilter_(filter); }

private:
    std::function<void(int)> selectFilter_;
};

// Operations from events that run inside a transfer are refused, however it ends.
class Refusing {
public:
    explicit Refusing(bool& accepting) : accepting_(accepting) { accepting_ = false; }
    ~Refusing() { accepting_ = true; }
    Refusing(const Refusing&) = delete;
    Refusing& operator=(const Refusing&) = delete;

private:
    bool& accepting_;
};

} // namespace

HeadlessPanel::HeadlessPanel(std::shared_ptr<HidBackend> backend, HeadlessPanelOptions options)
    : options_(std::move(options)), holder_(std::move(backend))
{
    SetFrequency(state_, kStartRange, kSliderMinimum);
    Compute();
    // As at the window's start-up, the offset slider's and the filter-off radio's handlers run before
    // any generator is there: their reports are built, not written, and leave their bytes behind.
    holder_.Send(gcOffset, {OffsetByte(state_.offset)});
    holder_.Send(FilterCommand(state_.filter));
    holder_.Controller().OnArrival = [this](TJvHidDevice* device) { OnArrival(device); };
    holder_.Controller().OnRemoval = [this](TJvHidDevice* device) { OnRemoval(device); };
}

// Nobody is told any more: the callbacks' owners may be gone already.
HeadlessPanel::~HeadlessPanel() { holder_.CloseAndRelease(); }

bool HeadlessPanel::WaitForGenerator(std::chrono::milliseconds limit)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!Connected() && elapsed.elapsed() < limit.count())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return Connected();
}

void HeadlessPanel::Close()
{
    const bool wasConnected = Connected();
    holder_.CloseAndRelease();
    state_.connected = false;
    state_.generatorPath.clear();
    if (wasConnected)
        NotifyConnectionChanged(false);
}

// As the window's arrival: the generator is taken and told the host is here; then, after any
// arrival, a held generator gets the current offset.
void HeadlessPanel::OnArrival(TJvHidDevice* device)
{
    const bool wanted = !options_.devicePath || device->PnPInfo().DevicePath() == *options_.devicePath;
    const ClaimResult claim = !wanted ? ClaimResult::NotGenerator
                              : options_.devicePath ? holder_.ClaimExactly(device)
                                                    : holder_.Claim(device);
    if (claim == ClaimResult::Claimed) {
        state_.connected = true;
        state_.generatorPath = holder_.Generator()->PnPInfo().DevicePath();
        holder_.Send(gcHostConnected);
    }
    holder_.Send(gcOffset, {OffsetByte(state_.offset)});
    if (claim == ClaimResult::Claimed) {
        NotifyConnectionChanged(true);
        NotifyStateChanged();
    }
}

// A transfer waiting on the generator stops as soon as it is released here.
void HeadlessPanel::OnRemoval(TJvHidDevice* device)
{
    if (!holder_.NoteRemoval(device))
        return;
    Close();
    NotifyStateChanged();
}

bool HeadlessPanel::Connected() const { return state_.connected; }

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
    if (position == state_.offset)
        return;
    state_.offset = position;
    holder_.Send(gcOffset, {OffsetByte(position)});
    NotifyStateChanged();
}

void HeadlessPanel::SetOutputAmplitude(int32_t position)
{
    CheckAccepting();
    CheckOutputAmplitude(position);
    CheckConnected();
    state_.outputAmplitude = position;
    const AmplitudeStepPayload step = AmplitudeStep(lastSentAmplitude_ - position);
    lastSentAmplitude_ = position;
    holder_.Send(gcAmplitudeStep, step.span());
    NotifyStateChanged();
}

void HeadlessPanel::ChooseFilter(int filter)
{
    CheckAccepting();
    CheckFilter(filter);
    CheckConnected();
    SelectFilter(filter);
    NotifyStateChanged();
}

// A radio sends its command only when it becomes checked.
void HeadlessPanel::SelectFilter(int filter)
{
    if (filter == state_.filter)
        return;
    state_.filter = filter;
    holder_.Send(FilterCommand(filter));
}

QString HeadlessPanel::ScratchFolder()
{
    if (!options_.scratchFolder.isEmpty())
        return options_.scratchFolder;
    if (!ownScratch_)
        ownScratch_ = std::make_unique<QTemporaryDir>();
    if (!ownScratch_->isValid())
        throw std::runtime_error("no temporary folder for the transfer's picture: " +
                                 ownScratch_->errorString().toStdString());
    return ownScratch_->path();
}

TransferOutcome HeadlessPanel::Transfer()
{
    CheckAccepting();
    CheckConnected();
    {
        const Refusing refusing(state_.accepting);
        const QString folder = ScratchFolder();
        const ByteImage image =
            MakeByteImage(state_.table, state_.sampleCount, folder, [] { QCoreApplication::processEvents(); });
        const TransferRequest request{state_.range, state_.kind, image.samples};
        NotifyTransferStarted();
        PanelProgress progress([this](int filter) { SelectFilter(filter); });
        const TransferSummary summary =
            holder_.Transfer(request, progress, {options_.acknowledgementWait, options_.stopRequested});
        state_.lastTransfer = OutcomeOf(request, summary);
    }
    NotifyTransferEnded(*state_.lastTransfer);
    NotifyStateChanged();
    return *state_.lastTransfer;
}

PanelState HeadlessPanel::State() const { return state_; }

} // namespace dds
