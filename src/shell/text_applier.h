#pragma once
#include "shell/language_texts.h"

class QWidget;
struct MainWindowLayout;

namespace dds {

// What the language-dependent texts also depend on at the moment they are applied.
struct TextContext {
    bool connected = false;
    int waveformKind = 0;
};

// Assigns one text set to the main window, in a fixed order: title and caption, status text, group
// captions, titles, hints, then the modulation titles. Every centred control is re-centred right
// after its text changes.
void ApplyTextSet(QWidget& form, MainWindowLayout& ui, const LanguageTexts& texts, TextContext context);

} // namespace dds
