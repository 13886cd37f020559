#pragma once
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <deque>
#include <memory>
#include <optional>

#include "editor/graph_xy.h"
#include "panel/front_panel.h"
#include "shell/unit1.h"
#include "shell/wave_file_dialogs.h"
#include "test_services.h"
#include "window_controls.h"

// Answers the window's file questions from a script and remembers what it was asked.
class ScriptedWaveFileDialogs : public dds::WaveFileDialogs {
public:
    struct Script {
        // One answer per dialog shown; an empty answer, or none left, cancels the dialog.
        QStringList openAnswers;
        QStringList saveAnswers;
        std::deque<bool> overwriteAnswers;
        QString folderToEnter; // entered in the save dialog when not empty
        QStringList openStartFolders;
        QStringList saveStartFolders;
        QStringList proposedNames;
        int overwriteQuestions = 0;
    };

    explicit ScriptedWaveFileDialogs(Script& script) : script_(script) {}

    std::optional<QString> ChooseFileToOpen(const QString& startFolder) override
    {
        script_.openStartFolders << startFolder;
        return Next(script_.openAnswers);
    }
    std::optional<QString> ChooseFileToSave(const QString& startFolder, const QString& proposedName,
                                            const FolderChanged& folderChanged) override
    {
        script_.saveStartFolders << startFolder;
        script_.proposedNames << proposedName;
        if (!script_.folderToEnter.isEmpty())
            folderChanged(script_.folderToEnter);
        return Next(script_.saveAnswers);
    }
    bool ConfirmOverwrite() override
    {
        ++script_.overwriteQuestions;
        if (script_.overwriteAnswers.empty())
            return false;
        const bool answer = script_.overwriteAnswers.front();
        script_.overwriteAnswers.pop_front();
        return answer;
    }

private:
    static std::optional<QString> Next(QStringList& answers)
    {
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

    Script& script_;
};

// The main window as it comes up, with reported errors recorded instead of shown and the file
// dialogs scripted.
class WaveformWindow : public ::testing::Test {
protected:
    void SetUp() override { CreateWindow(services.For()); }
    void CreateWindow(dds::WindowServices windowServices)
    {
        windowServices.waveFileDialogs = std::make_shared<ScriptedWaveFileDialogs>(dialogs);
        form = std::make_unique<TForm1>(std::move(windowServices));
        // The start-up picture locks the groups on its ticks; these tests are about what follows.
        Find<QTimer>(*form, "Timer2")->stop();
        errors.clear();
    }
    void TearDown() override { form.reset(); }

    // Mouse gestures on the plot need a window on the screen.
    void ShowWindow()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    dds::WaveformTable table() const { return form->FrontPanel().State().table; }
    int kind() const { return static_cast<int>(form->FrontPanel().State().kind); }
    const std::vector<dds::PlotPoint>& trace(int n) const { return Find<TGraphXY>(*form, "GraphXY1")->TracePoints(n); }
    // The plotted waveform matches the table point for point.
    bool plotShowsTable() const
    {
        const dds::WaveformTable shown = table();
        const auto& points = trace(0);
        if (points.size() != 3200)
            return false;
        for (int n = 1; n <= 3200; ++n)
            if (points[std::size_t(n - 1)].x != n || points[std::size_t(n - 1)].y != shown[n])
                return false;
        return true;
    }

    RecordedServices services;
    std::unique_ptr<TForm1> form;
    ScriptedWaveFileDialogs::Script dialogs;
    QStringList& errors = services.errors;
};
