#pragma once
#include <string>

#include "editor/waveform_import.h"

namespace dds {

// Texts of the window's later additions (import, the played-bytes overlay, remote control), UTF-8,
// per interface language, part of each language's set in language_texts.
struct AdditionTexts {
    const char* playedHint;        // the overlay's toolbar button
    const char* importedSamples;   // "%1 samples → 3200"
    const char* scaledFrom;        // ", scaled from %1..%2"
    const char* valuesAsCodes;     // raw
    const char* fullScale;         // WAV at full scale
    const char* bytesAsCodes;      // 8-bit WAV
    const char* limited;           // ", %1 limited to 0..255"
    const char* skippedLine;       // ", 1 header line skipped"
    const char* skippedLines;      // ", %1 header lines skipped"
    const char* noiseCorner;       // the overlay's corner with white noise
    char decimalSeparator;
    const char* remoteClient;      // status bar panel 1 while a SCPI client is connected
};

// The status line after an import, e.g. "1000 échantillons → 3200, mis à l'échelle de −2,5..2,5".
std::string ImportStatusText(const ImportSummary& summary, const AdditionTexts& texts);

} // namespace dds
