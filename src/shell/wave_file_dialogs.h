#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace dds {

// Where the window asks the operator for waveform file names and for leave to overwrite. The real
// one shows the platform's dialogs; tests install scripted answers, since a modal dialog would
// block an offscreen run.
class WaveFileDialogs {
public:
    using FolderChanged = std::function<void(const QString& folder)>;

    virtual ~WaveFileDialogs() = default;
    // The file to open, or nothing when the operator cancels.
    virtual std::optional<QString> ChooseFileToOpen(const QString& startFolder) = 0;
    // The file to save under, or nothing when the operator cancels. `folderChanged` hears of every
    // folder the operator enters while the dialog is open.
    virtual std::optional<QString> ChooseFileToSave(const QString& startFolder, const QString& proposedName,
                                                    const FolderChanged& folderChanged) = 0;
    // Beeps and asks whether an existing file may be replaced; true only for "&Oui".
    virtual bool ConfirmOverwrite() = 0;
};

// Which file dialog runs: the desktop's own where it has one, or always Qt's (as in tests, which
// drive the real dialog widget).
enum class DialogLook { NativeWhereAvailable, QtOwn };

// The save dialog as the window runs it: filter "xls (*.xls)", default extension "xls", opening in
// `startFolder` (the platform's default when empty) with `proposedName` in its name box.
// `folderChanged` hears of every folder the dialog comes to show, however the operator got there
// (back and forward, a typed path, the side bar, the folder list, the parent button), once per change.
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, DialogLook look, const QString& startFolder,
                                            const QString& proposedName,
                                            const WaveFileDialogs::FolderChanged& folderChanged);

// The open dialog's filters: the waveform file's first, and the default, then the files the window
// imports.
QStringList OpenDialogFilters();

// The dialogs of the desktop: filter "xls (*.xls)" (the open dialog adds the imported files),
// default extension "xls".
class DesktopWaveFileDialogs : public WaveFileDialogs {
public:
    explicit DesktopWaveFileDialogs(DialogLook look = DialogLook::NativeWhereAvailable) : look_(look) {}
    std::optional<QString> ChooseFileToOpen(const QString& startFolder) override;
    std::optional<QString> ChooseFileToSave(const QString& startFolder, const QString& proposedName,
                                            const FolderChanged& folderChanged) override;
    bool ConfirmOverwrite() override;

private:
    DialogLook look_;
};

inline constexpr const char* kOverwriteQuestion = "Le nom du fichier existe déjà. Voulez-vous l'écraser ?";
inline constexpr const char* kOverwriteTitle = "Avertissement";

} // namespace dds
