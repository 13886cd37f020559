// Waveform files: the open and save buttons of the toolbar.
#include "shell/unit1.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>

#include "editor/graph_xy.h"
#include "editor/wave_file_name.h"
#include "editor/waveform_file.h"
#include "editor/waveform_import.h"
#include "shell/error_reporter.h"
#include "shell/language_texts.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"

namespace {

void FillLineBuffer(QListWidget* buffer, const std::vector<std::string>& lines)
{
    buffer->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    buffer->addItems(texts);
}

} // namespace

void TForm1::ConnectFileControls()
{
    errorReporter.ConnectGuarded(ui.ToolButton2, &QToolButton::clicked, this, &TForm1::ToolButton2Click);
    errorReporter.ConnectGuarded(ui.ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
}

QString TForm1::WaveFileFolder() const
{
    return state.settings.WaveFileFolder();
}

void TForm1::ToolButton2Click()
{
    Timer4->stop();
    const std::optional<QString> path = services.waveFileDialogs->ChooseFileToOpen(WaveFileFolder());
    if (path && !dds::IsWaveformFileName(path->toStdString())) {
        ImportWaveform(*path);
    } else if (path) {
        std::vector<std::string> lines;
        // A file that fails to load throws before anything is replaced: the table, the panels,
        // the buttons and the plot stay as they were.
        dds::WaveformTable loaded;
        try {
            loaded = dds::ReadWaveformFile(path->toStdString(), &lines);
        } catch (const dds::WaveformFileError&) {
            FillLineBuffer(ui.ListBox1, lines);
            throw;
        }
        FillLineBuffer(ui.ListBox1, lines);
        std::copy(loaded.samples.begin() + loaded.firstIndex, loaded.samples.begin() + loaded.length + 1,
                  state.waveformTable.samples.begin() + state.waveformTable.firstIndex);
    }
    ShowLoadedTable();
}

void TForm1::LoadTable(const dds::WaveformTable& table)
{
    Timer4->stop();
    state.waveformTable.samples = table.samples;
    ShowLoadedTable();
    CloseEditStep();
}

void TForm1::ImportWaveform(const QString& path)
{
    // Millions of lines take seconds: the window goes on painting meanwhile, but the operator's
    // input waits until the table is in.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    // The import throws before anything is replaced: a bad file changes nothing.
    const dds::ImportedWaveform imported = dds::ImportWaveformFile(path.toStdString(), dds::ImportScale::Auto, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    state.waveformTable.samples = imported.table.samples;
    state.importStatus = QString::fromStdString(
        dds::ImportStatusText(imported.summary, dds::MessageTexts(state.languageCode).additions));
    state.importedTable = state.waveformTable;
    ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, state.importStatus);
}

// The import's status line speaks of the imported table only: it goes once the table changes.
void TForm1::ClearStaleImportStatus()
{
    if (!state.importedTable || state.waveformTable == *state.importedTable)
        return;
    if (ui.StatusBar1->panelText(MainWindowLayout::kCursorPanel) == state.importStatus)
        ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, QString());
    state.importedTable.reset();
}

void TForm1::ShowLoadedTable()
{
    ui.Panel4->hide();
    ui.Panel5->hide();
    ui.Panel2->hide();
    for (const PresetButton& preset : kPresetButtons)
        (ui.*preset.button)->setDown(false);
    DrawWaveform();
}

void TForm1::ToolButton4Click()
{
    Timer4->stop();
    const QString proposed = QString::fromStdString(
        dds::ProposedWaveFileName(state.clockFields.day, state.clockFields.month, state.clockFields.year, state.clockFields.hour,
                                  state.clockFields.minute, state.clockFields.second));
    const dds::WaveformTable saved = state.waveformTable;
    FillLineBuffer(ui.ListBox1, dds::WaveformLines(saved));
    const auto folderChanged =
        errorReporter.Guarded([this](const QString& folder) { SaveDialog1FolderChange(folder); });
    const std::optional<QString> path =
        services.waveFileDialogs->ChooseFileToSave(WaveFileFolder(), proposed, folderChanged);
    if (!path)
        return;
    if (QFileInfo::exists(*path) && !services.waveFileDialogs->ConfirmOverwrite())
        return;
    dds::WriteWaveformFile(path->toStdString(), saved);
}

void TForm1::SaveDialog1FolderChange(const QString& folder)
{
    // The dialogs are to open in this folder next time, whatever name the dialog proposes.
    state.settings.SetWaveFileFolder(QDir::toNativeSeparators(folder));
    SaveSettings();
}
