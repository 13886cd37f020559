#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "test_device_fixture.h"
#include "widgets/rx_slider.h"

namespace {

using Codes = std::vector<int>;

class DeviceCommands : public DeviceWindow {
protected:
    void SetUp() override
    {
        DeviceWindow::SetUp();
        StartConnected();
    }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // A press and release on the amplitude slider's thumb: the slider does not move.
    void ReleaseAmplitudeAt(int position)
    {
        form->RxSlider4->setValue(position);
        QTest::mouseClick(form->RxSlider4, Qt::LeftButton, {}, form->RxSlider4->thumbRect().center());
    }
};

TEST_F(DeviceCommands, OffsetSliderSendsItsMirroredPositionAndShowsIt)
{
    for (const auto& [position, sent] : {std::pair{0, 255}, {127, 128}, {255, 0}}) {
        form->RxSlider3->setValue(position);
        ASSERT_FALSE(Sent().empty());
        EXPECT_EQ(Sent().back()[1], dds::gcOffset);
        EXPECT_EQ(Sent().back()[2], sent) << position;
        EXPECT_EQ(form->Label35->text(), QString::number(sent));
    }
    EXPECT_EQ(generator->Model().offsetByte, 0);
}

TEST_F(DeviceCommands, PlusAtTheLimitSendsOnceAndElsewhereTwice)
{
    form->RxSlider3->setValue(255);
    const size_t before = Sent().size();
    Click(form->SpeedButton2);
    ASSERT_EQ(Sent().size(), before + 1);
    EXPECT_EQ(Sent().back()[2], 0);

    form->RxSlider3->setValue(100);
    const size_t atHundred = Sent().size();
    Click(form->SpeedButton2);
    ASSERT_EQ(Sent().size(), atHundred + 2);
    EXPECT_EQ(Sent()[atHundred], Sent()[atHundred + 1]);
    EXPECT_EQ(Sent().back()[2], 154);
    EXPECT_EQ(form->RxSlider3->Value(), 101);
}

TEST_F(DeviceCommands, MinusAndCentreFollowTheSameRule)
{
    form->RxSlider3->setValue(0);
    size_t before = Sent().size();
    Click(form->SpeedButton3);
    EXPECT_EQ(Sent().size(), before + 1) << "minus at 0 only re-sends";
    EXPECT_EQ(Sent().back()[2], 255);

    before = Sent().size();
    Click(form->SpeedButton13);
    EXPECT_EQ(Sent().size(), before + 2);
    EXPECT_EQ(Sent().back()[2], 128);
    before = Sent().size();
    Click(form->SpeedButton13);
    EXPECT_EQ(Sent().size(), before + 1) << "centring a centred slider sends once";
}

TEST_F(DeviceCommands, AmplitudeIsSentAsASteppedDifferenceOnMouseRelease)
{
    ReleaseAmplitudeAt(40);
    ASSERT_EQ(SentCodes(), (Codes{dds::gcAmplitudeStep}));
    EXPECT_EQ(Sent()[0][2], 59);
    EXPECT_EQ(Sent()[0][3], 0);
    ReleaseAmplitudeAt(60);
    ASSERT_EQ(Sent().size(), 2u);
    EXPECT_EQ(Sent()[1][2], 20);
    EXPECT_EQ(Sent()[1][3], 1);
    ReleaseAmplitudeAt(60);
    ASSERT_EQ(Sent().size(), 3u) << "a release without movement still sends";
    EXPECT_EQ(Sent()[2][2], 0);
    EXPECT_EQ(Sent()[2][3], 1) << "byte 3 keeps the last direction";
    EXPECT_EQ(form->state.lastSentAmplitude, 60);
    EXPECT_EQ(generator->Model().amplitude, 60);
}

TEST_F(DeviceCommands, KeyboardMovesOfTheAmplitudeWaitForTheNextRelease)
{
    form->RxSlider4->setFocus();
    QTest::keyClick(form->RxSlider4, Qt::Key_Left);
    EXPECT_TRUE(Sent().empty());
    ReleaseAmplitudeAt(form->RxSlider4->Value());
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0][2], 99 - form->RxSlider4->Value());
}

TEST_F(DeviceCommands, AFilterRadioSendsOnlyWhenItBecomesChecked)
{
    Click(form->RadioButton4);
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3}));
    Click(form->RadioButton4);
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3})) << "checking F3 again sends nothing";
    Click(form->RadioButton1);
    Click(form->RadioButton8);
    EXPECT_EQ(SentCodes(), (Codes{dds::gcFilter3, dds::gcFilterOff, dds::gcFilter7}));
    EXPECT_EQ(generator->Model().filter, 7);
}

TEST_F(DeviceCommands, EachFilterRadioHasItsOwnCode)
{
    const std::vector<QRadioButton*> radios{form->RadioButton2, form->RadioButton3, form->RadioButton4,
                                            form->RadioButton5, form->RadioButton6, form->RadioButton7,
                                            form->RadioButton8, form->RadioButton1};
    for (QRadioButton* radio : radios)
        radio->setChecked(true);
    EXPECT_EQ(SentCodes(), (Codes{12, 13, 14, 15, 16, 17, 18, 11}));
}

TEST_F(DeviceCommands, RamReadBackTestSendsItsCode)
{
    form->SpeedButton1->click();
    EXPECT_EQ(SentCodes(), (Codes{dds::gcRamReadBackTest}));
}

TEST_F(DeviceCommands, ReportsKeepWhatEarlierReportsLeftInTheBuffer)
{
    form->RxSlider3->setValue(10); // byte 2 = 245
    Click(form->RadioButton3);
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
    form->RxSlider3->setValue(0);
    EXPECT_EQ(form->Label35->text(), "255");
    form->RadioButton5->setChecked(true);
    form->RxSlider4->setValue(10);
    QTest::mouseClick(form->RxSlider4, Qt::LeftButton, {}, form->RxSlider4->thumbRect().center());
    EXPECT_EQ(form->state.lastSentAmplitude, 10);
    EXPECT_EQ(form->generatorHolder.Report()[1], dds::gcAmplitudeStep);
    EXPECT_EQ(generator->WriteCount(), 0u);
}

} // namespace
