// The transfer button: the waveform turned into bytes through the work window's pictures, then
// sent to the generator block by block while the transfer window shows the progress.
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <initializer_list>

#include "device/hid_device.h"
#include "device/transfer_bytes.h"
#include "device/generator_holder.h"
#include "device/transfer_texts.h"
#include "shell/error_reporter.h"
#include "shell/unit1.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit5.h"
#include "shell/window_front_panel.h"
#include "shell/window_showing.h"
#include "panel/transfer_outcome.h"
#include "widgets/graphic_gauge.h"

namespace {

// A close request reaches the window while the transfer waits; the transfer must stop with it.
class CloseWatch : public QObject {
public:
    explicit CloseWatch(QWidget& window) : window_(window) { window_.installEventFilter(this); }
    ~CloseWatch() override { window_.removeEventFilter(this); }
    bool closeRequested() const { return closeRequested_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        closeRequested_ = closeRequested_ || event->type() == QEvent::Close;
        return false;
    }

private:
    QWidget& window_;
    bool closeRequested_ = false;
};

// The transfer window's gauge and the filter radios, as the sending reaches them.
class WindowProgress : public dds::TransferProgress {
public:
    WindowProgress(TGraphicGauge& gauge, QLabel& blockBytesLabel, QString blockBytesText,
                   std::array<QRadioButton*, 8> radios)
        : gauge_(gauge), blockBytesLabel_(blockBytesLabel), blockBytesText_(std::move(blockBytesText)), radios_(radios)
    {
    }

    void blocksStarting(int blocks) override
    {
        gauge_.setMinValue(0);
        gauge_.setMaxValue(blocks);
        gauge_.setProgress(0);
        blockBytesLabel_.setText(blockBytesText_);
    }
    void blockSending(int block) override { gauge_.setProgress(block); }
    // Checking a radio runs its handler, which sends the filter command only when it changes.
    void selectFilter(int filter) override { radios_.at(static_cast<size_t>(filter))->setChecked(true); }

private:
    TGraphicGauge& gauge_;
    QLabel& blockBytesLabel_;
    QString blockBytesText_;
    std::array<QRadioButton*, 8> radios_;
};

} // namespace

void TForm1::ShowByteImage(const dds::ByteImage& image, const dds::TransferTexts& texts)
{
    state.workBitmap2 = image.drawn;
    state.workBitmap1 = image.stretched;
    Form5->ShowTransferPictures(image.drawn, image.stretched);
    state.transferBytes = image.samples;
    ui.Label23->setText(texts.imageWidth);
    ui.ListBox2->clear();
    ui.ListBox2->addItems(texts.sampleLines);
    ui.Label30->setText(texts.lineCount);
    ui.Label32->setText(texts.blockCount);
}

void TForm1::ConnectTransferControls()
{
    errorReporter.ConnectGuarded(ui.SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
}

void TForm1::SpeedButton10Click()
{
    dds::ShowOnTop(*Form3);
    SetInputsEnabled(false);
    // The inputs come back however the transfer ends.
    const auto unlock = qScopeGuard([this] {
        dds::HideToNormal(*Form3);
        dds::HideToNormal(*Form2);
        SetInputsEnabled(true);
    });
    CloseWatch closeWatch(*this);
    state.lastTransfer.reset();

    const dds::ByteImage image = dds::MakeByteImage(state.waveformTable, state.frequencyPlan.sampleCount, SampleFolder(),
                                                    [] { QCoreApplication::processEvents(); });
    const dds::TransferTexts texts = dds::MakeTransferTexts(image.samples);
    ShowByteImage(image, texts);

    dds::HideToNormal(*Form3);
    state.drawingFlag = 0;
    dds::ShowOnTop(*Form2);

    const dds::TransferRequest request{state.rangeNumber, static_cast<dds::WaveformKind>(state.waveformKind),
                                       image.samples};
    frontPanel_->TransferStarting();
    WindowProgress progress(*Form2->GraphicGauge1, *ui.Label34, texts.blockBytes, FilterRadios());
    const dds::TransferSummary summary = generatorHolder.Transfer(
        request, progress, {services.acknowledgementPeriod, [&closeWatch] { return closeWatch.closeRequested(); }});
    state.lastTransfer = dds::OutcomeOf(request, summary);
    frontPanel_->TransferEnded(*state.lastTransfer);
}

QString TForm1::SampleFolder() const
{
    if (!services.scratchFolder.isEmpty())
        return services.scratchFolder;
    return dds::ScratchFolder(services.programFolder, services.userSettingsFolder);
}
