#include "shell/wave_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dds {

namespace {

const QString kFilter = QStringLiteral("xls (*.xls)");
const QString kDefaultSuffix = QStringLiteral("xls");

// The window asks about overwriting itself, in French, so the dialog must not ask first.
void SetUpWaveFileDialog(QFileDialog& dialog, const QString& startFolder)
{
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
}

std::optional<QString> ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

QStringList OpenDialogFilters()
{
    return {kFilter, QStringLiteral("Waveforms (*.csv *.txt *.wav)")};
}

std::optional<QString> DesktopWaveFileDialogs::ChooseFileToOpen(const QString& startFolder)
{
    QFileDialog dialog(QApplication::activeWindow());
    SetUpWaveFileDialog(dialog, startFolder);
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
    QFileDialog dialog(QApplication::activeWindow());
    SetUpWaveFileDialog(dialog, startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(proposedName);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, folderChanged);
    return ChosenFile(dialog);
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
