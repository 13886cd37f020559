#include "shell/language_texts.h"
#include "shell/unit1.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"

void TForm1::ShowRemoteClients(int clients)
{
    remoteClients_ = clients;
    ShowRemoteStatus();
}

// Draw mode owns panel 1 for its readout; leaving it, or a change of language, shows the text again.
void TForm1::ShowRemoteStatus()
{
    const dds::LanguageTexts* texts = dds::TextsForLanguage(state.languageCode);
    if (ui.DoubleSpeed18->Down() || !texts)
        return;
    const QString remote = QString::fromUtf8(texts->additions.remoteClient);
    if (remoteClients_ > 0)
        ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, remote);
    else if (ui.StatusBar1->panelText(MainWindowLayout::kCursorPanel) == remote) // an import's line stays
        ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, QString());
}
