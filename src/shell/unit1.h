#pragma once
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "device/generator_holder.h"
#include "device/transfer_acknowledgement.h"
#include "editor/brush.h"
#include "editor/edit_history.h"
#include "shell/error_reporter.h"
#include "shell/language_texts.h"
#include "shell/settings_file.h"
#include "shell/status_clock.h"
#include "shell/wave_file_dialogs.h"
#include "shell/window_services.h"
#include "synthesis/frequency_plan.h"
#include "synthesis/noise_generator.h"
#include "synthesis/waveform_kind.h"
#include "synthesis/waveform_table.h"
#include "widgets/main_window_layout.h"

class QCloseEvent;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class QRadioButton;
class QTimer;
class QToolButton;
class TJvHidDevice;
class TJvHidDeviceController;
namespace dds {
struct ByteImage;
struct TransferTexts;
} // namespace dds

// The main window. It owns the generator state for the whole run, the four timers and every
// control (inherited from the layout, so `form.RxSlider1` is the frequency slider).
//
// Each feature keeps its handlers in its own unit1_<feature>.cpp and its declarations in its own
// section below. `FormCreate` lists the start-up steps in their order, one call per step.
class TForm1 : public QWidget, public MainWindowLayout {
    Q_OBJECT
public:
    explicit TForm1(dds::WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    const dds::WindowServices services;
    // Every handler's error goes to the services' sink; the secondary windows are given it too.
    const dds::ErrorReporter errorReporter{services.errorSink};

    // ---- Generator state -------------------------------------------------------------------
    // The open generator, the output report buffer and the acknowledgement counter (raised by
    // Timer1, set to 1 by an acknowledging report) are the holder's (device link section).
    struct GeneratorState {
        explicit GeneratorState(const dds::WindowServices& services)
            : settings(services.programFolder, services.userSettingsFolder)
        {
        }

        dds::SettingsFile settings;         // the 80 lines of parametres.inf
        int32_t connectedFlag = 0;          // 1 while the generator is attached
        int32_t languageCode = 0;           // 0 English, 1 French, 2 German
        int32_t rangeNumber = 0;            // 1..7; 0 until the first range selection
        dds::FrequencyPlan frequencyPlan;   // frequency, range clock, sample count of the last computation
        int32_t waveformKind = 0;           // 1..12
        dds::WaveformTable waveformTable;   // one period, indexed 1..3200
        int32_t pictureTickCounter = 0;     // Timer2 ticks since start-up
        dds::ClockFields clockFields;       // the last reading of the status-bar clock
        int32_t lastSentAmplitude = 0;      // amplitude slider position the generator last heard of
        std::optional<QImage> workBitmap1;  // created at start-up
        std::optional<QImage> workBitmap2;  // created by each waveform transfer
        int32_t drawingFlag = 0;            // mouse-drawing state
        std::vector<uint8_t> transferBytes; // the bytes computed for a transfer
    };
    GeneratorState state{services};

    // ---- Timers ----------------------------------------------------------------------------
    static constexpr int kPictureTicks = 20;
    QTimer* Timer1; // 1000 ms: acknowledgement time-out tick
    QTimer* Timer2; // 100 ms: start-up picture and control lock
    QTimer* Timer3; // 1000 ms: status-bar clock
    QTimer* Timer4; // 100 ms, off at start: white-noise refresh

    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Where the status-bar clock reads the time; tests install a fixed one.
    void setClockSource(dds::ClockSource source);

    // ---- Start-up --------------------------------------------------------------------------
    void FormCreate();

    // ---- Frequency range and frequency -----------------------------------------------------
    void DoubleSpeed1Click();
    void DoubleSpeed2Click();
    void DoubleSpeed3Click();
    void DoubleSpeed4Click();
    void DoubleSpeed5Click();
    void DoubleSpeed6Click();
    void DoubleSpeed7Click();
    void RxSlider1Change();
    void SpeedButton11Click();
    void SpeedButton12Click();

    // ---- Shutdown --------------------------------------------------------------------------
    void FormCloseQuery();
    void ToolButton3Click();
    // How the quit button ends the application; tests install one that records the request.
    void setApplicationTerminator(std::function<void()> terminate);

    // ---- Device link: connection, offset, amplitude, filters (unit1_device.cpp) -------------
    dds::GeneratorHolder generatorHolder{services.hidBackend}; // the generator and its controller
    TJvHidDeviceController* JvHidDeviceController1 = &generatorHolder.Controller();

    void JvHidDeviceController1Arrival(TJvHidDevice* HidDev);
    void JvHidDeviceController1Removal(TJvHidDevice* HidDev);
    void JvHidDeviceData(TJvHidDevice* HidDev, uint8_t ReportID, const uint8_t* Data, uint16_t Size);
    void RxSlider3Change();
    void SpeedButton3Click();
    void SpeedButton2Click();
    void SpeedButton13Click();
    void RxSlider4MouseUp();
    // Runs when filter radio `index` (0 for RadioButton1 .. 7 for RadioButton8) becomes checked.
    void FilterRadioChecked(int index);
    void SpeedButton1Click();

    // ---- Waveform transfer (unit1_transfer.cpp) ----------------------------------------------
    // The acknowledgement wait's period: the product's 5000 ms; tests shorten it.
    std::chrono::milliseconds acknowledgementPeriod = dds::AcknowledgementWait::kProductPeriod;
    // Where "Sample.bmp" is written and read back; tests point it elsewhere.
    std::function<QString()> sampleFolder = [this] {
        return dds::ScratchFolder(services.programFolder, services.userSettingsFolder);
    };

    void SpeedButton10Click();

    // ---- Waveform presets, shape controls and plot (unit1_waveform.cpp) -------------------
    int32_t phaseNumerator = 0;   // P of the sine family, 3200 after every ResetWaveform
    int32_t phaseDenominator = 0; // Q of the sine family, 3199 after every ResetWaveform
    dds::NoiseGenerator noiseGenerator;

    void ComputeWaveform();
    void ResetWaveform();
    void DrawWaveform();
    void DrawCentreLine();
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
    void DoubleSpeed18Click();
    void SpeedButton9Click();
    void JvDialButton3Change();
    void GraphXY1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void GraphXY1MouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    void GraphXY1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

    // ---- Waveform files (unit1_files.cpp) ------------------------------------------------
    void ToolButton2Click();
    void ToolButton4Click();
    void SaveDialog1FolderChange(const QString& folder);
    // The file dialogs and the overwrite question; tests install scripted answers.
    void setWaveFileDialogs(std::unique_ptr<dds::WaveFileDialogs> dialogs);

    // ---- Settings file and interface languages (unit1_language.cpp) -------------------------
    void LoadSettings();
    void SaveSettings();
    // Safe at any time: assigns the text set of the current language code, connection state and
    // waveform kind; a code that names no language changes nothing.
    void ApplyLanguageTexts();
    void SetFrenchTexts();
    void SetEnglishTexts();
    void SetGermanTexts();
    void ToolButton6Click();
    void ToolButton5Click();
    void ToolButton19Click();

    // ---- Secondary windows and user guide (unit1_windows.cpp) -------------------------------
    // Created hidden after the main window, in this order, and kept until the end.
    std::unique_ptr<TForm2> Form2; // transfer progress
    std::unique_ptr<TForm3> Form3; // please wait
    std::unique_ptr<TForm4> Form4; // start-up picture
    std::unique_ptr<TForm5> Form5; // transfer work surface
    std::unique_ptr<TForm6> Form6; // about
    void ToolButton7Click();
    void ToolButton1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void BitBtn1Click();

    // ---- Later additions: import, undo and redo, straight strokes, the played bytes ----
    // Import of CSV, TXT and WAV files through the open button (unit1_files.cpp).
    void ImportWaveform(const QString& path);

    // Undo and redo of the table with its kind (unit1_history.cpp): Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z.
    dds::EditHistory editHistory;
    void UndoChange();
    void RedoChange();
    // Ends the step of the change the operator just made (a click, a stroke, a drag).
    void CloseEditStep();

    // The bytes a transfer would send, over the plot (unit1_played.cpp): the toolbar button after
    // the user guide's, and the key P. Off at start.
    QToolButton* PlayedButton = nullptr;
    void PlayedButtonClick();
    bool PlayedOverlayShown() const { return playedOverlayShown_; }
    // Recomputes the overlay now, when it is shown; changes of table, range and frequency ask for
    // it through a zero-delay timer so that one event recomputes it once.
    void UpdatePlayedOverlay();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Device link: the controller and its connections, and its start-up steps.
    void SetUpDeviceLink();
    void SetOffsetSliderStart();
    void CheckFilterOffRadio();
    void SetAmplitudeSliderStart();
    void ShowConnectedPanels();
    void StepOffset(int delta);
    // "Filtre inactif", "F1" .. "F7": radio i selects filter i.
    std::array<QRadioButton*, 8> FilterRadios() const;
    void ShowByteImage(const dds::ByteImage& image, const dds::TransferTexts& texts);

    // Start-up steps of this unit, in the order FormCreate runs them.
    void CreateFirstWorkBitmap();
    void ClearConnectedFlag();
    void ShowNotConnectedPanels();
    void StartPictureTimer();
    void SetFrequencySliderBounds();
    void SelectStartRange();
    void FillSampleNumberGrid();

    void CreateTimers();
    void ConnectFrequencyControls();
    void ConnectShutdownControls();
    void CentreOnDesktop();
    void SelectRange(int32_t range);
    void ReleaseGeneratorOnce();
    void ReleaseWorkBitmaps();

    // Waveform, drawing and file units: connections and start-up steps, in FormCreate's order.
    void ConnectWaveformControls();
    void ConnectDrawingControls();
    void ConnectFileControls();
    void SetFirstSampleIndex();
    void SetStartWaveformKind();
    void SetAmplitudeDialStart();
    void SetShapeDialStart();
    void SetUpPlotFrame();
    void SelectStartWaveform();
    void DrawReferenceTrace();
    void SetVerticalPositionStart();
    void ClearDrawingFlag();
    void SetBrushDialStart();
    void SetCoefficientStart();
    void SelectPreset(dds::WaveformKind kind);
    void SetUpPlotTraces();
    void EnterDrawMode();
    void LeaveDrawMode();
    void MoveCursorLines(double x, long value);
    void ShowLoadedTable();
    QString WaveFileFolder() const;

    std::unique_ptr<dds::WaveFileDialogs> waveFileDialogs_ = std::make_unique<dds::DesktopWaveFileDialogs>();

    // Settings, languages and secondary windows: connections and start-up steps.
    void ConnectLanguageControls();
    void ConnectWindowControls();
    void ConnectTransferControls();
    void StoreProgramFolder();
    void ReadLanguageCode();
    void ApplyTexts(const dds::LanguageTexts& texts);
    void ChooseLanguage(int32_t code, void (TForm1::*setTexts)());
    void CreateSecondaryWindows();

    dds::ClockSource clockSource_;
    std::function<void()> terminateApplication_;

    // Additions: set up after the start-up sequence, so that undoing stops at the start state.
    void SetUpAdditions();
    void ConnectEditSteps();
    void CreatePlayedButton();
    dds::EditSnapshot CurrentSnapshot() const;
    void RestoreSnapshot(const dds::EditSnapshot& snapshot);
    bool AcceptsEdits() const;
    void PlayedInputsChanged();
    void ApplyAdditionTexts();
    void ClearStaleImportStatus();
    QString importStatus_;                            // the status line of the last import
    std::optional<dds::WaveformTable> importedTable_; // the table it speaks of, until the table changes
    std::optional<dds::Stamp> lastStamp_; // the stroke's previous stamp, or the press, for Shift's straight line
    QTimer* playedTimer_ = nullptr;
    bool playedOverlayShown_ = false;
};
