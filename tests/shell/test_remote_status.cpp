#include <QToolButton>

#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"
#include "window_controls.h"

class RemoteStatus : public WaveformWindow {
protected:
    QString panel1() const { return Find<PanelStatusBar>(*form, "StatusBar1")->panelText(1); }
};

TEST_F(RemoteStatus, Panel1NamesRemoteControlInTheLanguageButNotInDrawMode)
{
    form->ShowRemoteClients(1);
    EXPECT_EQ(panel1(), "Distant");
    click(Find<QToolButton>(*form, "ToolButton5")); // English
    EXPECT_EQ(panel1(), "Remote");
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed18")); // draw mode: the panel holds its readout
    Find<PanelStatusBar>(*form, "StatusBar1")->setPanelText(1, "readout");
    form->ShowRemoteClients(2);
    EXPECT_EQ(panel1(), "readout");
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    EXPECT_EQ(panel1(), "Remote");
    click(Find<QToolButton>(*form, "ToolButton19")); // German
    EXPECT_EQ(panel1(), "Fern");
    form->ShowRemoteClients(0);
    EXPECT_EQ(panel1(), "");
}
