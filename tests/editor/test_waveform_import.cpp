#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <fstream>

#include "editor/waveform_import.h"
#include "wav_bytes.h"

using namespace dds;

namespace {

ImportedWaveform FromText(std::string_view text, ImportScale scale = ImportScale::Auto)
{
    return ResampleToTable(ReadTextSamples(MemorySource(text), "f.csv"), scale);
}

ImportedWaveform FromWav(const std::string& bytes, ImportScale scale = ImportScale::Auto)
{
    return ResampleToTable(ReadWavSamples(MemorySource(bytes), "f.wav"), scale);
}

std::string TextError(std::string_view text)
{
    try {
        ReadTextSamples(MemorySource(text), "f.csv");
    } catch (const WaveformImportError& e) {
        return e.what();
    }
    return "no error";
}

std::string WavError(const std::string& bytes)
{
    try {
        ReadWavSamples(MemorySource(bytes), "f.wav");
    } catch (const WaveformImportError& e) {
        return e.what();
    }
    return "no error";
}

std::vector<double> Values(const ImportedSamples& samples)
{
    std::vector<double> values;
    for (std::size_t i = 0; i < samples.values.size(); ++i)
        values.push_back(samples.values[i]);
    return values;
}

} // namespace

// Two samples 0 and 100: x = (k - 1) / 1600, so entry 801 lies halfway up, entry 1601 on the
// second sample and entry 2401 halfway back down towards the first (the wrap-around).
TEST(ImportRule, InterpolatesOnePeriodAndWrapsToTheFirstSample)
{
    const ImportedWaveform w = FromText("0\n100\n");
    EXPECT_EQ(w.table[1], 0);
    EXPECT_EQ(w.table[801], 50);
    EXPECT_EQ(w.table[1601], 100);
    EXPECT_EQ(w.table[2000], 75); // x = 1.249375: 100 - 24.9375 = 75.0625
    EXPECT_EQ(w.table[2401], 50);
    EXPECT_EQ(w.table[3200], 0); // x = 1.999375: 0.0625 of the way from 100 to 0 is 0.0625 from 0
    EXPECT_EQ(w.summary.sampleCount, 2u);
    EXPECT_EQ(w.summary.scale, AppliedScale::Raw);
    EXPECT_EQ(w.summary.limited, 0);
}

TEST(ImportRule, TiesRoundToEven)
{
    EXPECT_EQ(FromText("0\n1\n").table[801], 0);   // 0.5
    EXPECT_EQ(FromText("1\n2\n").table[801], 2);   // 1.5
    EXPECT_EQ(FromText("2\n3\n").table[801], 2);   // 2.5
    // Four samples 0, 5, 0, 0: x = (k - 1) / 800 is 0.5 at k = 401, halfway to 5.
    EXPECT_EQ(FromText("0\n5\n0\n0\n").table[401], 2);
}

TEST(ImportRule, SamplesOfThePeriodLengthAreTakenAsTheyAre)
{
    std::string text;
    for (int k = 0; k < 6400; ++k)
        text += std::to_string(k % 256) + "\n";
    const ImportedWaveform w = FromText(text);
    for (int k = 1; k <= 3200; ++k)
        ASSERT_EQ(w.table[k], (2 * (k - 1)) % 256) << k;
}

TEST(ImportRule, FitMapsTheExtremesToTheCodeRange)
{
    const ImportedWaveform w = FromText("-2.5\n2.5\n");
    EXPECT_EQ(w.summary.scale, AppliedScale::Fit);
    EXPECT_EQ(w.summary.minimum, -2.5);
    EXPECT_EQ(w.summary.maximum, 2.5);
    EXPECT_EQ(w.table[1], 0);
    EXPECT_EQ(w.table[1601], 255);
    EXPECT_EQ(w.table[801], 128); // 127.5

    // Whole numbers outside 0..255 are fitted too; a constant file sits on the centre line.
    EXPECT_EQ(FromText("0\n510\n").table[1601], 255);
    const ImportedWaveform flat = FromText("7.5\n7.5\n7.5\n");
    for (int k = 1; k <= 3200; ++k)
        ASSERT_EQ(flat.table[k], 128);
    // An explicit fit applies to codes as well: 10..20 becomes 0..255.
    EXPECT_EQ(FromText("10\n20\n", ImportScale::Fit).table[1601], 255);
}

TEST(ImportRule, RawTakesValuesAsCodesAndCountsTheLimitedEntries)
{
    const ImportedWaveform w = FromText("300\n-5\n", ImportScale::Raw);
    EXPECT_EQ(w.table[1], 255);
    EXPECT_EQ(w.table[1601], 0);
    // Entries 1..1600 fall from 300 by 305/1600 per entry: at least 255.5 (which rounds to 256)
    // for k - 1 <= 233, below -0.5 for k - 1 >= 1577; entry 1601 is -5; on the way back up,
    // m = k - 1601 gives -5 + 305 m / 1600: below -0.5 for m <= 23, at least 255.5 for m >= 1367.
    EXPECT_EQ(w.summary.limited, 234 + 23 + 1 + 23 + 233);
    const ImportedWaveform fractions = FromText("0.4\n0.6\n", ImportScale::Raw);
    EXPECT_EQ(fractions.table[1], 0);
    EXPECT_EQ(fractions.table[1601], 1);
}

TEST(ImportRule, WavFullScaleAndEightBitCodes)
{
    // 16 bits: -32768 is code 0, 32767 is 127.5 + 127.5 x 32767 / 32768 = 254.996.
    const ImportedWaveform w16 = FromWav(Wav(1, 16, 1, {-32768, 32767}));
    EXPECT_EQ(w16.summary.scale, AppliedScale::FullScale);
    EXPECT_EQ(w16.table[1], 0);
    EXPECT_EQ(w16.table[1601], 255);
    EXPECT_EQ(w16.table[801], 127); // 127.498

    // 8 bits: the bytes are codes already.
    const ImportedWaveform w8 = FromWav(Wav(1, 8, 1, {0, 255}));
    EXPECT_EQ(w8.summary.scale, AppliedScale::ByteCodes);
    EXPECT_EQ(w8.table[1], 0);
    EXPECT_EQ(w8.table[801], 128);
    EXPECT_EQ(w8.table[1601], 255);

    const ImportedWaveform w24 = FromWav(Wav(1, 24, 1, {-8388608, 0}));
    EXPECT_EQ(w24.table[1], 0);
    EXPECT_EQ(w24.table[1601], 128); // 127.5
    const ImportedWaveform w32 = FromWav(Wav(1, 32, 1, {0, 1073741824}));
    EXPECT_EQ(w32.table[1601], 191); // 127.5 + 63.75

    const ImportedWaveform fl = FromWav(Wav(3, 32, 1, {FloatBits(-1.0f), FloatBits(2.0f)}));
    EXPECT_EQ(fl.table[1], 0);
    EXPECT_EQ(fl.table[1601], 255);
    EXPECT_GT(fl.summary.limited, 0);

    // fit over the stored values: 16-bit 100 and 200 become 0 and 255.
    EXPECT_EQ(FromWav(Wav(1, 16, 1, {100, 200}), ImportScale::Fit).table[1601], 255);
}

TEST(ImportRule, WavTakesTheFirstChannelAndSkipsOtherChunks)
{
    std::string bytes = Wav(1, 16, 2, {-32768, 5, 32767, 7});
    EXPECT_EQ(Values(ReadWavSamples(MemorySource(bytes), "f.wav")), (std::vector<double>{-32768, 32767}));
    const std::string extensible = Wav(0xFFFE, 24, 1, {1, -1}, /*listChunk=*/true);
    EXPECT_EQ(Values(ReadWavSamples(MemorySource(extensible), "f.wav")), (std::vector<double>{1, -1}));
}

TEST(TextImport, ReadsSeparatorsDecimalCommasHeadersAndLineEnds)
{
    const std::string text = "\xEF\xBB\xBFTime;Volt\r\n"
                             "Export de l'oscilloscope\r\n"
                             "\r\n"
                             "0,000;1,5\r\n"
                             "0,001;-2,25e1\r\n"
                             "\r\n"
                             "  0.002 ; 3 \r\n"
                             "0.003\t4,5\n"
                             "1e-1,7\n"
                             "0.005  8";
    const ImportedSamples samples = ReadTextSamples(MemorySource(text), "f.csv");
    EXPECT_EQ(Values(samples), (std::vector<double>{1.5, -22.5, 3, 4.5, 7, 8}));
    EXPECT_EQ(samples.minimum, -22.5);
    EXPECT_EQ(samples.maximum, 8);
    EXPECT_FALSE(samples.allBytes);
    EXPECT_EQ(samples.skippedLines, 3u);
}

// The data starts at the first line from which every line is numbers with one field count.
TEST(TextImport, HeadersQuotesSpacesAndTrailingSeparators)
{
    struct Case {
        std::string_view text;
        std::vector<double> values;
        std::size_t skipped;
    };
    const Case cases[] = {
        {"X,CH1,Start,Increment,\nSequence,Volt,-5.000000e-04,1.000000e-06,\n0,4.00e-02,\n1,-4.00e-02,\n",
         {0.04, -0.04},
         2},
        {"3200\nt;v\n0;1,5\n1;2,5\n", {1.5, 2.5}, 2},
        {"1\n2\n0,5\n1,6\n", {5, 6}, 2},
        {"\"t\",\"v\"\n\"0\",\"0.5\"\n\"1\" , \" 1.5\"\n", {0.5, 1.5}, 1},
        {"\"Time, s\";\"U \"\"A\"\"\r\nin V\"\r\n0;1,5\r\n1;2\r\n", {1.5, 2}, 2},
        {"  0.000   1.5\n0.001 -2,5  \n", {1.5, -2.5}, 0},
    };
    for (const Case& c : cases) {
        const ImportedSamples samples = ReadTextSamples(MemorySource(c.text), "f.csv");
        EXPECT_EQ(Values(samples), c.values) << c.text;
        EXPECT_EQ(samples.skippedLines, c.skipped) << c.text;
    }
}

TEST(TextImport, OnlyValuesWrittenWholeAreCodes)
{
    EXPECT_EQ(FromText("1\n2\n").summary.scale, AppliedScale::Raw);
    for (const char* text : {"1.0\n2\n", "1\n2e0\n", "1;0\n2;2,0\n"})
        EXPECT_EQ(FromText(text).summary.scale, AppliedScale::Fit) << text;
}

TEST(TextImport, ChunkBoundariesDoNotMatter)
{
    std::string text = "\"a\nb\";v\n";
    for (int i = 0; i < 3000; ++i)
        text += std::to_string(i % 256) + ";" + std::to_string(i) + ",5\r\n";
    const std::vector<double> whole = Values(ReadTextSamples(MemorySource(text), "f"));
    std::string_view rest = text;
    const ByteSource trickle = [&rest](char* buffer, std::size_t size) {
        const std::size_t n = std::min<std::size_t>({size, rest.size(), 7});
        std::memcpy(buffer, rest.data(), n);
        rest.remove_prefix(n);
        return n;
    };
    EXPECT_EQ(Values(ReadTextSamples(trickle, "f")), whole);
    EXPECT_EQ(whole.size(), 3000u);
    EXPECT_EQ(whole[2999], 2999.5);
}

TEST(TextImport, MalformedTextNamesTheFileLineAndColumn)
{
    EXPECT_EQ(TextError("1\n2\nabc\n"),
              "Fichier \"f.csv\", ligne 3, colonne 1 : 'abc' n'est pas une valeur numérique correcte");
    EXPECT_EQ(TextError("1;2;3\n1;2;x\n"),
              "Fichier \"f.csv\", ligne 2, colonne 5 : 'x' n'est pas une valeur numérique correcte");
    // An empty value is never taken from another field; a separator ending one line is not trailing.
    EXPECT_EQ(TextError("t,v\n0,1.0\n1,2.0\n2,\n3,4.0\n"), "Fichier \"f.csv\", ligne 4, colonne 3 : valeur vide");
    EXPECT_EQ(TextError("0,1,\n1,,\n"), "Fichier \"f.csv\", ligne 2, colonne 3 : valeur vide");
    EXPECT_EQ(TextError("0,1,\n1,2,3\n"),
              "Fichier \"f.csv\", ligne 2, colonne 5 : '3' après le séparateur qui finit les autres lignes");
    // Data that ends in something else is no data; the line that ended it is named.
    EXPECT_EQ(TextError("0,1\n1,2\nEnd\n"),
              "Fichier \"f.csv\", ligne 3, colonne 1 : 'End' n'est pas une valeur numérique correcte");
    EXPECT_EQ(TextError("\"a\nb\",c\n0,1\n1,2\n2,3,4\n"),
              "Fichier \"f.csv\", ligne 5, colonne 1 : nombre de champs 3 au lieu de 2");
    EXPECT_EQ(TextError("h\n1,5\n1,2.5.1\n"),
              "Fichier \"f.csv\", ligne 3, colonne 3 : '2.5.1' n'est pas une valeur numérique correcte");
    for (const char* bad : {"inf", "nan", "1e", "0x10", "1e999", "--1", "1.2e3x"})
        EXPECT_NE(TextError(std::string("1\n") + bad + "\n2\n").find("ligne 2"), std::string::npos) << bad;
    EXPECT_EQ(TextError(""), "Fichier \"f.csv\" : aucun échantillon");
    EXPECT_EQ(TextError("header only\n\n"), "Fichier \"f.csv\" : aucun échantillon");
    EXPECT_EQ(TextError("42\n"), "Fichier \"f.csv\" : un seul échantillon, il en faut au moins 2");
    EXPECT_EQ(TextError("1\n" + std::string(70000, '1') + "\n"),
              "Fichier \"f.csv\", ligne 2, colonne 1 : ligne de plus de 65536 caractères");
}

TEST(WavImport, MalformedSoundFilesSayWhatIsWrong)
{
    const std::string good = Wav(1, 16, 1, {1, 2, 3});
    EXPECT_EQ(WavError("RIFX0000WAVE"), "Fichier \"f.wav\" : ce n'est pas un fichier WAV");
    EXPECT_EQ(WavError(""), "Fichier \"f.wav\" : ce n'est pas un fichier WAV");
    EXPECT_EQ(WavError("0\n1\n"), "Fichier \"f.wav\" : ce n'est pas un fichier WAV");
    EXPECT_EQ(WavError("RIFF0000"), "Fichier \"f.wav\" : fichier WAV tronqué");
    EXPECT_EQ(WavError(good.substr(0, good.size() - 1)), "Fichier \"f.wav\" : fichier WAV tronqué");
    EXPECT_EQ(WavError(good.substr(0, 30)), "Fichier \"f.wav\" : fichier WAV tronqué");
    const std::string notPcm =
        "Fichier \"f.wav\" : ce n'est pas un WAV PCM de 8, 16, 24 ou 32 bits ni un WAV flottant de 32 bits";
    EXPECT_EQ(WavError(Wav(2, 16, 1, {1, 2})), notPcm);  // ADPCM
    EXPECT_EQ(WavError(Wav(1, 12, 1, {1, 2})), notPcm);  // 12 bits
    EXPECT_EQ(WavError(Wav(3, 64, 1, {1, 2})), notPcm);  // 64-bit float
    EXPECT_EQ(WavError(Wav(1, 16, 0, {1, 2})), notPcm);  // no channel
    EXPECT_EQ(WavError(Wav(1, 16, 1, {})), "Fichier \"f.wav\" : aucun échantillon");
    EXPECT_EQ(WavError(Wav(1, 16, 1, {9})), "Fichier \"f.wav\" : un seul échantillon, il en faut au moins 2");
    EXPECT_EQ(WavError(Wav(3, 32, 1, {FloatBits(1.0f), 0x7FC00000})),
              "Fichier \"f.wav\" : valeur non finie à l'échantillon 2");
    std::string dataFirst = good;
    std::memcpy(&dataFirst[12], "junk", 4); // the format chunk becomes an unknown one
    EXPECT_EQ(WavError(dataFirst), "Fichier \"f.wav\" : bloc de format absent avant les données");
}

TEST(ImportFiles, FormatsAreChosenByExtensionAndTheWaveformFileStaysItself)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
        return folder + "/" + name;
    };
    const std::string wav = write("a.WAV", Wav(1, 8, 1, {10, 20}));
    const std::string riff = write("sound.dat", Wav(1, 8, 1, {10, 20}));
    const std::string csv = write("b.Csv", "10\n20\n");
    const std::string wavAsCsv = write("c.csv", Wav(1, 8, 1, {10, 20}));
    EXPECT_EQ(GuessImportFormat(wav), ImportFormat::Wav);
    EXPECT_EQ(GuessImportFormat(riff), ImportFormat::Wav);
    EXPECT_EQ(GuessImportFormat(csv), ImportFormat::Text);
    EXPECT_EQ(ImportWaveformFile(riff).table, ImportWaveformFile(csv).table);
    EXPECT_EQ(ImportWaveformFile(wavAsCsv).table, ImportWaveformFile(csv).table);
    int pauses = 0; // a long file lets the caller's events through every megabyte or so
    ImportWaveformFile(write("long.csv", std::string(3 << 20, '\n') + "1\n2\n"), ImportScale::Auto, [&] { ++pauses; });
    EXPECT_GE(pauses, 4);
    try {
        ImportWaveformFile(write("d.wav", "10\n20\n"));
        ADD_FAILURE() << "text named .wav imported";
    } catch (const WaveformImportError& e) {
        EXPECT_TRUE(std::string(e.what()).ends_with("ce n'est pas un fichier WAV")) << e.what();
    }

    // A waveform file keeps its own reader: values are not limited, 3200 lines are required.
    WaveformTable odd;
    odd.samples.fill(300);
    const std::string xls = folder + "/w.XLS";
    WriteWaveformFile(xls, odd);
    EXPECT_TRUE(IsWaveformFileName(xls));
    EXPECT_EQ(ReadAnyWaveformFile(xls)[5], 300);
    EXPECT_EQ(ReadAnyWaveformFile(csv)[1], 10);
    EXPECT_THROW(ReadAnyWaveformFile(folder + "/missing.csv"), WaveformImportError);
}

TEST(ImportScaleNames, OnlyTheThreeNames)
{
    EXPECT_EQ(ParseImportScale("auto"), ImportScale::Auto);
    EXPECT_EQ(ParseImportScale("raw"), ImportScale::Raw);
    EXPECT_EQ(ParseImportScale("fit"), ImportScale::Fit);
    EXPECT_EQ(ParseImportScale("Fit"), std::nullopt);
}
