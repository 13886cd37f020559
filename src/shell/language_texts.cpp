#include "shell/language_texts.h"

namespace dds {

namespace {

constexpr LanguageTexts kFrenchTexts{
    .applicationTitle = "Générateur de fonctions de formes arbitraires USB - DDS",
    .windowCaption = "Générateur de fonctions de formes arbitraires USB - DDS",
    .statusConnected = "Générateur de fonctions de formes arbitraires USB connecté",
    .statusNotConnected = "Générateur de fonctions de formes arbitraires USB non connecté",
    .generatorControlGroup = " Contrôle du générateur USB: ",
    .notConnectedInstructions = {"Branchez votre générateur", "à l'un des ports USB de votre PC.", "Mettez le générateur sous tension", "et patientez quelques secondes..."},
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
    .drawingInstructions = {"Pour modifier la forme d'onde, placez la souris sur l'écran noir", "puis pressez le clic droit. Déplacez la souris lentement."},
    .brushWidthTitle = "Largeur du pinceau",
    .lowPassFilterGroup = " Filtre passe-bas de sortie: ",
    .filterOff = "Filtre inactif",
    .notConnectedOverlay = {"Générateur de fonctions", "de formes arbitraires USB", "non connecté..."},
    .hints = {
        "Réglage de la fréquence", // RxSlider1
        "Décrémentation d'une unité de la fréquence", // SpeedButton11
        "Incrémentation d'une unité de la fréquence", // SpeedButton12
        "Calibre 1Hz", // DoubleSpeed1
        "Calibre 10Hz", // DoubleSpeed2
        "Calibre 100Hz", // DoubleSpeed3
        "Calibre 1kHz", // DoubleSpeed4
        "Calibre 10kHz", // DoubleSpeed5
        "Calibre 100kHz", // DoubleSpeed6
        "Calibre 1MHz", // DoubleSpeed7
        "Réglage de l'offset", // RxSlider3
        "Décrémentation d'une unité de l'offset", // SpeedButton3
        "Incrémentation d'une unité de l'offset", // SpeedButton2
        "Centrage du signal de sortie", // SpeedButton13
        "Réglage de l'amplitude du signal de sortie", // RxSlider4
        "Transfert vers le générateur du calibre et de la forme d'onde", // SpeedButton10
        "Filtre passe-bas désactivé en sortie du générateur", // RadioButton1
        "Filtre passe-bas pour le calibre 1Hz. Fréquence de coupure: 40Hz", // RadioButton2
        "Filtre passe-bas pour le calibre 10Hz. Fréquence de coupure: 100Hz", // RadioButton3
        "Filtre passe-bas pour le calibre 100Hz. Fréquence de coupure: 330Hz", // RadioButton4
        "Filtre passe-bas pour le calibre 1kHz. Fréquence de coupure: 10kHz", // RadioButton5
        "Filtre passe-bas pour le calibre 10kHz. Fréquence de coupure: 60kHz", // RadioButton6
        "Filtre passe-bas pour le calibre 100kHz. Fréquence de coupure: 850kHz", // RadioButton7
        "Filtre passe-bas pour le calibre 1MHz. Fréquence de coupure: 15MHz", // RadioButton8
        "Forme d'onde sinusoïdale", // DoubleSpeed8
        "Forme d'onde rectangulaire", // DoubleSpeed9
        "Forme d'onde triangulaire", // DoubleSpeed10
        "Forme d'onde rampe descendante", // DoubleSpeed11
        "Forme d'onde rampe montante", // DoubleSpeed12
        "Forme d'onde de charge et décharge de condensateur", // DoubleSpeed13
        "Forme d'onde de charge de condensateur", // DoubleSpeed14
        "Forme d'onde de décharge de condensateur", // DoubleSpeed15
        "Forme d'onde de modulation d'amplitude", // DoubleSpeed16
        "Forme d'onde de modulation de fréquence", // DoubleSpeed19
        "Forme d'onde de bruit blanc", // DoubleSpeed20
        "Forme d'onde d'un signal continue (DC)", // DoubleSpeed17
        "Dessiner une forme d'onde à la souris", // DoubleSpeed18
        "Effacer la forme d'onde dessinée", // SpeedButton9
        "Position verticale graphique de la forme d'onde", // RxSlider2
        "Centrage vertical de la forme d'onde", // SpeedButton8
        "Quitter le programme", // ToolButton3
        "Ouvrir une forme d'onde au format Excel", // ToolButton2
        "Sauvegarder une forme d'onde au format Excel", // ToolButton4
        "Logiciel en langue Française", // ToolButton6
        "Logiciel en langue Anglaise", // ToolButton5
        "Logiciel en langue Allemande", // ToolButton19
        "Copyrights du logiciel", // ToolButton7
        "Guide d'utilisation du logiciel", // ToolButton1
    },
    .amCoefficientTitles = {"Coefficient fréquence", "de la porteuse"},
    .fmCoefficientTitles = {"Coefficient fréquence", "de la modulation"},
};

constexpr LanguageTexts kEnglishTexts{
    .applicationTitle = "Fonction Arbitrary Waveform Generator USB - DDS",
    .windowCaption = "Fonction Arbitrary Waveform Generator USB - DDS",
    .statusConnected = "Fonction Arbitrary Waveform Generator connected",
    .statusNotConnected = "Fonction Arbitrary Waveform Generator USB not connected",
    .generatorControlGroup = " Generator Control USB: ",
    .notConnectedInstructions = {"Connect your generator", "to the USB port of your PC.", "Turn on generator power", "and wait a few seconds ..."},
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
    .drawingInstructions = {"To change the waveform, position the mouse on the black screen", "and press the right mouse button. Move the mouse slowly."},
    .brushWidthTitle = "Width of the brush",
    .lowPassFilterGroup = " Lowpass filter output: ",
    .filterOff = "Filter OFF",
    .notConnectedOverlay = {"Fonction Arbitrary", "Waveform Generator USB", "not connected..."},
    .hints = {
        "Frequency adjustment", // RxSlider1
        "Decrement a unit of frequency", // SpeedButton11
        "Increment of a unit of frequency", // SpeedButton12
        "Caliber 1Hz", // DoubleSpeed1
        "Caliber 10Hz", // DoubleSpeed2
        "Caliber 100Hz", // DoubleSpeed3
        "Caliber 1kHz", // DoubleSpeed4
        "Caliber 10kHz", // DoubleSpeed5
        "Caliber 100kHz", // DoubleSpeed6
        "Caliber 1MHz", // DoubleSpeed7
        "Adjusting Offset", // RxSlider3
        "Decrement a unit offset", // SpeedButton3
        "Increment of a unit offset", // SpeedButton2
        "Centering the output signal", // SpeedButton13
        "Adjusting amplitude of the output signal", // RxSlider4
        "Transfer to the generator of the gauge and the waveform", // SpeedButton10
        "Low-pass filter output of the generator disabled", // RadioButton1
        "Low-pass filter for caliber 1Hz. Crossover: 40HZ", // RadioButton2
        "Low-pass filter for caliber 10Hz. Crossover: 100Hz", // RadioButton3
        "Low-pass filter for caliber 100Hz. Crossover: 330Hz", // RadioButton4
        "Low-pass filter for caliber 1kHz. Crossover: 10kHz", // RadioButton5
        "Low-pass filter for caliber 10kHz. Crossover: 60Hz", // RadioButton6
        "Low-pass filter for caliber 100kHz. Crossover: 850kHz", // RadioButton7
        "Low-pass filter for caliber 1MHz. Crossover: 15MHz", // RadioButton8
        "Sinusoidal waveform", // DoubleSpeed8
        "Rectangular waveform", // DoubleSpeed9
        "Triangular waveform", // DoubleSpeed10
        "Falling ramp waveform", // DoubleSpeed11
        "Rising ramp waveform", // DoubleSpeed12
        "Waveform of charging and discharging capacitor", // DoubleSpeed13
        "Waveform charging capacitor", // DoubleSpeed14
        "Waveform discharging capacitor", // DoubleSpeed15
        "Waveform amplitude modulation", // DoubleSpeed16
        "Waveform modulation frequency", // DoubleSpeed19
        "Waveform white noise", // DoubleSpeed20
        "Waveform signal continues (DC)", // DoubleSpeed17
        "Draw a waveform with the mouse", // DoubleSpeed18
        "Clear waveform drawn", // SpeedButton9
        "Vertical graphic waveform", // RxSlider2
        "Vertical centering the waveform", // SpeedButton8
        "Exit program", // ToolButton3
        "Open a waveform to Excel", // ToolButton2
        "Save a waveform to Excel", // ToolButton4
        "French Language Software", // ToolButton6
        "English Language Software", // ToolButton5
        "German Language Software", // ToolButton19
        "Software Copyrights", // ToolButton7
        "Guide Software", // ToolButton1
    },
    .amCoefficientTitles = {"Coefficient carrier", "frequency"},
    .fmCoefficientTitles = {"Coefficient of", "frequency modulation"},
};

constexpr LanguageTexts kGermanTexts{
    .applicationTitle = "DDS – Arbiträrsignalgenerator mit USB-Anschluss",
    .windowCaption = "DDS – Arbiträrsignalgenerator mit USB-Anschluss",
    .statusConnected = "Arbiträrsignalgenerator verbunden",
    .statusNotConnected = "Arbiträrsignalgenerator nicht verbunden",
    .generatorControlGroup = " Generatorsteuerung via USB: ",
    .notConnectedInstructions = {"Verbinde den Generator", "mit einem USB Anschluss des PC.", "Generator einschalten", "und einige Sekunden warten..."},
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
    .drawingInstructions = {"Um die Signalform zu verändern, positioniere den Mauspfeil im", "schwarzen Feld und drücke die rechte Maustaste. Maus langsam bewegen!"},
    .brushWidthTitle = "Breite des Zeichenwerkzeugs",
    .lowPassFilterGroup = " Ausgang Tiefpass-Filter: ",
    .filterOff = "Filter AUS",
    .notConnectedOverlay = {"Arbiträr-Funktion", "USB Signalgenerator", "nicht verbunden..."},
    .hints = {
        "Frequenzeinstellung", // RxSlider1
        "Frequenz verringern", // SpeedButton11
        "Frequenz erhöhen", // SpeedButton12
        "Bereich 1Hz", // DoubleSpeed1
        "Bereich 10Hz", // DoubleSpeed2
        "Bereich 100Hz", // DoubleSpeed3
        "Bereich 1kHz", // DoubleSpeed4
        "Bereich 10kHz", // DoubleSpeed5
        "Bereich 100kHz", // DoubleSpeed6
        "Bereich 1MHz", // DoubleSpeed7
        "Ablage einstellen", // RxSlider3
        "Ablage verringern", // SpeedButton3
        "Ablage erhöhen", // SpeedButton2
        "Ausgangssignal zentrieren", // SpeedButton13
        "Amplitude des Ausgangssignals", // RxSlider4
        "Signalprobe in den Generator kopieren", // SpeedButton10
        "Tiefpassfilter aus", // RadioButton1
        "Tiefpassfilter für den 1Hz-Bereich. Trennfrequenz: 40Hz", // RadioButton2
        "Tiefpassfilter für den 10Hz-Bereich. Trennfrequenz: 100Hz", // RadioButton3
        "Tiefpassfilter für den 100Hz-Bereich. Trennfrequenz: 330Hz", // RadioButton4
        "Tiefpassfilter für den 1kHz-Bereich. Trennfrequenz: 10kHz", // RadioButton5
        "Tiefpassfilter für den 10kHz-Bereich. Trennfrequenz: 60kHz", // RadioButton6
        "Tiefpassfilter für den 100kHz-Bereich. Trennfrequenz: 850kHz", // RadioButton7
        "Tiefpassfilter für den 1MHz-Bereich. Trennfrequenz: 15MHz", // RadioButton8
        "Sinussignal", // DoubleSpeed8
        "Rechtecksignal", // DoubleSpeed9
        "Dreiecksignal", // DoubleSpeed10
        "Sägezahnsignal, abfallend", // DoubleSpeed11
        "Sägezahnsignal, ansteigend", // DoubleSpeed12
        "Lade-/Entladekurve Kondensator", // DoubleSpeed13
        "Signalform Dreieck", // DoubleSpeed14
        "Entladekurve Kondensator", // DoubleSpeed15
        "AM-Signal", // DoubleSpeed16
        "FM-Signal", // DoubleSpeed19
        "Signalform Weißes Rauschen", // DoubleSpeed20
        "Gleichspannung (DC)", // DoubleSpeed17
        "Eine Kurve mit der Maus zeichnen", // DoubleSpeed18
        "Kurve zurücksetzen", // SpeedButton9
        "Amplitude des Ausgangssignals", // RxSlider2
        "Ausgangssignal zentrieren", // SpeedButton8
        "Programm beenden", // ToolButton3
        "Signalform aus Excel-Datei laden", // ToolButton2
        "Signalform in Excel-Datei speichern", // ToolButton4
        "Software auf Französisch", // ToolButton6
        "Software auf Englisch", // ToolButton5
        "Software auf Deutsch", // ToolButton19
        "Urheberrechte", // ToolButton7
        "Bedienungsanleitung", // ToolButton1
    },
    .amCoefficientTitles = {"Frequenz des", "Trägersignals"},
    .fmCoefficientTitles = {"Modulationsindex", ""},
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

const char* HintFor(const LanguageTexts& texts, HintTarget target)
{
    return texts.hints.at(static_cast<std::size_t>(target));
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
