#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "shell/unit2.h"
#include "shell/unit3.h"
#include "test_device_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/graphic_gauge.h"

namespace {

using namespace std::chrono_literals;
using Codes = std::vector<int>;

Codes TransferCodes(int blocks, bool tail)
{
    Codes codes{3};
    codes.insert(codes.end(), static_cast<size_t>(blocks), 4);
    if (tail)
        codes.push_back(5);
    codes.insert(codes.end(), {7, 6});
    return codes;
}

// What the operator sees at one moment of a transfer.
struct Glimpse {
    bool waitWindow;
    bool transferWindow;
    bool inputsEnabled;
};

class TransferButton : public DeviceWindow {
protected:
    void SetUp() override
    {
        DeviceWindow::SetUp();
        StartConnected();
        form->sampleFolder = [this] { return folder.path(); };
    }

    void transfer() { QTest::mouseClick(form->SpeedButton10, Qt::LeftButton); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool inputsEnabled() const
    {
        return form->GroupBox3->isEnabled() && form->GroupBox6->isEnabled() && form->GroupBox1->isEnabled() &&
               form->GroupBox5->isEnabled() && form->ToolBar1->isEnabled();
    }
    // Runs `action`; returns what the error box would have shown meanwhile.
    QStringList errorsDuring(const std::function<void()>& action)
    {
        action();
        return std::exchange(services.errors, {});
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(TransferButton, FullLengthTriangleReachesTheGeneratorAndTheWindowsReturnToNormal)
{
    click(form->DoubleSpeed10); // triangle, range 5 at 1000 Hz: 3200 samples
    transfer();
    EXPECT_EQ(SentCodes(), TransferCodes(51, true)); // the filter stays off: nothing more
    const dds::GeneratorModel model = generator->Model();
    EXPECT_EQ(model.range, 5);
    EXPECT_EQ(model.kind, 3);
    EXPECT_EQ(model.sampleCount, 3200);
    EXPECT_EQ(model.samples, form->state.transferBytes);
    EXPECT_EQ(model.transfersClosed, 1);

    EXPECT_EQ(form->ListBox2->count(), 3200);
    EXPECT_EQ(form->ListBox2->item(100)->text(), QString::number(form->state.transferBytes[100]));
    EXPECT_EQ(form->Label23->text(), "Largeur de IMAGE1= 3200");
    EXPECT_EQ(form->Label30->text(), "Nbre ligne dans ListBox2= 3200");
    EXPECT_EQ(form->Label32->text(), "51");
    EXPECT_TRUE(form->Label34->text().endsWith(": 3162"));
    EXPECT_EQ(form->Form2->GraphicGauge1->MaxValue(), 51);
    EXPECT_EQ(form->Form2->GraphicGauge1->Progress(), 51);
    ASSERT_TRUE(form->state.workBitmap2.has_value());
    EXPECT_EQ(form->state.workBitmap2->size(), QSize(3200, 256));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Sample.bmp")));

    EXPECT_FALSE(form->Form2->isVisible());
    EXPECT_FALSE(form->Form3->isVisible());
    EXPECT_TRUE(inputsEnabled());
}

TEST_F(TransferButton, SineOnRangeThreeSelectsItsFilterOnceOnly)
{
    click(form->DoubleSpeed3);
    click(form->DoubleSpeed8);
    transfer();
    Codes first = SentCodes();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), 14);
    EXPECT_TRUE(form->RadioButton4->isChecked());
    EXPECT_EQ(generator->Model().filter, 3);

    const size_t before = Sent().size();
    transfer();
    const Codes all = SentCodes();
    const Codes second(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.back(), 6); // "F3" already checked: no filter code
    EXPECT_EQ(generator->Model().transfersClosed, 2);
}

TEST_F(TransferButton, WhiteNoiseSendsNoBlocksAndLeavesTheGaugeAlone)
{
    click(form->DoubleSpeed3);
    click(form->DoubleSpeed8);
    transfer(); // leaves the gauge full and "F3" checked
    const int progress = form->Form2->GraphicGauge1->Progress();
    const size_t before = Sent().size();
    click(form->DoubleSpeed20);
    transfer();
    const Codes all = SentCodes();
    EXPECT_EQ(Codes(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), (Codes{3, 9, 7, 6, 11}));
    EXPECT_EQ(form->Form2->GraphicGauge1->Progress(), progress);
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_TRUE(generator->Model().noiseMode);
}

TEST_F(TransferButton, InputsStayLockedAndTheTwoWindowsNeverShowTogether)
{
    generator->SetAckLatency(15ms);
    std::vector<Glimpse> seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        seen.push_back({form->Form3->isVisible(), form->Form2->isVisible(), inputsEnabled()});
    });
    watcher.start(5);
    transfer();
    watcher.stop();
    ASSERT_GT(seen.size(), 10u);
    for (const Glimpse& glimpse : seen) {
        EXPECT_FALSE(glimpse.waitWindow && glimpse.transferWindow);
        EXPECT_FALSE(glimpse.inputsEnabled);
    }
    EXPECT_TRUE(seen.back().transferWindow);
    EXPECT_EQ(form->state.drawingFlag, 0);
}

TEST_F(TransferButton, RectangleEdgeColumnReadsNearTheMiddle)
{
    click(form->DoubleSpeed9);
    int edge = 0;
    for (int i = 1; i < 3200 && edge == 0; ++i)
        if (form->state.waveformTable[i] == 255 && form->state.waveformTable[i + 1] == 1)
            edge = i;
    ASSERT_GT(edge, 0) << "the rectangle has its edge from 255 to 1";
    transfer();
    ASSERT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_EQ(generator->Model().samples[static_cast<size_t>(edge)], 255);
    EXPECT_EQ(generator->Model().samples[static_cast<size_t>(edge + 1)], 127);
}

TEST_F(TransferButton, OutOfRangeEntriesStillGiveBytesFromTheirOwnColumns)
{
    click(form->DoubleSpeed17); // DC
    for (int i = 2000; i <= 2003; ++i)
        form->state.waveformTable[i] = 5000; // as a loaded file may hold
    transfer();
    ASSERT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_EQ(generator->Model().samples[2001], 255);
    EXPECT_EQ(generator->Model().samples[2002], 255);
}

TEST_F(TransferButton, UnwritableFolderAbandonsTheTransferBeforeAnyReport)
{
    form->sampleFolder = [] { return QStringLiteral("/proc"); };
    const QStringList shown = errorsDuring([this] { transfer(); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front().startsWith(QString::fromUtf8("Impossible de créer le fichier")));
    EXPECT_TRUE(SentCodes().empty());
    EXPECT_FALSE(form->Form3->isVisible());
    EXPECT_FALSE(form->Form2->isVisible());
    EXPECT_TRUE(inputsEnabled());
}

TEST_F(TransferButton, SilentGeneratorStillGetsTheWholeWaveform)
{
    generator->SetAcknowledging(false);
    form->acknowledgementPeriod = 10ms;
    click(form->DoubleSpeed10);
    transfer();
    EXPECT_EQ(SentCodes(), TransferCodes(51, true));
    EXPECT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(TransferButton, ClosingTheWindowMidTransferStopsItBeforeTheRelease)
{
    generator->SetAcknowledging(false); // the product's 5000 ms wait would hold the close up
    // The close comes during the first block's wait, however long the picture work took.
    const size_t before = generator->WriteCount();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, form.get(), [this, before, &poll] {
        if (generator->WriteCount() >= before + 2) {
            poll.stop();
            form->close();
        }
    });
    poll.start(5);
    transfer();
    EXPECT_EQ(SentCodes(), (Codes{3, 4, 2}));
    EXPECT_EQ(form->generatorHolder.Generator(), nullptr);
    EXPECT_EQ(generator->Model().transfersClosed, 0);
    EXPECT_TRUE(inputsEnabled());
}

TEST_F(TransferButton, UnplugMidTransferEndsTheProgramWithNothingWrittenAfterwards)
{
    generator->SetAcknowledging(false);
    generator->UnplugAfter(generator->WriteCount() + 2, [this] { bus->Unplug(*generator); });
    transfer(); // the removal, not the product's 5000 ms, ends the first block's wait
    EXPECT_EQ(SentCodes(), (Codes{3, 4}));
    // The removal steps come once the transfer has unwound, so that its end cannot undo them.
    ASSERT_TRUE(QTest::qWaitFor([this] { return terminationRequests > 0; }, 2000));
    ExpectEndedNotConnected();
    EXPECT_EQ(form->generatorHolder.Report()[1], dds::gcHostClosing); // offered, refused, then nothing
}
