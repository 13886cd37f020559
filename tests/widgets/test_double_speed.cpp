#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <array>

#include "widgets/double_speed.h"

namespace {

TEST(DoubleSpeed, ClickSwapsCaptionsAndHintsAndInvertsTheTag)
{
    TDoubleSpeed button;
    button.setCaption("Sinus");
    button.setCaption2("Sinus*");
    button.setHint("Signal sinusoïdal");
    button.setTag(0);
    bool downInHandler = false;
    QObject::connect(&button, &TDoubleSpeed::OnClick, [&] { downInHandler = button.Down(); });

    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(downInHandler);
    EXPECT_EQ(button.Caption(), "Sinus*");
    EXPECT_EQ(button.Caption2(), "Sinus");
    EXPECT_EQ(button.Hint(), "");
    EXPECT_EQ(button.Hint2(), "Signal sinusoïdal");
    EXPECT_NE(button.Tag(), 0);

    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(downInHandler);
    EXPECT_EQ(button.Caption(), "Sinus");
    EXPECT_EQ(button.Hint(), "Signal sinusoïdal");
    EXPECT_EQ(button.Tag(), 0);
}

TEST(DoubleSpeed, SettingDownFromTheProgramSwapsNothing)
{
    TDoubleSpeed button;
    button.setCaption("10k");
    button.setCaption2("other");
    button.setHint("Calibre 10kHz");
    QSignalSpy clicks(&button, &TDoubleSpeed::OnClick);
    button.setDown(true);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(button.Caption(), "10k");
    EXPECT_EQ(button.Hint(), "Calibre 10kHz");
    EXPECT_EQ(clicks.count(), 0);
}

class ButtonGroup : public ::testing::Test {
protected:
    ButtonGroup()
    {
        for (auto*& button : buttons)
            button = new TDoubleSpeed(&box);
        stranger = new TDoubleSpeed(&otherBox);
        box.show();
        otherBox.show();
    }
    std::array<bool, 3> downs() const { return {buttons[0]->Down(), buttons[1]->Down(), buttons[2]->Down()}; }

    QWidget box;
    QWidget otherBox;
    std::array<TDoubleSpeed*, 3> buttons{};
    TDoubleSpeed* stranger = nullptr;
};

TEST_F(ButtonGroup, CreatedAsGroupFourWithAllUpAllowed)
{
    EXPECT_EQ(buttons[0]->GroupIndex(), 4);
    EXPECT_TRUE(buttons[0]->AllowAllUp());
    EXPECT_EQ(downs(), (std::array{false, false, false}));
}

TEST_F(ButtonGroup, PuttingOneDownReleasesTheOthersOfTheSameParentOnly)
{
    stranger->setDown(true);
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(downs(), (std::array{true, false, false}));
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_EQ(downs(), (std::array{false, false, true}));
    buttons[1]->setDown(true);
    EXPECT_EQ(downs(), (std::array{false, true, false}));
    EXPECT_TRUE(stranger->Down());
}

TEST_F(ButtonGroup, ClickingTheDownButtonReleasesIt)
{
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(downs(), (std::array{false, false, false}));
}

TEST_F(ButtonGroup, WithoutAllUpTheDownButtonStaysDown)
{
    for (auto* button : buttons)
        button->setAllowAllUp(false);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(downs(), (std::array{false, true, false}));
}

TEST_F(ButtonGroup, AnotherGroupIndexIsAnotherGroup)
{
    buttons[2]->setGroupIndex(5);
    buttons[0]->setDown(true);
    buttons[2]->setDown(true);
    EXPECT_EQ(downs(), (std::array{true, false, true}));
}

TEST(DoubleSpeed, WithoutAGroupTheButtonDoesNotLatch)
{
    TDoubleSpeed button;
    button.setGroupIndex(0);
    QSignalSpy clicks(&button, &TDoubleSpeed::OnClick);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks.count(), 1);
}

// An up button shows a raised face, like the window's other speed buttons: its edges are drawn in
// other colours than the window behind it, with the pointer nowhere near.
TEST(DoubleSpeed, UpButtonShowsARaisedFace)
{
    QWidget window;
    window.resize(120, 60);
    auto* button = new TDoubleSpeed(&window);
    button->setCaption(QStringLiteral("10k"));
    button->setGeometry(10, 10, 41, 33);
    QToolButton plain(&window);
    plain.setText(QStringLiteral("+"));
    plain.setGeometry(60, 10, 41, 33);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_FALSE(button->Down());
    const QColor background = window.palette().color(QPalette::Window);
    const auto edges = [](QWidget* widget) {
        const QImage face = widget->grab().toImage();
        return std::array<QColor, 4>{face.pixelColor(0, face.height() / 2), face.pixelColor(face.width() - 1, face.height() / 2),
                                     face.pixelColor(face.width() / 2, 0), face.pixelColor(face.width() / 2, face.height() - 1)};
    };
    const auto buttonEdges = edges(button);
    const auto plainEdges = edges(&plain);
    for (std::size_t side = 0; side < 4; ++side) {
        EXPECT_NE(buttonEdges[side], background) << side;
        EXPECT_EQ(buttonEdges[side], plainEdges[side]) << side;
    }
}

} // namespace
