// The secondary windows as the main window shows and hides them, and the user guide.
#include <QPushButton>
#include <QToolButton>

#include "shell/error_reporter.h"
#include "shell/settings_file.h"
#include "shell/unit1.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit4.h"
#include "shell/unit5.h"
#include "shell/unit6.h"
#include "shell/web_addresses.h"
#include "shell/window_showing.h"

void TForm1::CreateSecondaryWindows()
{
    // Windows of their own that belong to this one: no taskbar entries of their own.
    Form2 = std::make_unique<TForm2>(this);
    Form3 = std::make_unique<TForm3>(this);
    Form4 = std::make_unique<TForm4>(this);
    Form5 = std::make_unique<TForm5>(this);
    Form6 = std::make_unique<TForm6>(services.urlOpener, errorReporter, this);
}

void TForm1::ConnectWindowControls()
{
    errorReporter.ConnectGuarded(ui.ToolButton7, &QToolButton::clicked, this, &TForm1::ToolButton7Click);
    errorReporter.ConnectGuarded(ui.ToolButton1, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
    errorReporter.ConnectGuarded(ui.SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    errorReporter.ConnectGuarded(ui.SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    errorReporter.ConnectGuarded(ui.SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    errorReporter.ConnectGuarded(ui.SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    errorReporter.ConnectGuarded(ui.BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::ToolButton7Click()
{
    dds::ShowOnTop(*Form6);
}

void TForm1::ToolButton1Click()
{
    dds::OpenWebAddress(services.urlOpener, dds::UserGuideUrl(services.programFolder, state.languageCode));
}

void TForm1::SpeedButton4Click()
{
    dds::ShowOnTop(*Form2);
}

void TForm1::SpeedButton5Click()
{
    dds::HideToNormal(*Form2);
}

void TForm1::SpeedButton6Click()
{
    dds::ShowOnTop(*Form3);
}

void TForm1::SpeedButton7Click()
{
    dds::HideToNormal(*Form3);
}

void TForm1::BitBtn1Click()
{
    dds::ShowOnTop(*Form5);
}
