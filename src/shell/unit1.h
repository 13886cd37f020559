#pragma once
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "device/generator_holder.h"
#include "shell/error_reporter.h"
#include "shell/window_services.h"
#include "shell/window_state.h"
#include "synthesis/waveform_kind.h"
#include "widgets/main_window_layout.h"

class QCloseEvent;
class QTimer;
class QToolButton;
class TDoubleSpeed;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TJvHidDevice;
class TJvHidDeviceController;
namespace dds {
class FrontPanel;
class WindowFrontPanel;
struct ByteImage;
struct LanguageTexts;
struct TransferTexts;
} // namespace dds

// The main window. It owns its state for the whole run, the four timers and every control (in
// `ui`, found by their object names from outside). Whoever drives it does so through its front
// panel, which operates the controls as the operator would.
//
// Each feature keeps its handlers in its own unit1_<feature>.cpp and its declarations in its own
// section below. `FormCreate` lists the start-up steps in their order, one call per step.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(dds::WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    dds::FrontPanel& FrontPanel();
    // How many SCPI clients the window's instrument has (--listen): panel 1 of the status bar says
    // "Distant" while there is one, but in draw mode, where it holds the drawing readout.
    void ShowRemoteClients(int clients);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class dds::WindowFrontPanel;

    const dds::WindowServices services;
    // Every handler's error goes to the services' sink, or to the front panel's caller while it
    // operates the controls; the secondary windows are given it too.
    const dds::ErrorReporter errorReporter;
    MainWindowLayout ui;
    dds::WindowState state{services.programFolder, services.userSettingsFolder};

    // Each range button with its handler; each preset button with its handler and the parameter
    // panels it shows. The one place that knows which button is which.
    struct RangeButton {
        int32_t range;
        TDoubleSpeed* MainWindowLayout::*button;
        void (TForm1::*handler)();
    };
    struct PresetButton {
        dds::WaveformKind kind;
        TDoubleSpeed* MainWindowLayout::*button;
        void (TForm1::*handler)();
        bool shapeKnob;
        bool amplitudeKnob;
        bool coefficient; // shown, and set to the kind's start coefficient
    };
    static const std::array<RangeButton, 7> kRangeButtons;
    static const std::array<PresetButton, 12> kPresetButtons;
    static const PresetButton& PresetFor(dds::WaveformKind kind);
    TDoubleSpeed* RangeButtonFor(int32_t range) const;
    // The inputs the start-up picture and a transfer lock.
    void SetInputsEnabled(bool enabled);

    // ---- Timers ----------------------------------------------------------------------------
    static constexpr int kPictureTicks = 20;
    QTimer* Timer1; // 1000 ms: acknowledgement time-out tick
    QTimer* Timer2; // 100 ms: start-up picture and control lock
    QTimer* Timer3; // 1000 ms: status-bar clock
    QTimer* Timer4; // 100 ms, off at start: white-noise refresh

    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void CreateTimers();

    // ---- Start-up --------------------------------------------------------------------------
    void FormCreate();
    void CreateFirstWorkBitmap();
    void ClearConnectedFlag();
    void ShowNotConnectedPanels();
    void StartPictureTimer();
    void SetFrequencySliderBounds();
    void SelectStartRange();
    void FillSampleNumberGrid();
    void CentreOnDesktop();

    // ---- Frequency range and frequency -----------------------------------------------------
    void ConnectFrequencyControls();
    void DoubleSpeed1Click();
    void DoubleSpeed2Click();
    void DoubleSpeed3Click();
    void DoubleSpeed4Click();
    void DoubleSpeed5Click();
    void DoubleSpeed6Click();
    void DoubleSpeed7Click();
    void SelectRange(int32_t range);
    void RxSlider1Change();
    void SpeedButton11Click();
    void SpeedButton12Click();

    // ---- Shutdown --------------------------------------------------------------------------
    void ConnectShutdownControls();
    void FormCloseQuery();
    void ToolButton3Click();
    void ReleaseGeneratorOnce();
    void ReleaseWorkBitmaps();

    // ---- Device link: connection, offset, amplitude, filters (unit1_device.cpp) -------------
    dds::GeneratorHolder generatorHolder{services.hidBackend}; // the generator and its controller
    const TJvHidDeviceController* JvHidDeviceController1 = &generatorHolder.Controller();

    void SetUpDeviceLink();
    void SetOffsetSliderStart();
    void CheckFilterOffRadio();
    void SetAmplitudeSliderStart();
    void ShowConnectedPanels();
    // Every arrival, with what the holder made of it; the removal of the generator held, or a
    // report it refused.
    void JvHidDeviceController1Arrival(TJvHidDevice* HidDev, dds::ClaimResult claim);
    void JvHidDeviceController1Removal();
    void JvHidDeviceData(TJvHidDevice* HidDev, uint8_t ReportID, const uint8_t* Data, uint16_t Size);
    void RxSlider3Change();
    void StepOffset(int delta);
    void SpeedButton3Click();
    void SpeedButton2Click();
    void SpeedButton13Click();
    void RxSlider4MouseUp();
    // Runs when filter radio `index` (0 for RadioButton1 .. 7 for RadioButton8) becomes checked.
    void FilterRadioChecked(int index);
    // "Filtre inactif", "F1" .. "F7": radio i selects filter i.
    std::array<QRadioButton*, 8> FilterRadios() const;
    void SpeedButton1Click();

    // ---- Waveform transfer (unit1_transfer.cpp) ----------------------------------------------
    void ConnectTransferControls();
    void SpeedButton10Click();
    void ShowByteImage(const dds::ByteImage& image, const dds::TransferTexts& texts);
    // The scratch folder; the operator is told once when it is the temporary one.
    QString SampleFolder();
    bool temporaryFolderTold_ = false;

    // ---- Waveform presets, shape controls and plot (unit1_waveform.cpp) -------------------
    void ConnectWaveformControls();
    void SetFirstSampleIndex();
    void SetStartWaveformKind();
    void SetAmplitudeDialStart();
    void SetShapeDialStart();
    void SetUpPlotFrame();
    void SelectStartWaveform();
    void DrawReferenceTrace();
    void SetVerticalPositionStart();
    void SetCoefficientStart();
    void ComputeWaveform();
    void ResetWaveform();
    void SetUpPlotTraces();
    void DrawWaveform();
    void DrawCentreLine();
    void SelectPreset(dds::WaveformKind kind);
    void DoubleSpeed8Click();
    void DoubleSpeed9Click();
    void DoubleSpeed10Click();
    void DoubleSpeed11Click();
    void DoubleSpeed12Click();
    void DoubleSpeed13Click();
    void DoubleSpeed14Click();
    void DoubleSpeed15Click();
    void DoubleSpeed16Click();
    void DoubleSpeed17Click();
    void DoubleSpeed19Click();
    void DoubleSpeed20Click();
    void JvDialButton1Change();
    void JvDialButton2Change();
    void RxSlider2Change();
    void SpeedButton8Click();
    void RxSpinEdit1Change();
    void Timer4Timer();

    // ---- Mouse drawing (unit1_drawing.cpp) -----------------------------------------------
    void ConnectDrawingControls();
    void ClearDrawingFlag();
    void SetBrushDialStart();
    void DoubleSpeed18Click();
    void EnterDrawMode();
    void LeaveDrawMode();
    void SpeedButton9Click();
    void JvDialButton3Change();
    void GraphXY1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void GraphXY1MouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    void GraphXY1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MoveCursorLines(double x, long value);

    // ---- Waveform files (unit1_files.cpp) ------------------------------------------------
    void ConnectFileControls();
    void ToolButton2Click();
    void ToolButton4Click();
    void SaveDialog1FolderChange(const QString& folder);
    // The table as opening a file leaves it: no preset claims it, the kind stays.
    void LoadTable(const dds::WaveformTable& table);
    void ShowLoadedTable();
    QString WaveFileFolder() const;

    // ---- Settings file and interface languages (unit1_language.cpp) -------------------------
    void ConnectLanguageControls();
    void LoadSettings();
    void SaveSettings();
    void StoreProgramFolder();
    void ReadLanguageCode();
    // Safe at any time: assigns the text set of the current language code, connection state and
    // waveform kind; a code that names no language changes nothing.
    void ApplyLanguageTexts();
    void SetFrenchTexts();
    void SetEnglishTexts();
    void SetGermanTexts();
    void ApplyTexts(const dds::LanguageTexts& texts);
    void ToolButton6Click();
    void ToolButton5Click();
    void ToolButton19Click();
    void ChooseLanguage(int32_t code, void (TForm1::*setTexts)());

    // ---- Secondary windows and user guide (unit1_windows.cpp) -------------------------------
    // Created hidden after the main window, in this order, and kept until the end.
    std::unique_ptr<TForm2> Form2; // transfer progress
    std::unique_ptr<TForm3> Form3; // please wait
    std::unique_ptr<TForm4> Form4; // start-up picture
    std::unique_ptr<TForm5> Form5; // transfer work surface
    std::unique_ptr<TForm6> Form6; // about
    void CreateSecondaryWindows();
    void ConnectWindowControls();
    void ToolButton7Click();
    void ToolButton1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void BitBtn1Click();

    // ---- Later additions: import, undo and redo, straight strokes, the played bytes ----
    // Set up after the start-up sequence, so that undoing stops at the start state.
    void SetUpAdditions();
    // Import of CSV, TXT and WAV files through the open button (unit1_files.cpp).
    void ImportWaveform(const QString& path);

    // Undo and redo of the table with its kind (unit1_history.cpp): Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z.
    void ConnectEditSteps();
    void UndoChange();
    void RedoChange();
    // Ends the step of the change the operator just made (a click, a stroke, a drag).
    void CloseEditStep();
    dds::EditSnapshot CurrentSnapshot() const;
    void RestoreSnapshot(const dds::EditSnapshot& snapshot);
    bool AcceptsEdits() const;

    // The bytes a transfer would send, over the plot (unit1_played.cpp): the toolbar button after
    // the user guide's, and the key P. Off at start.
    QToolButton* PlayedButton = nullptr;
    QTimer* playedTimer_ = nullptr;
    void CreatePlayedButton();
    void PlayedButtonClick();
    // Recomputes the overlay now, when it is shown; changes of table, range and frequency ask for
    // it through a zero-delay timer so that one event recomputes it once.
    void UpdatePlayedOverlay();
    void PlayedInputsChanged();
    void ApplyAdditionTexts();
    void ClearStaleImportStatus();

    // Remote control through --listen (unit1_remote.cpp).
    int remoteClients_ = 0;
    void ShowRemoteStatus();

    // The front panel, made once the window is built.
    std::unique_ptr<dds::WindowFrontPanel> frontPanel_;
};
