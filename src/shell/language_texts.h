#pragma once
#include <array>
#include <cstddef>

namespace dds {

constexpr int kEnglishCode = 0;
constexpr int kFrenchCode = 1;
constexpr int kGermanCode = 2;

// The controls that carry a translated hint, in the order the hints are assigned.
enum class HintTarget : std::size_t {
    RxSlider1, SpeedButton11, SpeedButton12,
    DoubleSpeed1, DoubleSpeed2, DoubleSpeed3, DoubleSpeed4, DoubleSpeed5, DoubleSpeed6, DoubleSpeed7,
    RxSlider3, SpeedButton3, SpeedButton2, SpeedButton13, RxSlider4, SpeedButton10,
    RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6, RadioButton7,
    RadioButton8,
    DoubleSpeed8, DoubleSpeed9, DoubleSpeed10, DoubleSpeed11, DoubleSpeed12, DoubleSpeed13,
    DoubleSpeed14, DoubleSpeed15, DoubleSpeed16, DoubleSpeed19, DoubleSpeed20, DoubleSpeed17,
    DoubleSpeed18, SpeedButton9, RxSlider2, SpeedButton8,
    ToolButton3, ToolButton2, ToolButton4, ToolButton6, ToolButton5, ToolButton19, ToolButton7,
    ToolButton1,
    Count
};
constexpr std::size_t kHintCount = static_cast<std::size_t>(HintTarget::Count);

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
    std::array<const char*, kHintCount> hints;
    std::array<const char*, 2> amCoefficientTitles;       // Label37, Label38, waveform 9
    std::array<const char*, 2> fmCoefficientTitles;       // Label37, Label38, waveform 11
};

const LanguageTexts& FrenchTexts();
const LanguageTexts& EnglishTexts();
const LanguageTexts& GermanTexts();
// The text set of a language code, or nullptr for a code that names no language.
const LanguageTexts* TextsForLanguage(int code);

const char* HintFor(const LanguageTexts& texts, HintTarget target);
// The shape dial's title for a waveform kind, or nullptr when the kind leaves it unchanged.
const char* ShapeDialTitle(const LanguageTexts& texts, int waveformKind);
// The two coefficient title lines for amplitude and frequency modulation, or nullptr otherwise.
const std::array<const char*, 2>* CoefficientTitles(const LanguageTexts& texts, int waveformKind);

// Left edge that centres a control in its container; integer division truncating toward zero, so
// an over-wide control gets a negative left edge.
constexpr int CentredLeft(int containerWidth, int controlWidth)
{
    return (containerWidth - controlWidth) / 2;
}

} // namespace dds
