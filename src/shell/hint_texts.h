#pragma once
#include <span>

class QWidget;
struct MainWindowLayout;

namespace dds {

struct LanguageTexts;

// One control that carries a translated pop-up hint, with its hint in each language (UTF-8).
struct HintRow {
    QWidget* (*control)(const MainWindowLayout& ui);
    const char* french;
    const char* english;
    const char* german;
};

// Every hinted control, in the order the hints are assigned.
std::span<const HintRow> HintTable();

// The hint `texts` gives `control`, or nullptr when the control carries none.
const char* HintFor(const MainWindowLayout& ui, const QWidget* control, const LanguageTexts& texts);

} // namespace dds
