#include "shell/addition_texts.h"

#include <cstdio>

namespace dds {
namespace {

std::string Replaced(std::string text, const std::string& marker, const std::string& value)
{
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

// Six significant digits, the language's decimal separator and a true minus sign.
std::string Number(double value, char decimalSeparator)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text;
    for (const char* c = buffer; *c; ++c) {
        if (*c == '-')
            text += "−";
        else if (*c == '.')
            text += decimalSeparator;
        else
            text += *c;
    }
    return text;
}

} // namespace

std::string ImportStatusText(const ImportSummary& summary, const AdditionTexts& t)
{
    std::string text = Replaced(t.importedSamples, "%1", std::to_string(summary.sampleCount));
    switch (summary.scale) {
    case AppliedScale::Fit:
        text += Replaced(Replaced(t.scaledFrom, "%1", Number(summary.minimum, t.decimalSeparator)), "%2",
                         Number(summary.maximum, t.decimalSeparator));
        break;
    case AppliedScale::Raw: text += t.valuesAsCodes; break;
    case AppliedScale::FullScale: text += t.fullScale; break;
    case AppliedScale::ByteCodes: text += t.bytesAsCodes; break;
    }
    if (summary.limited > 0)
        text += Replaced(t.limited, "%1", std::to_string(summary.limited));
    if (summary.skippedLines > 0)
        text += Replaced(summary.skippedLines == 1 ? t.skippedLine : t.skippedLines, "%1",
                         std::to_string(summary.skippedLines));
    return text;
}

} // namespace dds
