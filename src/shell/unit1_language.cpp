// Settings file and interface languages of the main window.
#include <QDir>
#include <QFile>
#include <QToolButton>

#include "shell/error_reporter.h"
#include "shell/text_applier.h"
#include "shell/unit1.h"

void TForm1::ConnectLanguageControls()
{
    errorReporter.ConnectGuarded(ui.ToolButton6, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
    errorReporter.ConnectGuarded(ui.ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
    errorReporter.ConnectGuarded(ui.ToolButton19, &QToolButton::clicked, this, &TForm1::ToolButton19Click);
}

void TForm1::LoadSettings()
{
    state.settings.LoadSettings();
}

void TForm1::SaveSettings()
{
    state.settings.SaveSettings();
}

void TForm1::StoreProgramFolder()
{
    state.settings.SetLine(dds::kProgramFolderLine, QFile::encodeName(QDir::toNativeSeparators(services.programFolder)));
    // Start-up goes on even when no folder takes the file; the operator is told once.
    try {
        SaveSettings();
    } catch (const dds::SettingsWriteError& error) {
        errorReporter.Report(QString::fromUtf8(error.what()));
    }
}

void TForm1::ReadLanguageCode()
{
    state.languageCode = state.settings.LanguageCode();
}

void TForm1::ApplyLanguageTexts()
{
    if (const dds::LanguageTexts* texts = dds::TextsForLanguage(state.languageCode))
        ApplyTexts(*texts);
}

void TForm1::SetFrenchTexts()
{
    ApplyTexts(dds::FrenchTexts());
}

void TForm1::SetEnglishTexts()
{
    ApplyTexts(dds::EnglishTexts());
}

void TForm1::SetGermanTexts()
{
    ApplyTexts(dds::GermanTexts());
}

void TForm1::ApplyTexts(const dds::LanguageTexts& texts)
{
    dds::ApplyTextSet(*this, ui, texts, {.connected = state.connectedFlag == 1, .waveformKind = state.waveformKind});
    ApplyAdditionTexts();
}

void TForm1::ToolButton6Click()
{
    ChooseLanguage(dds::kFrenchCode, &TForm1::SetFrenchTexts);
}

void TForm1::ToolButton5Click()
{
    ChooseLanguage(dds::kEnglishCode, &TForm1::SetEnglishTexts);
}

void TForm1::ToolButton19Click()
{
    ChooseLanguage(dds::kGermanCode, &TForm1::SetGermanTexts);
}

void TForm1::ChooseLanguage(int32_t code, void (TForm1::*setTexts)())
{
    state.languageCode = code;
    (this->*setTexts)();
    state.settings.SetLine(dds::kLanguageLine, QByteArray::number(code));
    SaveSettings();
}
