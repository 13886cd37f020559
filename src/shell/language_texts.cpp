#include "shell/language_texts.h"

namespace dds {

namespace {

constexpr LanguageTexts kFrenchTexts{
    .applicationTitle = "Générateur de fonctions de formes arbitraires USB - DDS",
    .windowCaption = "Générateur de fonctions de formes arbitraires USB - DDS",
    .statusConnected = "Générateur de fonctions de formes arbitraires USB connecté",
    .statusNotConnected = "Générateur de fonctions de formes arbitraires USB non connecté",
    .generatorControlGroup = " Contrôle du générateur USB: ",
    .notConnectedInstructions = {"Branchez votre générateur", "à l'un des ports USB de votre PC.",
                                 "Mettez le générateur sous tension", "et patientez quelques secondes..."},
    .outputWaveformGroup = " Forme de l'onde en sortie: ",
    .frequencyGroup = " Fréquence: ",
    .frequencyRangeGroup = " Gammes de fréquence (Hz): ",
    .waveformSelectionGroup = " Sélection des formes d'onde: ",
    .shapeRcConstant = "Constante RC",
    .shapeSlope = "Pente",
    .shapeDutyCycle = "Rapport cyclique",
    .offsetAmplitudeGroup = " Offset et amplitude du signal en sortie: ",
    .offsetTitle = "Réglage offset",
    .amplitudeTitle = "Réglage amplitude de sortie",
    .graphAmplitudeTitle = "Amplitude graphe",
    .positionLabel = "Position",
    .drawingInstructions = {"Pour modifier la forme d'onde, placez la souris sur l'écran noir",
                            "puis pressez le clic droit. Déplacez la souris lentement."},
    .brushWidthTitle = "Largeur du pinceau",
    .lowPassFilterGroup = " Filtre passe-bas de sortie: ",
    .filterOff = "Filtre inactif",
    .notConnectedOverlay = {"Générateur de fonctions", "de formes arbitraires USB", "non connecté..."},
    .hint = &HintRow::french,
    .amCoefficientTitles = {"Coefficient fréquence", "de la porteuse"},
    .fmCoefficientTitles = {"Coefficient fréquence", "de la modulation"},
    .additions = {
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
        "Distant",
    },
    .guidePage = "utlisation_soft.htm",
};

constexpr LanguageTexts kEnglishTexts{
    .applicationTitle = "Fonction Arbitrary Waveform Generator USB - DDS",
    .windowCaption = "Fonction Arbitrary Waveform Generator USB - DDS",
    .statusConnected = "Fonction Arbitrary Waveform Generator connected",
    .statusNotConnected = "Fonction Arbitrary Waveform Generator USB not connected",
    .generatorControlGroup = " Generator Control USB: ",
    .notConnectedInstructions = {"Connect your generator", "to the USB port of your PC.", "Turn on generator power",
                                 "and wait a few seconds ..."},
    .outputWaveformGroup = " Waveform output: ",
    .frequencyGroup = " Frequency: ",
    .frequencyRangeGroup = " Frequency Range (Hz): ",
    .waveformSelectionGroup = " Selected waveforms: ",
    .shapeRcConstant = "Constant RC",
    .shapeSlope = "Inclination",
    .shapeDutyCycle = "Duty cycle",
    .offsetAmplitudeGroup = " Offset and amplitude of the signal output: ",
    .offsetTitle = "Adjusting Offset",
    .amplitudeTitle = "Setting output amplitude",
    .graphAmplitudeTitle = "Amplitude graph",
    .positionLabel = "Position",
    .drawingInstructions = {"To change the waveform, position the mouse on the black screen",
                            "and press the right mouse button. Move the mouse slowly."},
    .brushWidthTitle = "Width of the brush",
    .lowPassFilterGroup = " Lowpass filter output: ",
    .filterOff = "Filter OFF",
    .notConnectedOverlay = {"Fonction Arbitrary", "Waveform Generator USB", "not connected..."},
    .hint = &HintRow::english,
    .amCoefficientTitles = {"Coefficient carrier", "frequency"},
    .fmCoefficientTitles = {"Coefficient of", "frequency modulation"},
    .additions = {
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
        "Remote",
    },
    .guidePage = "utlisation_soft_en.htm",
};

constexpr LanguageTexts kGermanTexts{
    .applicationTitle = "DDS – Arbiträrsignalgenerator mit USB-Anschluss",
    .windowCaption = "DDS – Arbiträrsignalgenerator mit USB-Anschluss",
    .statusConnected = "Arbiträrsignalgenerator verbunden",
    .statusNotConnected = "Arbiträrsignalgenerator nicht verbunden",
    .generatorControlGroup = " Generatorsteuerung via USB: ",
    .notConnectedInstructions = {"Verbinde den Generator", "mit einem USB Anschluss des PC.", "Generator einschalten",
                                 "und einige Sekunden warten..."},
    .outputWaveformGroup = " Signalausgang: ",
    .frequencyGroup = " Frequenz: ",
    .frequencyRangeGroup = " Frequenzbereich (Hz): ",
    .waveformSelectionGroup = " Voreingestellte Signalformen: ",
    .shapeRcConstant = "Kurvenverhältnis",
    .shapeSlope = "Neigung",
    .shapeDutyCycle = "Einschaltdauer",
    .offsetAmplitudeGroup = " Ablage und Amplitude des Ausgangssignals: ",
    .offsetTitle = "Ablage einstellen",
    .amplitudeTitle = "Amplitude des Ausgangssignals einstellen",
    .graphAmplitudeTitle = "Amplitudenhöhe",
    .positionLabel = "Position",
    .drawingInstructions = {"Um die Signalform zu verändern, positioniere den Mauspfeil im",
                            "schwarzen Feld und drücke die rechte Maustaste. Maus langsam bewegen!"},
    .brushWidthTitle = "Breite des Zeichenwerkzeugs",
    .lowPassFilterGroup = " Ausgang Tiefpass-Filter: ",
    .filterOff = "Filter AUS",
    .notConnectedOverlay = {"Arbiträr-Funktion", "USB Signalgenerator", "nicht verbunden..."},
    .hint = &HintRow::german,
    .amCoefficientTitles = {"Frequenz des", "Trägersignals"},
    .fmCoefficientTitles = {"Modulationsindex", ""},
    .additions = {
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
        "Fern",
    },
    .guidePage = "utlisation_soft_de.htm",
};

} // namespace

const LanguageTexts& FrenchTexts() { return kFrenchTexts; }
const LanguageTexts& EnglishTexts() { return kEnglishTexts; }
const LanguageTexts& GermanTexts() { return kGermanTexts; }

const LanguageTexts* TextsForLanguage(int code)
{
    switch (code) {
    case kEnglishCode: return &kEnglishTexts;
    case kFrenchCode: return &kFrenchTexts;
    case kGermanCode: return &kGermanTexts;
    default: return nullptr;
    }
}

const LanguageTexts& MessageTexts(int code)
{
    const LanguageTexts* texts = TextsForLanguage(code);
    return texts ? *texts : kFrenchTexts;
}

const char* ShapeDialTitle(const LanguageTexts& texts, int waveformKind)
{
    switch (waveformKind) {
    case 6: case 7: case 8: return texts.shapeRcConstant;
    case 3: return texts.shapeSlope;
    case 1: case 2: case 4: case 5: case 9: case 10: case 11: case 12: return texts.shapeDutyCycle;
    default: return nullptr;
    }
}

const std::array<const char*, 2>* CoefficientTitles(const LanguageTexts& texts, int waveformKind)
{
    if (waveformKind == 9)
        return &texts.amCoefficientTitles;
    if (waveformKind == 11)
        return &texts.fmCoefficientTitles;
    return nullptr;
}

} // namespace dds
