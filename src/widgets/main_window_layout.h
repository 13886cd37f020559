#pragma once
#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolBar;
class QToolButton;
class QWidget;
class PanelStatusBar;
class TantAngleLabel;
class TDoubleSpeed;
class TGraphXY;
class TJvDialButton;
class TRxGIFAnimator;
class TRxSlider;
class TRxSpinEdit;

// Every control of the main window, created with absolute geometry inside the container that holds
// it. The members carry the controls' names, which are also their object names. Captions and hints
// that depend on the language are assigned later by the window; only fixed texts are set here.
struct MainWindowLayout {
    static constexpr int kClientWidth = 959;
    static constexpr int kClientHeight = 725;
    static constexpr std::array<int, 4> kStatusPanelWidths{350, 420, 100, 100};
    // What each status-bar panel shows, by index.
    enum StatusPanel { kConnectionPanel = 0, kCursorPanel = 1, kTimePanel = 2, kDatePanel = 3 };

    explicit MainWindowLayout(QWidget* form);

    // Toolbar, left to right. The separator and the dividers are spacing only.
    QToolBar* ToolBar1;
    QWidget* ToolButton13;
    QToolButton* ToolButton3;
    QFrame* ToolButton8;
    QToolButton* ToolButton2;
    QToolButton* ToolButton4;
    QFrame* ToolButton9;
    QToolButton* ToolButton6;
    QToolButton* ToolButton5;
    QToolButton* ToolButton19;
    QFrame* ToolButton10;
    QToolButton* ToolButton7;
    QFrame* ToolButton11;
    QToolButton* ToolButton1;

    // Frequency group.
    QGroupBox* GroupBox3;
    QFrame* Panel3;
    QLabel* Label10;
    QToolButton* SpeedButton11;
    TRxSlider* RxSlider1;
    QToolButton* SpeedButton12;
    QLabel* Label13;
    QGroupBox* GroupBox4;
    TDoubleSpeed* DoubleSpeed1;
    TDoubleSpeed* DoubleSpeed2;
    TDoubleSpeed* DoubleSpeed3;
    TDoubleSpeed* DoubleSpeed4;
    TDoubleSpeed* DoubleSpeed5;
    TDoubleSpeed* DoubleSpeed6;
    TDoubleSpeed* DoubleSpeed7;

    // Offset and amplitude group, with its not-connected overlay.
    QGroupBox* GroupBox6;
    QLabel* Label14;
    QToolButton* SpeedButton3;
    TRxSlider* RxSlider3;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton13;
    QLabel* Label15;
    TRxSlider* RxSlider4;
    QFrame* Panel11;
    TRxGIFAnimator* RxGIFAnimator2;
    QFrame* Panel12;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label36;

    // Generator-control group: instructions while not connected, transfer and filter while connected.
    QGroupBox* GroupBox1;
    QFrame* Panel1;
    TRxGIFAnimator* RxGIFAnimator1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QFrame* Panel9;
    QToolButton* SpeedButton10;
    QGroupBox* GroupBox7;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;

    // Plot group.
    QGroupBox* GroupBox2;
    TGraphXY* GraphXY1;

    // Waveform-selection group.
    QGroupBox* GroupBox5;
    TDoubleSpeed* DoubleSpeed8;
    TDoubleSpeed* DoubleSpeed9;
    TDoubleSpeed* DoubleSpeed10;
    TDoubleSpeed* DoubleSpeed11;
    TDoubleSpeed* DoubleSpeed12;
    TDoubleSpeed* DoubleSpeed13;
    TDoubleSpeed* DoubleSpeed14;
    TDoubleSpeed* DoubleSpeed15;
    TDoubleSpeed* DoubleSpeed16;
    TDoubleSpeed* DoubleSpeed17;
    TDoubleSpeed* DoubleSpeed18;
    TDoubleSpeed* DoubleSpeed19;
    TDoubleSpeed* DoubleSpeed20;
    QToolButton* SpeedButton9;
    QFrame* Panel8;
    QLabel* Label21;
    QLabel* Label22;
    QFrame* Panel6;
    QFrame* Panel4;
    QFrame* Panel7;
    TantAngleLabel* antAngleLabel1;
    TRxSlider* RxSlider2;
    QToolButton* SpeedButton8;
    QFrame* Panel5;
    QLabel* Label16;
    QLabel* Label19;
    QLabel* Label11;
    QLabel* Label12;
    TJvDialButton* JvDialButton1;
    QFrame* Panel2;
    QLabel* Label9;
    QLabel* Label20;
    QLabel* Label17;
    QLabel* Label18;
    TJvDialButton* JvDialButton2;
    QFrame* Panel13;
    QLabel* Label37;
    QLabel* Label38;
    TRxSpinEdit* RxSpinEdit1;
    QFrame* Panel10;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label26;
    QLabel* Label27;
    TJvDialButton* JvDialButton3;

    PanelStatusBar* StatusBar1;

    // Working controls beyond the edges of the client area or behind the plot group.
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QTableWidget* StringGrid1;
    QLabel* Label24;
    QLabel* Label25;
    QLabel* Label31;
    QLabel* Label1;
    QLabel* Label23;
    QLabel* Label30;
    QLabel* Label32;
    QLabel* Label34;
    QLabel* Label35;
    QLabel* Label2;
    QLabel* Label33;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton7;
    QPushButton* BitBtn1;

    // Every working control, for whoever must keep them out of sight.
    std::array<QWidget*, 20> workingControls() const;

private:
    void buildToolBar(QWidget* form);
    void buildFrequencyGroup(QWidget* form);
    void buildOffsetGroup(QWidget* form);
    void buildGeneratorGroup(QWidget* form);
    void buildPlotGroup(QWidget* form);
    void buildWaveformGroup(QWidget* form);
    void buildShapeControls();
    void buildWorkingControls(QWidget* form);
};
