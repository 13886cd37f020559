#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "panel/front_panel.h"
#include "event_waits.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

class UndoRedo : public WaveformWindow {
protected:
    void SetUp() override
    {
        WaveformWindow::SetUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // The keys as the operator presses them, delivered to the window that has the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, k, modifiers);
    }
    void undo() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redoY() { key(Qt::Key_Y, Qt::ControlModifier); }
    void redoShiftZ() { key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    // The window shows a restored table as it shows an opened file.
    void expectShownAsAFile()
    {
        EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
        EXPECT_FALSE(form->FrontPanel().State().presetDown);
        EXPECT_TRUE(plotShowsTable());
    }
    dds::EditSnapshot state() const
    {
        return {form->FrontPanel().State().table, static_cast<int>(form->FrontPanel().State().kind)};
    }
};

TEST_F(UndoRedo, KeysWalkBackAndForthThroughPresetsAndShapeChanges)
{
    const dds::EditSnapshot sine = state();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    const dds::EditSnapshot rectangle = state();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed13"));
    Find<TJvDialButton>(*form, "JvDialButton2")->setFocus();
    QTest::keyClick(Find<TJvDialButton>(*form, "JvDialButton2"), Qt::Key_Up);
    QApplication::processEvents(); // the key's release closes its step
    const dds::EditSnapshot shaped = state();
    ASSERT_EQ(shaped.kind, 6);
    ASSERT_NE(Find<TJvDialButton>(*form, "JvDialButton2")->Position(), 50);

    undo();
    EXPECT_EQ(state().kind, 6);
    EXPECT_NE(state(), shaped);
    expectShownAsAFile();
    undo();
    EXPECT_EQ(state(), rectangle);
    expectShownAsAFile();
    undo();
    EXPECT_EQ(state(), sine);
    undo(); // nothing before the start
    EXPECT_EQ(state(), sine);

    redoY();
    EXPECT_EQ(state(), rectangle);
    redoShiftZ();
    redoY();
    EXPECT_EQ(state(), shaped);
    expectShownAsAFile();
    EXPECT_TRUE(Find<QToolButton>(*form, "ToolButton4")->isEnabled());
}

TEST_F(UndoRedo, OneStrokeAndOneSliderDragAreOneStepEach)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17"));
    const dds::EditSnapshot flat = state();
    // A slider drag: many values on the way, one step.
    QWidget* slider = Find<TRxSlider>(*form, "RxSlider2");
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(12, 68));
    for (int y = 60; y >= 20; y -= 10)
        QTest::mouseMove(slider, QPoint(12, y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(12, 20));
    const dds::EditSnapshot raised = state();
    ASSERT_NE(raised, flat);

    click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    QTest::mousePress(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(100, 100));
    for (int x = 110; x <= 300; x += 20)
        QTest::mouseMove(Find<TGraphXY>(*form, "GraphXY1"), QPoint(x, 100 + x / 10));
    QTest::mouseRelease(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(300, 130));
    ASSERT_NE(state(), raised);

    undo();
    EXPECT_EQ(state(), raised);
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->Down()) << "draw mode stays on, as after opening a file";
    undo();
    EXPECT_EQ(state(), flat);
}

TEST_F(UndoRedo, KeepsMoreThanAHundredSteps)
{
    const dds::EditSnapshot start = state();
    Find<TJvDialButton>(*form, "JvDialButton1")->setFocus();
    for (int i = 0; i < 120; ++i) {
        QTest::keyClick(Find<TJvDialButton>(*form, "JvDialButton1"), i % 4 == 3 ? Qt::Key_Up : Qt::Key_Down);
        QApplication::processEvents(); // as between two presses of the operator
    }
    for (int i = 0; i < 120; ++i)
        undo();
    EXPECT_EQ(state(), start);
}

TEST_F(UndoRedo, WhiteNoiseIsOneStepAndUndoingItStopsTheAnimation)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    const dds::EditSnapshot triangle = state();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed20"));
    QTimer* noiseTimer = Find<QTimer>(*form, "Timer4");
    ASSERT_TRUE(noiseTimer->isActive());
    const auto ticks = std::make_shared<int>(0); // outlives this body while the timer runs
    QObject::connect(noiseTimer, &QTimer::timeout, form.get(), [ticks] { ++*ticks; });
    ASSERT_TRUE(dds::test::WaitFor("three ticks of the noise", [&ticks] { return *ticks >= 3; }));
    ASSERT_NE(state().table, triangle.table);
    // The ticks are not steps: one undo goes back past all of them.

    undo();
    EXPECT_EQ(state(), triangle);
    EXPECT_FALSE(Find<QTimer>(*form, "Timer4")->isActive());
    EXPECT_TRUE(Find<QToolButton>(*form, "ToolButton4")->isEnabled());
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->isEnabled());
    redoY();
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 12);
    EXPECT_TRUE(Find<QTimer>(*form, "Timer4")->isActive()) << "redo starts the animation as the button does";
    EXPECT_FALSE(Find<QToolButton>(*form, "ToolButton4")->isEnabled());
}

TEST_F(UndoRedo, NothingHappensWhileTheInputsAreLockedForATransfer)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    const dds::EditSnapshot rectangle = state();
    // The transfer locks these while it runs.
    Find<QGroupBox>(*form, "GroupBox5")->setEnabled(false);
    Find<QToolBar>(*form, "ToolBar1")->setEnabled(false);
    undo();
    EXPECT_EQ(state(), rectangle);
    Find<QGroupBox>(*form, "GroupBox5")->setEnabled(true);
    Find<QToolBar>(*form, "ToolBar1")->setEnabled(true);
    undo();
    EXPECT_NE(state(), rectangle);
}

TEST_F(UndoRedo, AnImportedFileIsAStep)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("w.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0\n255\n");
    file.close();
    const dds::EditSnapshot sine = state();
    dialogs.openAnswers << csv;
    click(Find<QToolButton>(*form, "ToolButton2"));
    ASSERT_NE(state(), sine);
    const auto* statusBar = form->findChild<PanelStatusBar*>("StatusBar1");
    EXPECT_FALSE(statusBar->panelText(1).isEmpty());
    undo();
    EXPECT_EQ(state(), sine);
    EXPECT_TRUE(statusBar->panelText(1).isEmpty()) << "the import's status line went with its table";
}
