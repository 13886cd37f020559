// The transfer button: the waveform turned into bytes through the work window's pictures, then
// sent to the generator block by block while the transfer window shows the progress.
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <initializer_list>
#include <utility>

#include "device/hid_device.h"
#include "device/transfer_bytes.h"
#include "device/generator_holder.h"
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
    WindowProgress(TForm1& form, QString blockBytesText, std::array<QRadioButton*, 8> radios)
        : form_(form), blockBytesText_(std::move(blockBytesText)), radios_(radios)
    {
    }

    void blocksStarting(int blocks) override
    {
        TGraphicGauge& gauge = *form_.Form2->GraphicGauge1;
        gauge.setMinValue(0);
        gauge.setMaxValue(blocks);
        gauge.setProgress(0);
        form_.Label34->setText(blockBytesText_);
    }
    void blockSending(int block) override { form_.Form2->GraphicGauge1->setProgress(block); }
    // The transfer has sent the filter's command when it changed; the radio follows.
    void filterSelected(int filter) override { radios_.at(static_cast<size_t>(filter))->setChecked(true); }

private:
    TForm1& form_;
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
    Label23->setText(texts.imageWidth);
    ListBox2->clear();
    ListBox2->addItems(texts.sampleLines);
    Label30->setText(texts.lineCount);
    Label32->setText(texts.blockCount);
}

QString TForm1::WorkPictureFolder()
{
    const dds::ScratchLocation location = dds::ScratchFolder(services.programFolder, services.userSettingsFolder);
    if (location.temporary && !std::exchange(temporaryFolderTold_, true))
        errorReporter.Report(QStringLiteral("Ni le dossier du programme ni le dossier de l'utilisateur ne peuvent être "
                                            "écrits : l'image de travail « Sample.bmp » va dans le dossier temporaire "
                                            "« %1 ».")
                                 .arg(QDir::toNativeSeparators(location.folder)));
    return location.folder;
}

void TForm1::ConnectTransferControls()
{
    errorReporter.ConnectGuarded(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
}

void TForm1::SpeedButton10Click()
{
    TransferLock lock(*this);
    CloseWatch closeWatch(*this);

    const dds::ByteImage image = dds::MakeByteImage(state.waveformTable, state.frequencyPlan.sampleCount, sampleFolder(),
                                                    [] { QCoreApplication::processEvents(); });
    const dds::TransferTexts texts = dds::MakeTransferTexts(image.samples);
    ShowByteImage(image, texts);

    dds::HideToNormal(*Form3);
    state.drawingFlag = 0;
    dds::ShowOnTop(*Form2);

    WindowProgress progress(*this, texts.blockBytes, FilterRadios());
    generatorHolder.Transfer({state.rangeNumber, static_cast<dds::WaveformKind>(state.waveformKind), image.samples}, progress,
                             {acknowledgementPeriod, [&closeWatch] { return closeWatch.closeRequested(); }});
}
