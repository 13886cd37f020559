#pragma once
#include <array>
#include <cstddef>

#include "shell/addition_texts.h"
#include "shell/hint_texts.h"

namespace dds {

constexpr int kEnglishCode = 0;
constexpr int kFrenchCode = 1;
constexpr int kGermanCode = 2;

// Every translatable text of the main window in one language, UTF-8. Group captions keep their
// framing spaces.
struct LanguageTexts {
    const char* applicationTitle;
    const char* windowCaption;
    const char* statusConnected;
    const char* statusNotConnected;
    const char* generatorControlGroup;                    // GroupBox1
    std::array<const char*, 4> notConnectedInstructions;  // Label3 .. Label6
    const char* outputWaveformGroup;                      // GroupBox2
    const char* frequencyGroup;                           // GroupBox3
    const char* frequencyRangeGroup;                      // GroupBox4
    const char* waveformSelectionGroup;                   // GroupBox5
    const char* shapeRcConstant;                          // Label9, capacitor waveforms
    const char* shapeSlope;                               // Label9, triangle
    const char* shapeDutyCycle;                           // Label9, the other presets
    const char* offsetAmplitudeGroup;                     // GroupBox6
    const char* offsetTitle;                              // Label14
    const char* amplitudeTitle;                           // Label15
    const char* graphAmplitudeTitle;                      // Label16
    const char* positionLabel;                            // antAngleLabel1
    std::array<const char*, 2> drawingInstructions;       // Label21, Label22
    const char* brushWidthTitle;                          // Label28
    const char* lowPassFilterGroup;                       // GroupBox7
    const char* filterOff;                                // RadioButton1
    std::array<const char*, 3> notConnectedOverlay;       // Label7, Label8, Label36
    const char* HintRow::*hint;                           // this language's column of the hint table
    std::array<const char*, 2> amCoefficientTitles;       // Label37, Label38, waveform 9
    std::array<const char*, 2> fmCoefficientTitles;       // Label37, Label38, waveform 11
    AdditionTexts additions;                              // the later additions' texts
    const char* guidePage;                                // this language's page of the user guide
};

const LanguageTexts& FrenchTexts();
const LanguageTexts& EnglishTexts();
const LanguageTexts& GermanTexts();
// The one place a language code is read. The text set of a code, or nullptr for a code that names
// no language: the window's texts then stay as they are.
const LanguageTexts* TextsForLanguage(int code);
// The texts of what must be said whatever the code (a status line, the user guide's section):
// French, the default language, for a code that names no language.
const LanguageTexts& MessageTexts(int code);

// The shape dial's title for a waveform kind, or nullptr when the kind leaves it unchanged.
const char* ShapeDialTitle(const LanguageTexts& texts, int waveformKind);
// The two coefficient title lines for amplitude and frequency modulation, or nullptr otherwise.
const std::array<const char*, 2>* CoefficientTitles(const LanguageTexts& texts, int waveformKind);

} // namespace dds
