#pragma once
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>

#include "panel/front_panel.h"

class QAbstractButton;
class QWidget;
class TForm1;

namespace dds {

// The main window's front panel: each operation operates the window's controls as the operator
// would (a button's click, a slider's position, a radio's check), so every handler runs in its
// order and the window shows the result. Errors that the handlers report while an operation runs
// go to its caller as a std::runtime_error instead of the error box.
class WindowFrontPanel : public FrontPanel {
public:
    explicit WindowFrontPanel(TForm1& form);

    // The window's reporter offers every message here first: true when an operation is running,
    // which then throws it to its caller.
    bool TakeError(const QString& message);
    // The window tells of these as they happen, whoever caused them.
    void ConnectionChanged(bool connected);
    void TransferStarting();
    void TransferEnded(const TransferOutcome& outcome);

    void ChooseSetting(int32_t range, int32_t position) override;
    void ChoosePreset(WaveformKind kind, const ShapeControls& controls) override;
    void SetShapeControls(const ShapeControls& controls) override;
    void LoadTable(const WaveformTable& table) override;
    void SetOffset(int32_t position) override;
    void SetOutputAmplitude(int32_t position) override;
    void ChooseFilter(int filter) override;
    TransferOutcome Transfer() override;
    PanelState State() const override;
    bool Connected() const override;
    std::string GeneratorPath() const override;
    bool Accepting() const override;

private:
    void CheckAccepting() const;
    void CheckConnected() const;
    // Runs `operation` with the handlers' errors held back, then throws the first of them.
    template <class Operation>
    void Operate(Operation&& operation);
    void Click(QAbstractButton* button) const;
    void MoveShapeControls(const ShapeControls& controls);
    ShapeControls CurrentShapeControls() const;
    int CheckedFilter() const;
    void WatchControls();

    TForm1& form_;
    std::optional<QStringList> heldErrors_;
    QTimer changed_; // one stateChanged per event, however many controls it moved
};

} // namespace dds
