// The transfer button: the waveform turned into bytes through the work window's pictures, then
// sent to the generator block by block while the transfer window shows the progress.
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <initializer_list>

#include "device/hid_device.h"
#include "device/transfer_bytes.h"
#include "device/transfer_engine.h"
#include "device/transfer_link_sink.h"
#include "device/transfer_texts.h"
#include "shell/error_reporter.h"
#include "shell/unit1.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit5.h"
#include "shell/window_showing.h"
#include "widgets/graphic_gauge.h"

namespace {

// The inputs of a transfer stay locked while it runs, and come back however it ends.
class TransferLock {
public:
    explicit TransferLock(TForm1& form) : form_(form)
    {
        dds::ShowOnTop(*form_.Form3);
        setInputsEnabled(false);
    }
    ~TransferLock()
    {
        dds::HideToNormal(*form_.Form3);
        dds::HideToNormal(*form_.Form2);
        setInputsEnabled(true);
    }
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;

private:
    void setInputsEnabled(bool enabled)
    {
        for (QWidget* input : std::initializer_list<QWidget*>{form_.GroupBox3, form_.GroupBox6, form_.GroupBox1,
                                                               form_.GroupBox5, form_.ToolBar1})
            input->setEnabled(enabled);
    }

    TForm1& form_;
};

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
    WindowProgress(TForm1& form, QString blockBytesText) : form_(form), blockBytesText_(std::move(blockBytesText)) {}

    void blocksStarting(int blocks) override
    {
        TGraphicGauge& gauge = *form_.Form2->GraphicGauge1;
        gauge.setMinValue(0);
        gauge.setMaxValue(blocks);
        gauge.setProgress(0);
        form_.Label34->setText(blockBytesText_);
    }
    void blockSending(int block) override { form_.Form2->GraphicGauge1->setProgress(block); }
    // Checking a radio runs its handler, which sends the filter command only when it changes.
    void selectFilter(int filter) override
    {
        const std::array<QRadioButton*, 8> radios{form_.RadioButton1, form_.RadioButton2, form_.RadioButton3,
                                                  form_.RadioButton4, form_.RadioButton5, form_.RadioButton6,
                                                  form_.RadioButton7, form_.RadioButton8};
        radios.at(static_cast<size_t>(filter))->setChecked(true);
    }

private:
    TForm1& form_;
    QString blockBytesText_;
};

void ShowByteImage(TForm1& form, const dds::ByteImage& image, const dds::TransferTexts& texts)
{
    form.workBitmap2 = image.drawn;
    form.workBitmap1 = image.stretched;
    form.Form5->ShowTransferPictures(image.drawn, image.stretched);
    form.transferBytes = image.samples;
    form.Label23->setText(texts.imageWidth);
    form.ListBox2->clear();
    form.ListBox2->addItems(texts.sampleLines);
    form.Label30->setText(texts.lineCount);
    form.Label32->setText(texts.blockCount);
}

} // namespace

void TForm1::ConnectTransferControls()
{
    connect(SpeedButton10, &QToolButton::clicked, this, dds::Guarded([this] { SpeedButton10Click(); }));
}

void TForm1::SpeedButton10Click()
{
    TransferLock lock(*this);
    CloseWatch closeWatch(*this);
    // Closing the window or pulling the generator releases it inside a wait; nothing may follow.
    const TJvHidDevice* const generator = generatorLink.Generator();
    const auto stopRequested = [this, &closeWatch, generator] {
        return closeWatch.closeRequested() || generatorLink.Generator() != generator;
    };

    const dds::ByteImage image = dds::MakeByteImage(waveformTable, frequencyPlan.sampleCount, sampleFolder(),
                                                    [] { QCoreApplication::processEvents(); });
    const dds::TransferTexts texts = dds::MakeTransferTexts(image.samples);
    ShowByteImage(*this, image, texts);

    dds::HideToNormal(*Form3);
    drawingFlag = 0;
    dds::ShowOnTop(*Form2);

    dds::GeneratorLinkSink sink(generatorLink);
    dds::AcknowledgementWait wait(*Timer1, acknowledgementCounter, acknowledgementPeriod);
    dds::TransferEngine engine(sink, wait, stopRequested);
    WindowProgress progress(*this, texts.blockBytes);
    engine.run({rangeNumber, static_cast<dds::WaveformKind>(waveformKind), image.samples}, progress);
}
