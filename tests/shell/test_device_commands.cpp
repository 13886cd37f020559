#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "event_waits.h"
#include "test_device_fixture.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

namespace {

using Codes = std::vector<int>;

class DeviceCommands : public DeviceWindow {
protected:
    void SetUp() override
    {
        DeviceWindow::SetUp();
        StartConnected();
    }
};

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// A press and release on the amplitude slider's thumb: the slider does not move.
void ReleaseAmplitudeAt(const TForm1& form, int position)
{
    TRxSlider* amplitude = Find<TRxSlider>(form, "RxSlider4");
    amplitude->setValue(position);
    QTest::mouseClick(amplitude, Qt::LeftButton, {}, amplitude->thumbRect().center());
}

TEST_F(DeviceCommands, OffsetSliderSendsItsMirroredPositionAndShowsIt)
{
    for (const auto& [position, sent] : {std::pair{0, 255}, {127, 128}, {255, 0}}) {
        Find<TRxSlider>(*form, "RxSlider3")->setValue(position);
        ASSERT_FALSE(Sent().empty());
        EXPECT_EQ(Sent().back()[1], dds::gcOffset);
        EXPECT_EQ(Sent().back()[2], sent) << position;
        EXPECT_EQ(Find<QLabel>(*form, "Label35")->text(), QString::number(sent));
    }
    EXPECT_EQ(generator->Model().offsetByte, 0);
}

TEST_F(DeviceCommands, PlusAtTheLimitSendsOnceAndElsewhereTwice)
{
    Find<TRxSlider>(*form, "RxSlider3")->setValue(255);
    const size_t before = Sent().size();
    Click(Find<QToolButton>(*form, "SpeedButton2"));
    ASSERT_EQ(Sent().size(), before + 1);
    EXPECT_EQ(Sent().back()[2], 0);

    Find<TRxSlider>(*form, "RxSlider3")->setValue(100);
    const size_t atHundred = Sent().size();
    Click(Find<QToolButton>(*form, "SpeedButton2"));
    ASSERT_EQ(Sent().size(), atHundred + 2);
    EXPECT_EQ(Sent()[atHundred], Sent()[atHundred + 1]);
    EXPECT_EQ(Sent().back()[2], 154);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider3")->Value(), 101);
}

TEST_F(DeviceCommands, MinusAndCentreFollowTheSameRule)
{
    Find<TRxSlider>(*form, "RxSlider3")->setValue(0);
    size_t before = Sent().size();
    Click(Find<QToolButton>(*form, "SpeedButton3"));
    EXPECT_EQ(Sent().size(), before + 1) << "minus at 0 only re-sends";
    EXPECT_EQ(Sent().back()[2], 255);

    before = Sent().size();
    Click(Find<QToolButton>(*form, "SpeedButton13"));
    EXPECT_EQ(Sent().size(), before + 2);
    EXPECT_EQ(Sent().back()[2], 128);
    before = Sent().size();
    Click(Find<QToolButton>(*form, "SpeedButton13"));
    EXPECT_EQ(Sent().size(), before + 1) << "centring a centred slider sends once";
}

TEST_F(DeviceCommands, AmplitudeIsSentAsASteppedDifferenceOnMouseRelease)
{
    ReleaseAmplitudeAt(*form, 40);
    ASSERT_EQ(SentCodes(), (Codes{dds::gcAmplitudeStep}));
    EXPECT_EQ(Sent()[0][2], 59);
    EXPECT_EQ(Sent()[0][3], 0);
    ReleaseAmplitudeAt(*form, 60);
    ASSERT_EQ(Sent().size(), 2u);
    EXPECT_EQ(Sent()[1][2], 20);
    EXPECT_EQ(Sent()[1][3], 1);
    ReleaseAmplitudeAt(*form, 60);
    ASSERT_EQ(Sent().size(), 3u) << "a release without movement still sends";
    EXPECT_EQ(Sent()[2][2], 0);
    EXPECT_EQ(Sent()[2][3], 1) << "byte 3 keeps the last direction";
    EXPECT_EQ(generator->Model().amplitude, 60);
}

TEST_F(DeviceCommands, KeyboardMovesOfTheAmplitudeWaitForTheNextRelease)
{
    Find<TRxSlider>(*form, "RxSlider4")->setFocus();
    QTest::keyClick(Find<TRxSlider>(*form, "RxSlider4"), Qt::Key_Left);
    EXPECT_TRUE(Sent().empty());
    ReleaseAmplitudeAt(*form, Find<TRxSlider>(*form, "RxSlider4")->Value());
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0][2], 99 - Find<TRxSlider>(*form, "RxSlider4")->Value());
}

TEST_F(DeviceCommands, AFilterRadioSendsOnlyWhenItBecomesChecked)
{
    Click(Find<QRadioButton>(*form, "RadioButton4"));
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3}));
    Click(Find<QRadioButton>(*form, "RadioButton4"));
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3})) << "checking F3 again sends nothing";
    Click(Find<QRadioButton>(*form, "RadioButton1"));
    Click(Find<QRadioButton>(*form, "RadioButton8"));
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3, dds::gcFilterOff, dds::gcFilter7}));
    EXPECT_EQ(generator->Model().filter, 7);
}

TEST_F(DeviceCommands, EachFilterRadioHasItsOwnCode)
{
    const std::vector<QRadioButton*> radios{
        Find<QRadioButton>(*form, "RadioButton2"), Find<QRadioButton>(*form, "RadioButton3"),
        Find<QRadioButton>(*form, "RadioButton4"), Find<QRadioButton>(*form, "RadioButton5"),
        Find<QRadioButton>(*form, "RadioButton6"), Find<QRadioButton>(*form, "RadioButton7"),
        Find<QRadioButton>(*form, "RadioButton8"), Find<QRadioButton>(*form, "RadioButton1")};
    for (QRadioButton* radio : radios)
        radio->setChecked(true);
    EXPECT_EQ(SentCodes(), (Codes{12, 13, 14, 15, 16, 17, 18, 11}));
}

TEST_F(DeviceCommands, RamReadBackTestSendsItsCode)
{
    Find<QToolButton>(*form, "SpeedButton1")->click();
    EXPECT_EQ(SentCodes(), (Codes{dds::gcRamReadBackTest}));
}

TEST_F(DeviceCommands, ReportsKeepWhatEarlierReportsLeftInTheBuffer)
{
    Find<TRxSlider>(*form, "RxSlider3")->setValue(10); // byte 2 = 245
    Click(Find<QRadioButton>(*form, "RadioButton3"));
    ASSERT_EQ(Sent().size(), 2u);
    EXPECT_EQ(Sent()[1][1], dds::gcFilter2);
    EXPECT_EQ(Sent()[1][2], 245);
}

class DeviceCommandsWithoutGenerator : public DeviceWindow {};

TEST_F(DeviceCommandsWithoutGenerator, ControlsStillUpdateTheirLabelsAndNothingIsWritten)
{
    CreateWindow();
    Pump();
    FinishStartUpPicture();
    Find<TRxSlider>(*form, "RxSlider3")->setValue(0);
    EXPECT_EQ(Find<QLabel>(*form, "Label35")->text(), "255");
    Find<QRadioButton>(*form, "RadioButton5")->setChecked(true);
    ReleaseAmplitudeAt(*form, 10);
    ReleaseAmplitudeAt(*form, 50);
    EXPECT_EQ(generator->WriteCount(), 0u);
    // The steps were taken all the same: from 50, with the last one's direction (up) in the buffer.
    bus->Plug(generator);
    ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
    ReleaseAmplitudeAt(*form, 50);
    const Report step = generator->Written().back();
    EXPECT_EQ(step[1], dds::gcAmplitudeStep);
    EXPECT_EQ(step[2], 0);
    EXPECT_EQ(step[3], 1);
}

} // namespace
