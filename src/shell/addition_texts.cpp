#include "shell/addition_texts.h"

#include <cstdio>

#include "shell/language_texts.h"

namespace dds {
namespace {

const AdditionTexts kFrench{
    "Afficher ce que le générateur jouera vraiment (P)",
    "%1 échantillons → 3200",
    ", mis à l'échelle de %1..%2",
    ", valeurs prises comme codes",
    ", pleine échelle −1..1",
    ", octets pris comme codes",
    ", %1 limités à 0..255",
    ", 1 ligne d'en-tête ignorée",
    ", %1 lignes d'en-tête ignorées",
    "Le générateur produit lui-même le bruit",
    ',',
};

const AdditionTexts kEnglish{
    "Show what the generator will really play (P)",
    "%1 samples → 3200",
    ", scaled from %1..%2",
    ", values taken as codes",
    ", full scale −1..1",
    ", bytes taken as codes",
    ", %1 limited to 0..255",
    ", 1 header line skipped",
    ", %1 header lines skipped",
    "The generator makes the noise itself",
    '.',
};

const AdditionTexts kGerman{
    "Anzeigen, was der Generator wirklich ausgibt (P)",
    "%1 Abtastwerte → 3200",
    ", skaliert von %1..%2",
    ", Werte als Codes übernommen",
    ", Vollaussteuerung −1..1",
    ", Bytes als Codes übernommen",
    ", %1 auf 0..255 begrenzt",
    ", 1 Kopfzeile übersprungen",
    ", %1 Kopfzeilen übersprungen",
    "Der Generator erzeugt das Rauschen selbst",
    ',',
};

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

const AdditionTexts& AdditionTextsFor(int languageCode)
{
    switch (languageCode) {
    case kEnglishCode: return kEnglish;
    case kGermanCode: return kGerman;
    default: return kFrench;
    }
}

std::string ImportStatusText(const ImportSummary& summary, int languageCode)
{
    const AdditionTexts& t = AdditionTextsFor(languageCode);
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
