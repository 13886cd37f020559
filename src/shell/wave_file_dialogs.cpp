#include "shell/wave_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>

namespace dds {

namespace {

const QString kFilter = QStringLiteral("xls (*.xls)");
const QString kDefaultSuffix = QStringLiteral("xls");

// The window asks about overwriting itself, in French, so the dialog must not ask first.
void SetUpWaveFileDialog(QFileDialog& dialog, DialogLook look, const QString& startFolder)
{
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog, look == DialogLook::QtOwn);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
}

std::optional<QString> ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

// Hands on each folder the dialog shows, once, whichever way the dialog tells of it.
class FolderFollower : public QObject {
public:
    FolderFollower(QFileDialog& dialog, const QString& startFolder, WaveFileDialogs::FolderChanged changed)
        : QObject(&dialog), last_(QDir::cleanPath(startFolder)), changed_(std::move(changed))
    {
        // The desktop's dialog tells of every folder it enters; Qt's own tells of a double click or
        // the parent button only, while its file system model follows every move of the view.
        connect(&dialog, &QFileDialog::directoryEntered, this, &FolderFollower::follow);
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            connect(model, &QFileSystemModel::rootPathChanged, this, &FolderFollower::follow);
        // A desktop dialog that tells of no folder at all still shows where the file went.
        connect(&dialog, &QFileDialog::fileSelected, this,
                [this](const QString& file) { follow(QFileInfo(file).absolutePath()); });
    }

private:
    void follow(const QString& folder)
    {
        const QString cleaned = QDir::cleanPath(folder);
        if (cleaned.isEmpty() || cleaned == last_ || !changed_)
            return;
        last_ = cleaned;
        changed_(cleaned);
    }

    QString last_;
    WaveFileDialogs::FolderChanged changed_;
};

} // namespace

QStringList OpenDialogFilters()
{
    return {kFilter, QStringLiteral("Waveforms (*.csv *.txt *.wav)")};
}

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, DialogLook look, const QString& startFolder,
                                            const QString& proposedName,
                                            const WaveFileDialogs::FolderChanged& folderChanged)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    SetUpWaveFileDialog(*dialog, look, startFolder);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectFile(proposedName);
    new FolderFollower(*dialog, dialog->directory().path(), folderChanged);
    return dialog;
}

std::optional<QString> DesktopWaveFileDialogs::ChooseFileToOpen(const QString& startFolder)
{
    QFileDialog dialog(QApplication::activeWindow());
    SetUpWaveFileDialog(dialog, look_, startFolder);
    dialog.setNameFilters(OpenDialogFilters());
    dialog.selectNameFilter(kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

std::optional<QString> DesktopWaveFileDialogs::ChooseFileToSave(const QString& startFolder,
                                                                const QString& proposedName,
                                                                const FolderChanged& folderChanged)
{
    const std::unique_ptr<QFileDialog> dialog =
        MakeSaveDialog(QApplication::activeWindow(), look_, startFolder, proposedName, folderChanged);
    return ChosenFile(*dialog);
}

bool DesktopWaveFileDialogs::ConfirmOverwrite()
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kOverwriteTitle), QString::fromUtf8(kOverwriteQuestion),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace dds
