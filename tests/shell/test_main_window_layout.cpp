#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegion>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "editor/graph_xy.h"
#include "shell/unit1.h"
#include "test_services.h"
#include "widgets/ant_angle_label.h"
#include "widgets/caption_group_box.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_gif_animator.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// A sample across every container, the nested ones included.
const Placement kPlacements[] = {
    {"GroupBox3", "Form1", {8, 32, 361, 177}},
    {"Panel3", "GroupBox3", {24, 16, 313, 49}},
    {"SpeedButton11", "GroupBox3", {8, 68, 25, 25}},
    {"RxSlider1", "GroupBox3", {34, 64, 293, 41}},
    {"SpeedButton12", "GroupBox3", {328, 68, 25, 25}},
    {"GroupBox4", "GroupBox3", {8, 112, 345, 57}},
    {"DoubleSpeed1", "GroupBox4", {8, 16, 41, 33}},
    {"DoubleSpeed7", "GroupBox4", {296, 16, 41, 33}},
    {"GroupBox6", "Form1", {8, 216, 361, 145}},
    {"RxSlider3", "GroupBox6", {34, 48, 293, 33}},
    {"SpeedButton13", "GroupBox6", {166, 32, 25, 17}},
    {"RxSlider4", "GroupBox6", {8, 104, 345, 33}},
    {"Panel11", "GroupBox6", {8, 16, 345, 121}},
    {"Panel12", "Panel11", {112, 8, 233, 105}},
    {"GroupBox1", "Form1", {8, 368, 361, 193}},
    {"Panel1", "GroupBox1", {8, 24, 345, 153}},
    {"Panel9", "GroupBox1", {8, 16, 345, 169}},
    {"SpeedButton10", "Panel9", {8, 8, 329, 73}},
    {"GroupBox7", "Panel9", {8, 88, 329, 73}},
    // Designed at 112; the language texts centre it in its group at once: (329 - 89) / 2.
    {"RadioButton1", "GroupBox7", {120, 24, 89, 17}},
    {"RadioButton7", "GroupBox7", {240, 48, 33, 17}},
    {"RadioButton8", "GroupBox7", {288, 48, 33, 17}},
    {"GroupBox2", "Form1", {376, 32, 577, 529}},
    {"GraphXY1", "GroupBox2", {8, 15, 561, 506}},
    {"GroupBox5", "Form1", {8, 560, 945, 145}},
    {"DoubleSpeed8", "GroupBox5", {8, 32, 73, 33}},
    {"DoubleSpeed19", "GroupBox5", {272, 88, 73, 33}},
    {"DoubleSpeed17", "GroupBox5", {448, 88, 73, 33}},
    {"DoubleSpeed18", "GroupBox5", {536, 24, 65, 57}},
    {"SpeedButton9", "GroupBox5", {544, 88, 49, 41}},
    {"Panel8", "GroupBox5", {8, 24, 521, 105}},
    {"Panel4", "GroupBox5", {632, 7, 305, 135}},
    {"Panel7", "Panel4", {8, 0, 177, 137}},
    {"RxSlider2", "Panel7", {16, 0, 25, 137}},
    {"Panel5", "Panel7", {64, 0, 105, 129}},
    {"JvDialButton1", "Panel5", {16, 40, 73, 73}},
    {"Panel2", "Panel4", {184, 0, 113, 129}},
    {"JvDialButton2", "Panel2", {16, 40, 73, 73}},
    {"Panel13", "Panel4", {176, 0, 121, 137}},
    {"RxSpinEdit1", "Panel13", {40, 72, 49, 21}},
    {"Panel10", "GroupBox5", {632, 10, 305, 129}},
    {"JvDialButton3", "Panel10", {120, 40, 73, 73}},
    {"ToolBar1", "Form1", {0, 0, 959, 29}},
    {"StatusBar1", "Form1", {0, 707, 959, 18}},
    {"ListBox2", "Form1", {1296, 64, 201, 641}},
    {"StringGrid1", "Form1", {1120, 40, 153, 665}},
    {"SpeedButton1", "Form1", {760, 288, 161, 25}},
    {"BitBtn1", "Form1", {1304, 712, 201, 17}},
};

QByteArray DoubleSpeed(int number) { return "DoubleSpeed" + QByteArray::number(number); }

class MainWindowLayoutTest : public ::testing::Test {
protected:
    QWidget* find(const char* name) const
    {
        if (form.objectName() == name)
            return const_cast<TForm1*>(&form);
        return form.findChild<QWidget*>(QString::fromLatin1(name));
    }
    RecordedServices services;
    TForm1 form{services.For()};
};

TEST_F(MainWindowLayoutTest, EveryControlSitsInItsContainerAtItsPlace)
{
    for (const Placement& p : kPlacements) {
        QWidget* widget = find(p.name);
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->parentWidget(), find(p.parent)) << p.name;
        EXPECT_EQ(widget->geometry(), p.geometry) << p.name;
    }
}

TEST(MainWindowLayoutMembers, AreTheNamedControls)
{
    QWidget host;
    const MainWindowLayout ui(&host);
    EXPECT_EQ(ui.RxSlider1, Find<TRxSlider>(host, "RxSlider1"));
    EXPECT_EQ(ui.DoubleSpeed20, Find<TDoubleSpeed>(host, "DoubleSpeed20"));
    EXPECT_EQ(ui.Label36, Find<QLabel>(host, "Label36"));
    EXPECT_EQ(ui.antAngleLabel1, Find<TantAngleLabel>(host, "antAngleLabel1"));
}

TEST_F(MainWindowLayoutTest, WindowHasAFixedClientArea)
{
    EXPECT_EQ(form.size(), QSize(959, 725));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowLayoutTest, WindowIsCentredOnTheDesktop)
{
    const QRect desktop = form.screen()->availableGeometry();
    EXPECT_EQ(form.x(), desktop.center().x() - 959 / 2);
    EXPECT_EQ(form.y(), desktop.center().y() - 725 / 2);
}

TEST_F(MainWindowLayoutTest, ToolbarHoldsItsThirteenEntriesInOrder)
{
    const char* const expected[] = {"ToolButton13", "ToolButton3",  "ToolButton8", "ToolButton2", "ToolButton4",
                                    "ToolButton9",  "ToolButton6",  "ToolButton5", "ToolButton19", "ToolButton10",
                                    "ToolButton7",  "ToolButton11", "ToolButton1"};
    const QList<QAction*> actions = Find<QToolBar>(form, "ToolBar1")->actions();
    ASSERT_GE(actions.size(), 13) << "entries added to the toolbar come after these";
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(Find<QToolBar>(form, "ToolBar1")->widgetForAction(actions[i])->objectName(), expected[i]) << "entry " << i + 1;
    EXPECT_EQ(Find<QWidget>(form, "ToolButton13")->width(), 17);
    for (QToolButton* button : {Find<QToolButton>(form, "ToolButton3"), Find<QToolButton>(form, "ToolButton2"), Find<QToolButton>(form, "ToolButton4"), Find<QToolButton>(form, "ToolButton6"),
                                Find<QToolButton>(form, "ToolButton5"), Find<QToolButton>(form, "ToolButton19"), Find<QToolButton>(form, "ToolButton7"), Find<QToolButton>(form, "ToolButton1")}) {
        EXPECT_EQ(button->size(), QSize(31, 23)) << button->objectName().toStdString();
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << button->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, StatusBarHasFourFixedPanels)
{
    ASSERT_EQ(Find<PanelStatusBar>(form, "StatusBar1")->panelCount(), 4);
    const int widths[] = {350, 420, 100, 100};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Find<PanelStatusBar>(form, "StatusBar1")->panelWidth(i), widths[i]);
    EXPECT_THROW(Find<PanelStatusBar>(form, "StatusBar1")->setPanelText(4, "x"), std::out_of_range);
}

TEST_F(MainWindowLayoutTest, GroupCaptionsAreBoldAndDesignFontsArePixelSized)
{
    for (QGroupBox* group : form.findChildren<QGroupBox*>())
        EXPECT_TRUE(group->font().bold()) << group->objectName().toStdString();
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(Find<QLabel>(form, "Label10")->font().pixelSize(), 35);
    EXPECT_TRUE(Find<QLabel>(form, "Label10")->font().bold());
    EXPECT_EQ(Find<QLabel>(form, "Label10")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Find<QLabel>(form, "Label7")->font().pixelSize(), 16);
    EXPECT_EQ(Find<QLabel>(form, "Label3")->font().pixelSize(), 13);
}

TEST_F(MainWindowLayoutTest, ButtonGroupsAndCaptionsAreSetUp)
{
    const char* const captions[] = {"1", "10", "100", "1k", "10k", "100k", "1M"};
    for (int range = 1; range <= 7; ++range) {
        const TDoubleSpeed* button = Find<TDoubleSpeed>(form, DoubleSpeed(range).constData());
        EXPECT_EQ(button->Caption(), captions[range - 1]);
        EXPECT_EQ(button->Caption2(), captions[range - 1]);
        EXPECT_EQ(button->GroupIndex(), 4);
        EXPECT_TRUE(button->AllowAllUp());
    }
    for (int preset = 8; preset <= 20; ++preset)
        EXPECT_EQ(Find<TDoubleSpeed>(form, DoubleSpeed(preset).constData())->GroupIndex(), 4);
    // The filter-off radio is re-centred with its caption; only its row and size are fixed.
    EXPECT_EQ(Find<QRadioButton>(form, "RadioButton1")->parentWidget(), Find<QGroupBox>(form, "GroupBox7"));
    EXPECT_EQ(Find<QRadioButton>(form, "RadioButton1")->y(), 24);
    EXPECT_EQ(Find<QRadioButton>(form, "RadioButton1")->size(), QSize(89, 17));
    EXPECT_EQ(Find<QRadioButton>(form, "RadioButton2")->text(), "F1");
    EXPECT_EQ(Find<QRadioButton>(form, "RadioButton8")->text(), "F7");
    EXPECT_EQ(Find<TRxSlider>(form, "RxSlider2")->Orientation(), soVertical);
    EXPECT_EQ(Find<TJvDialButton>(form, "JvDialButton1")->Radius(), 25);
    EXPECT_EQ(Find<TJvDialButton>(form, "JvDialButton3")->PointerShape(), psTriangle);
}

TEST_F(MainWindowLayoutTest, EveryPictureIsFoundInTheResources)
{
    std::vector<QAbstractButton*> pictured{Find<QToolButton>(form, "ToolButton3"),  Find<QToolButton>(form, "ToolButton2"),  Find<QToolButton>(form, "ToolButton4"), Find<QToolButton>(form, "ToolButton6"),
                                           Find<QToolButton>(form, "ToolButton5"),  Find<QToolButton>(form, "ToolButton19"), Find<QToolButton>(form, "ToolButton7"), Find<QToolButton>(form, "ToolButton1"),
                                           Find<QToolButton>(form, "SpeedButton13"), Find<QToolButton>(form, "SpeedButton8"), Find<QToolButton>(form, "SpeedButton10"), Find<QToolButton>(form, "SpeedButton9"),
                                           Find<TDoubleSpeed>(form, "DoubleSpeed18")};
    for (int preset = 8; preset <= 20; ++preset)
        pictured.push_back(Find<TDoubleSpeed>(form, DoubleSpeed(preset).constData()));
    for (QAbstractButton* button : pictured)
        EXPECT_FALSE(button->icon().pixmap(button->iconSize()).isNull()) << button->objectName().toStdString();
    EXPECT_GT(Find<TRxGIFAnimator>(form, "RxGIFAnimator1")->FrameCount(), 1);
    EXPECT_GT(Find<TRxGIFAnimator>(form, "RxGIFAnimator2")->FrameCount(), 1);
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(MainWindowLayoutTest, PlotStartsWithTheDesignValues)
{
    EXPECT_EQ(Find<TGraphXY>(form, "GraphXY1")->BackColor(), QColor(Qt::black));
    EXPECT_EQ(Find<TGraphXY>(form, "GraphXY1")->GridColor(), QColor(Qt::white));
    EXPECT_EQ(Find<TGraphXY>(form, "GraphXY1")->PositionCaption(), TPositionCaption::TopLeft);
    EXPECT_EQ(Find<TGraphXY>(form, "GraphXY1")->Font().pixelSize(), 11);
}

TEST_F(MainWindowLayoutTest, WorkingControlsNeverShowInTheClientArea)
{
    const QRect client(QPoint(0, 0), form.size());
    // The only visible controls allowed to lie over them: the plot group and the status bar.
    const QRegion covers = QRegion(Find<QGroupBox>(form, "GroupBox2")->geometry()) + QRegion(Find<PanelStatusBar>(form, "StatusBar1")->geometry());
    QWidget bare;
    for (const QWidget* designed : MainWindowLayout(&bare).workingControls()) {
        QWidget* working = Find(form, designed->objectName().toLatin1().constData());
        ASSERT_EQ(working->parentWidget(), &form);
        const QRegion exposed = QRegion(working->geometry().intersected(client)) - covers;
        EXPECT_TRUE(exposed.isEmpty()) << working->objectName().toStdString();
        EXPECT_LT(form.children().indexOf(working), form.children().indexOf(Find<QGroupBox>(form, "GroupBox2")))
            << working->objectName().toStdString() << " must lie below the plot group";
    }
}

// Covering is not enough when the cover is see-through: the transfer fills the labels below the
// status bar with its figures, and none of that may show through the panels. Painted solid here so
// that any face's glyph placement would show.
TEST_F(MainWindowLayoutTest, StatusBarHidesTheWorkingLabelsBelowIt)
{
    form.show();
    const QRect bar = Find<PanelStatusBar>(form, "StatusBar1")->geometry();
    const QImage before = form.grab(bar).toImage();
    for (QLabel* label : {Find<QLabel>(form, "Label32"), Find<QLabel>(form, "Label35"), Find<QLabel>(form, "Label33")}) {
        label->setText(QStringLiteral("3200 échantillons"));
        label->setStyleSheet(QStringLiteral("background: red"));
    }
    EXPECT_EQ(form.grab(bar).toImage(), before);
}

// The layout's controls start right under the group captions; the frames are drawn to match.
TEST_F(MainWindowLayoutTest, NoControlCrossesTheFrameOfItsGroup)
{
    const QList<CaptionGroupBox*> groups = form.findChildren<CaptionGroupBox*>();
    ASSERT_EQ(groups.size(), 7);
    for (const CaptionGroupBox* group : groups) {
        for (const QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(group->insideFrame().contains(control->geometry()))
                << control->objectName().toStdString() << " crosses the frame of " << group->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, GroupFrameLineRunsThroughTheMiddleOfTheCaption)
{
    form.show();
    auto* group = static_cast<CaptionGroupBox*>(Find<QGroupBox>(form, "GroupBox6"));
    const QImage picture = group->grab().toImage();
    const QRgb shadow = group->palette().color(QPalette::Mid).rgb();
    const QRect caption = group->captionRect();
    const int line = group->frameRect().top();
    EXPECT_GE(line, 3);
    EXPECT_LE(line, caption.center().y());
    // The line runs from the caption's end to the right edge, and down both sides.
    EXPECT_EQ(picture.pixel(caption.right() + 4, line), shadow);
    EXPECT_EQ(picture.pixel(group->width() - 40, line), shadow);
    EXPECT_EQ(picture.pixel(0, group->height() / 2), shadow);
    // The caption is drawn over it, and nothing of a frame lies where the controls start.
    EXPECT_NE(picture.pixel(caption.left() + 20, line), shadow);
    for (int y = group->insideFrame().top(); y < 40; ++y)
        EXPECT_NE(picture.pixel(group->width() / 2 + 100, y), shadow) << y;
}

// Red, blue or black, every label of a disabled group turns grey, and takes its colour back after.
TEST_F(MainWindowLayoutTest, DisabledGroupGreysEveryLabelTheColouredOnesIncluded)
{
    form.show();
    const auto colourOf = [](const QLabel* label) { return label->palette().color(QPalette::Active, QPalette::WindowText); };
    const auto inkPixels = [](QLabel* label, const QColor& ink) {
        const QImage picture = label->grab().toImage();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixelColor(x, y) == ink;
        return count;
    };
    const std::pair<QGroupBox*, QList<QLabel*>> groups[] = {
        {Find<QGroupBox>(form, "GroupBox3"), {Find<QLabel>(form, "Label10")}},
        {Find<QGroupBox>(form, "GroupBox6"), {Find<QLabel>(form, "Label7"), Find<QLabel>(form, "Label8"), Find<QLabel>(form, "Label36"), Find<QLabel>(form, "Label14")}},
        {Find<QGroupBox>(form, "GroupBox1"), {Find<QLabel>(form, "Label3"), Find<QLabel>(form, "Label4"), Find<QLabel>(form, "Label5"), Find<QLabel>(form, "Label6")}},
        {Find<QGroupBox>(form, "GroupBox5"), {Find<QLabel>(form, "Label21"), Find<QLabel>(form, "Label16"), Find<QLabel>(form, "Label19")}},
    };
    for (const auto& [group, labels] : groups) {
        group->setEnabled(true);
        for (QLabel* label : labels) {
            label->setText(QStringLiteral("Amplitude 100%"));
            ASSERT_GT(inkPixels(label, colourOf(label)), 0) << label->objectName().toStdString();
        }
        group->setEnabled(false);
        for (QLabel* label : labels)
            EXPECT_EQ(inkPixels(label, colourOf(label)), 0) << label->objectName().toStdString() << " keeps its colour";
        group->setEnabled(true);
        for (QLabel* label : labels)
            EXPECT_GT(inkPixels(label, colourOf(label)), 0) << label->objectName().toStdString();
    }
    EXPECT_EQ(colourOf(Find<QLabel>(form, "Label10")), QColor(Qt::red));
    EXPECT_EQ(colourOf(Find<QLabel>(form, "Label3")), QColor(Qt::blue));
}

} // namespace
