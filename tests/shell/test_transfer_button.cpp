#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "event_waits.h"
#include "panel/front_panel.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit5.h"
#include "test_device_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/graphic_gauge.h"
#include "window_controls.h"

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
        if (services.scratchFolder.isEmpty())
            services.scratchFolder = folder.path();
        StartConnected();
    }

    void transfer() { QTest::mouseClick(Find<QToolButton>(*form, "SpeedButton10"), Qt::LeftButton); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool inputsEnabled() const
    {
        return Find<QGroupBox>(*form, "GroupBox3")->isEnabled() && Find<QGroupBox>(*form, "GroupBox6")->isEnabled()
               && Find<QGroupBox>(*form, "GroupBox1")->isEnabled() && Find<QGroupBox>(*form, "GroupBox5")->isEnabled()
               && Find<QToolBar>(*form, "ToolBar1")->isEnabled();
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
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10")); // triangle, range 5 at 1000 Hz: 3200 samples
    transfer();
    EXPECT_EQ(SentCodes(), TransferCodes(51, true)); // the filter stays off: nothing more
    const dds::GeneratorModel model = generator->Model();
    EXPECT_EQ(model.range, 5);
    EXPECT_EQ(model.kind, 3);
    EXPECT_EQ(model.sampleCount, 3200);
    EXPECT_EQ(model.samples, SampleList());
    EXPECT_EQ(model.transfersClosed, 1);

    EXPECT_EQ(Find<QListWidget>(*form, "ListBox2")->count(), 3200);
    EXPECT_EQ(Find<QLabel>(*form, "Label23")->text(), "Largeur de IMAGE1= 3200");
    EXPECT_EQ(Find<QLabel>(*form, "Label30")->text(), "Nbre ligne dans ListBox2= 3200");
    EXPECT_EQ(Find<QLabel>(*form, "Label32")->text(), "51");
    EXPECT_TRUE(Find<QLabel>(*form, "Label34")->text().endsWith(": 3162"));
    EXPECT_EQ(Find<TForm2>(*form, "Form2")->GraphicGauge1->MaxValue(), 51);
    EXPECT_EQ(Find<TForm2>(*form, "Form2")->GraphicGauge1->Progress(), 51);
    EXPECT_EQ(Find<TForm5>(*form, "Form5")->Image2->pixmap().size(), QSize(3200, 256));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Sample.bmp")));

    EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
    EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
    EXPECT_TRUE(inputsEnabled());
}

TEST_F(TransferButton, SineOnRangeThreeSelectsItsFilterOnceOnly)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed3"));
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    transfer();
    Codes first = SentCodes();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), 14);
    EXPECT_TRUE(Find<QRadioButton>(*form, "RadioButton4")->isChecked());
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
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed3"));
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    transfer(); // leaves the gauge full and "F3" checked
    const int progress = Find<TForm2>(*form, "Form2")->GraphicGauge1->Progress();
    const size_t before = Sent().size();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed20"));
    transfer();
    const Codes all = SentCodes();
    EXPECT_EQ(Codes(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), (Codes{3, 9, 7, 6, 11}));
    EXPECT_EQ(Find<TForm2>(*form, "Form2")->GraphicGauge1->Progress(), progress);
    EXPECT_TRUE(Find<QRadioButton>(*form, "RadioButton1")->isChecked());
    EXPECT_TRUE(generator->Model().noiseMode);
}

TEST_F(TransferButton, InputsStayLockedAndTheTwoWindowsNeverShowTogether)
{
    generator->SetAckLatency(15ms);
    std::vector<Glimpse> seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        seen.push_back(
            {Find<TForm3>(*form, "Form3")->isVisible(), Find<TForm2>(*form, "Form2")->isVisible(), inputsEnabled()});
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
}

TEST_F(TransferButton, RectangleEdgeColumnReadsNearTheMiddle)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    int edge = 0;
    for (int i = 1; i < 3200 && edge == 0; ++i)
        if (form->FrontPanel().State().table[i] == 255 && form->FrontPanel().State().table[i + 1] == 1)
            edge = i;
    ASSERT_GT(edge, 0) << "the rectangle has its edge from 255 to 1";
    transfer();
    ASSERT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_EQ(generator->Model().samples[static_cast<size_t>(edge)], 255);
    EXPECT_EQ(generator->Model().samples[static_cast<size_t>(edge + 1)], 127);
}

TEST_F(TransferButton, OutOfRangeEntriesStillGiveBytesFromTheirOwnColumns)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17")); // DC
    dds::WaveformTable table = form->FrontPanel().State().table;
    for (int i = 2000; i <= 2003; ++i)
        table[i] = 5000; // as a loaded file may hold
    form->FrontPanel().LoadTable(table);
    transfer();
    ASSERT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_EQ(generator->Model().samples[2001], 255);
    EXPECT_EQ(generator->Model().samples[2002], 255);
}

class TransferButtonWithoutAWorkFolder : public TransferButton {
    void SetUp() override
    {
        services.scratchFolder = QStringLiteral("/proc");
        TransferButton::SetUp();
    }
};

TEST_F(TransferButtonWithoutAWorkFolder, AbandonsTheTransferBeforeAnyReport)
{
    const QStringList shown = errorsDuring([this] { transfer(); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front().startsWith(QString::fromUtf8("Impossible de créer le fichier")));
    EXPECT_TRUE(SentCodes().empty());
    EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
    EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
    EXPECT_TRUE(inputsEnabled());
}

class TransferButtonWithShortWaits : public TransferButton {
    void SetUp() override
    {
        services.acknowledgementPeriod = 10ms;
        TransferButton::SetUp();
    }
};

TEST_F(TransferButtonWithShortWaits, SilentGeneratorStillGetsTheWholeWaveform)
{
    generator->SetAcknowledging(false);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    transfer();
    EXPECT_EQ(SentCodes(), TransferCodes(51, true));
    EXPECT_EQ(generator->Model().samples.size(), 3200u);
    EXPECT_FALSE(Find<QTimer>(*form, "Timer1")->isActive());
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
    EXPECT_TRUE(form->FrontPanel().State().generatorPath.empty());
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
    ASSERT_TRUE(dds::test::WaitFor("the program to be ended", [this] { return terminationRequests > 0; }));
    ExpectEndedNotConnected();
}
