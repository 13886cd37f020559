#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"

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
        EXPECT_TRUE(form->Panel4->isHidden());
        for (TDoubleSpeed* preset : form->presetButtons())
            EXPECT_FALSE(preset->Down());
        EXPECT_TRUE(plotShowsTable());
    }
    dds::EditSnapshot state() const { return {form->state.waveformTable, form->state.waveformKind}; }
};

TEST_F(UndoRedo, KeysWalkBackAndForthThroughPresetsAndShapeChanges)
{
    const dds::EditSnapshot sine = state();
    click(form->DoubleSpeed9);
    const dds::EditSnapshot rectangle = state();
    click(form->DoubleSpeed13);
    form->JvDialButton2->setFocus();
    QTest::keyClick(form->JvDialButton2, Qt::Key_Up);
    QApplication::processEvents(); // the key's release closes its step
    const dds::EditSnapshot shaped = state();
    ASSERT_EQ(shaped.kind, 6);
    ASSERT_NE(form->JvDialButton2->Position(), 50);

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
    EXPECT_TRUE(form->ToolButton4->isEnabled());
}

TEST_F(UndoRedo, OneStrokeAndOneSliderDragAreOneStepEach)
{
    click(form->DoubleSpeed17);
    const dds::EditSnapshot flat = state();
    // A slider drag: many values on the way, one step.
    QWidget* slider = form->RxSlider2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(12, 68));
    for (int y = 60; y >= 20; y -= 10)
        QTest::mouseMove(slider, QPoint(12, y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(12, 20));
    const dds::EditSnapshot raised = state();
    ASSERT_NE(raised, flat);

    click(form->DoubleSpeed18);
    QTest::mousePress(form->GraphXY1, Qt::RightButton, {}, QPoint(100, 100));
    for (int x = 110; x <= 300; x += 20)
        QTest::mouseMove(form->GraphXY1, QPoint(x, 100 + x / 10));
    QTest::mouseRelease(form->GraphXY1, Qt::RightButton, {}, QPoint(300, 130));
    ASSERT_NE(state(), raised);

    undo();
    EXPECT_EQ(state(), raised);
    EXPECT_TRUE(form->DoubleSpeed18->Down()) << "draw mode stays on, as after opening a file";
    undo();
    EXPECT_EQ(state(), flat);
}

TEST_F(UndoRedo, KeepsMoreThanAHundredSteps)
{
    const dds::EditSnapshot start = state();
    form->JvDialButton1->setFocus();
    for (int i = 0; i < 120; ++i) {
        QTest::keyClick(form->JvDialButton1, i % 4 == 3 ? Qt::Key_Up : Qt::Key_Down);
        QApplication::processEvents(); // as between two presses of the operator
    }
    EXPECT_EQ(form->editHistory.undoSteps(), 120u);
    for (int i = 0; i < 120; ++i)
        undo();
    EXPECT_EQ(state(), start);
}

TEST_F(UndoRedo, WhiteNoiseIsOneStepAndUndoingItStopsTheAnimation)
{
    click(form->DoubleSpeed10);
    const dds::EditSnapshot triangle = state();
    click(form->DoubleSpeed20);
    ASSERT_TRUE(form->Timer4->isActive());
    QTest::qWait(350); // three ticks or so
    ASSERT_NE(state().table, triangle.table);
    EXPECT_EQ(form->editHistory.undoSteps(), 2u) << "the ticks are not steps";

    undo();
    EXPECT_EQ(state(), triangle);
    EXPECT_FALSE(form->Timer4->isActive());
    EXPECT_TRUE(form->ToolButton4->isEnabled());
    EXPECT_TRUE(form->DoubleSpeed18->isEnabled());
    redoY();
    EXPECT_EQ(form->state.waveformKind, 12);
    EXPECT_TRUE(form->Timer4->isActive()) << "redo starts the animation as the button does";
    EXPECT_FALSE(form->ToolButton4->isEnabled());
}

TEST_F(UndoRedo, NothingHappensWhileTheInputsAreLockedForATransfer)
{
    click(form->DoubleSpeed9);
    const dds::EditSnapshot rectangle = state();
    // The transfer locks these while it runs.
    form->GroupBox5->setEnabled(false);
    form->ToolBar1->setEnabled(false);
    undo();
    EXPECT_EQ(state(), rectangle);
    form->GroupBox5->setEnabled(true);
    form->ToolBar1->setEnabled(true);
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
    click(form->ToolButton2);
    ASSERT_NE(state(), sine);
    const auto* statusBar = form->findChild<PanelStatusBar*>("StatusBar1");
    EXPECT_FALSE(statusBar->panelText(1).isEmpty());
    undo();
    EXPECT_EQ(state(), sine);
    EXPECT_TRUE(statusBar->panelText(1).isEmpty()) << "the import's status line went with its table";
}
