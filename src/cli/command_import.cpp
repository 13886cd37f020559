#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "cli/output_file.h"
#include "editor/waveform_import.h"

namespace dds::cli {
namespace {

ImportScale ChosenScale(const OptionParser& options)
{
    const std::string name = options.text("scale").value_or("auto");
    if (const auto scale = ParseImportScale(name))
        return *scale;
    throw UsageError("--scale must be auto, raw or fit, not '" + name + "'");
}

int RunImport(CommandContext& c)
{
    std::vector<std::string> args = c.args;
    if (args.empty() || args.front().starts_with("--"))
        throw UsageError("give the file to import (see 'import --help')");
    const std::string file = CheckedFilePath("the file to import", args.front());
    args.erase(args.begin());
    const OptionParser options(args, {"scale", "out"});
    const ImportScale scale = ChosenScale(options);
    const auto out = options.path("out");
    const ImportedWaveform imported = ImportWaveformFile(file, scale); // bad input: nothing is written
    if (out)
        WriteOutputFile(*out, FormatWaveformFile(imported.table));
    else
        c.out << FormatWaveformFile(imported.table);
    c.err << imported.summary.sampleCount << " samples -> 3200";
    if (imported.summary.limited > 0)
        c.err << ", " << imported.summary.limited << " limited to 0..255";
    if (imported.summary.skippedLines > 0)
        c.err << ", " << imported.summary.skippedLines
              << (imported.summary.skippedLines == 1 ? " header line" : " header lines") << " skipped";
    c.err << "\n";
    return 0;
}

} // namespace

CliCommand ImportCommand()
{
    return {"import", "turn a CSV, TXT or WAV file into a sample table in the waveform file format",
            "Usage: ddsgen-cli import FILE [--scale auto|raw|fit] [--out F.xls]\n"
            "Takes the samples of FILE as one period and resamples them to the 3200 entries of the\n"
            "table: entry k interpolates linearly at (k - 1) x L / 3200 between two neighbouring\n"
            "samples (the last one's neighbour is the first), rounded to the nearest whole number\n"
            "(ties to even) and limited to 0..255. The table goes to F.xls, or to standard output.\n"
            "  FILE              text: one value per line, fields separated by ';', tab, ',' or\n"
            "                    spaces, quoted or not (the last field of a line, or the one\n"
            "                    before a separator that ends every line; the data starts at the\n"
            "                    first line from which every line is numbers with the same number\n"
            "                    of fields, the lines before it are skipped; a decimal comma where\n"
            "                    the separator is not a comma); a file starting with RIFF: WAV,\n"
            "                    PCM of 8, 16, 24 or 32 bits or 32-bit float, the first channel\n"
            "  --scale auto      text: raw when every value is a whole number 0..255 written\n"
            "                    without a decimal point or exponent, fit otherwise; WAV: full\n"
            "                    scale -1..+1 to 0..255, 8-bit bytes as codes\n"
            "  --scale raw       each value is a code\n"
            "  --scale fit       the file's minimum becomes 0 and its maximum 255 (constant: 128)\n"
            "  --out F.xls       write the waveform file F.xls instead of standard output\n"
            "Standard error tells how many samples were read, how many entries were limited and\n"
            "how many header lines were skipped.\n"
            "Exit status: 0 written, 2 bad options or a file that cannot be imported (nothing\n"
            "written), 1 the output cannot be written.\n",
            RunImport};
}

} // namespace dds::cli
