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

TEST_F(MainWindowLayoutTest, MembersAreTheNamedControls)
{
    EXPECT_EQ(form.RxSlider1, find("RxSlider1"));
    EXPECT_EQ(form.DoubleSpeed20, find("DoubleSpeed20"));
    EXPECT_EQ(form.Label36, find("Label36"));
    EXPECT_EQ(form.antAngleLabel1, find("antAngleLabel1"));
    EXPECT_EQ(form.presetButtons()[9], form.DoubleSpeed17) << "waveform kind 10 is the DC button";
    EXPECT_EQ(form.presetButtons()[11], form.DoubleSpeed20) << "waveform kind 12 is the noise button";
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
    const QList<QAction*> actions = form.ToolBar1->actions();
    ASSERT_GE(actions.size(), 13) << "entries added to the toolbar come after these";
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(form.ToolBar1->widgetForAction(actions[i])->objectName(), expected[i]) << "entry " << i + 1;
    EXPECT_EQ(form.ToolButton13->width(), 17);
    for (QToolButton* button : {form.ToolButton3, form.ToolButton2, form.ToolButton4, form.ToolButton6,
                                form.ToolButton5, form.ToolButton19, form.ToolButton7, form.ToolButton1}) {
        EXPECT_EQ(button->size(), QSize(31, 23)) << button->objectName().toStdString();
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << button->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, StatusBarHasFourFixedPanels)
{
    ASSERT_EQ(form.StatusBar1->panelCount(), 4);
    const int widths[] = {350, 420, 100, 100};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.StatusBar1->panelWidth(i), widths[i]);
    EXPECT_THROW(form.StatusBar1->setPanelText(4, "x"), std::out_of_range);
}

TEST_F(MainWindowLayoutTest, GroupCaptionsAreBoldAndDesignFontsArePixelSized)
{
    for (QGroupBox* group : form.findChildren<QGroupBox*>())
        EXPECT_TRUE(group->font().bold()) << group->objectName().toStdString();
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.Label10->font().pixelSize(), 35);
    EXPECT_TRUE(form.Label10->font().bold());
    EXPECT_EQ(form.Label10->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(form.Label7->font().pixelSize(), 16);
    EXPECT_EQ(form.Label3->font().pixelSize(), 13);
}

TEST_F(MainWindowLayoutTest, ButtonGroupsAndCaptionsAreSetUp)
{
    const char* const captions[] = {"1", "10", "100", "1k", "10k", "100k", "1M"};
    const auto ranges = form.rangeButtons();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_EQ(ranges[i]->Caption(), captions[i]);
        EXPECT_EQ(ranges[i]->Caption2(), captions[i]);
        EXPECT_EQ(ranges[i]->GroupIndex(), 4);
        EXPECT_TRUE(ranges[i]->AllowAllUp());
    }
    for (TDoubleSpeed* preset : form.presetButtons())
        EXPECT_EQ(preset->GroupIndex(), 4);
    // The filter-off radio is re-centred with its caption; only its row and size are fixed.
    EXPECT_EQ(form.RadioButton1->parentWidget(), form.GroupBox7);
    EXPECT_EQ(form.RadioButton1->y(), 24);
    EXPECT_EQ(form.RadioButton1->size(), QSize(89, 17));
    EXPECT_EQ(form.RadioButton2->text(), "F1");
    EXPECT_EQ(form.RadioButton8->text(), "F7");
    EXPECT_EQ(form.RxSlider2->Orientation(), soVertical);
    EXPECT_EQ(form.JvDialButton1->Radius(), 25);
    EXPECT_EQ(form.JvDialButton3->PointerShape(), psTriangle);
}

TEST_F(MainWindowLayoutTest, EveryPictureIsFoundInTheResources)
{
    std::vector<QAbstractButton*> pictured{form.ToolButton3,  form.ToolButton2,  form.ToolButton4, form.ToolButton6,
                                           form.ToolButton5,  form.ToolButton19, form.ToolButton7, form.ToolButton1,
                                           form.SpeedButton13, form.SpeedButton8, form.SpeedButton10, form.SpeedButton9,
                                           form.DoubleSpeed18};
    for (TDoubleSpeed* preset : form.presetButtons())
        pictured.push_back(preset);
    for (QAbstractButton* button : pictured)
        EXPECT_FALSE(button->icon().pixmap(button->iconSize()).isNull()) << button->objectName().toStdString();
    EXPECT_GT(form.RxGIFAnimator1->FrameCount(), 1);
    EXPECT_GT(form.RxGIFAnimator2->FrameCount(), 1);
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(MainWindowLayoutTest, PlotStartsWithTheDesignValues)
{
    EXPECT_EQ(form.GraphXY1->BackColor(), QColor(Qt::black));
    EXPECT_EQ(form.GraphXY1->GridColor(), QColor(Qt::white));
    EXPECT_EQ(form.GraphXY1->PositionCaption(), TPositionCaption::TopLeft);
    EXPECT_EQ(form.GraphXY1->Font().pixelSize(), 11);
}

TEST_F(MainWindowLayoutTest, WorkingControlsNeverShowInTheClientArea)
{
    const QRect client(QPoint(0, 0), form.size());
    // The only visible controls allowed to lie over them: the plot group and the status bar.
    const QRegion covers = QRegion(form.GroupBox2->geometry()) + QRegion(form.StatusBar1->geometry());
    for (QWidget* working : form.workingControls()) {
        ASSERT_EQ(working->parentWidget(), &form);
        const QRegion exposed = QRegion(working->geometry().intersected(client)) - covers;
        EXPECT_TRUE(exposed.isEmpty()) << working->objectName().toStdString();
        EXPECT_LT(form.children().indexOf(working), form.children().indexOf(form.GroupBox2))
            << working->objectName().toStdString() << " must lie below the plot group";
    }
}

// Covering is not enough when the cover is see-through: the transfer fills the labels below the
// status bar with its figures, and none of that may show through the panels. Painted solid here so
// that any face's glyph placement would show.
TEST_F(MainWindowLayoutTest, StatusBarHidesTheWorkingLabelsBelowIt)
{
    form.show();
    const QRect bar = form.StatusBar1->geometry();
    const QImage before = form.grab(bar).toImage();
    for (QLabel* label : {form.Label32, form.Label35, form.Label33}) {
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
    auto* group = static_cast<CaptionGroupBox*>(form.GroupBox6);
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
        {form.GroupBox3, {form.Label10}},
        {form.GroupBox6, {form.Label7, form.Label8, form.Label36, form.Label14}},
        {form.GroupBox1, {form.Label3, form.Label4, form.Label5, form.Label6}},
        {form.GroupBox5, {form.Label21, form.Label16, form.Label19}},
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
    EXPECT_EQ(colourOf(form.Label10), QColor(Qt::red));
    EXPECT_EQ(colourOf(form.Label3), QColor(Qt::blue));
}

} // namespace
