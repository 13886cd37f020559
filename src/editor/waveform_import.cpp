#include "editor/waveform_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

namespace dds {
namespace {

std::string lowerExtension(const std::string& path)
{
    // Paths are UTF-8; the suffix is taken by Qt so that no narrow file call sees them.
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    return suffix.isEmpty() ? std::string() : "." + suffix.toStdString();
}

using File = std::unique_ptr<QFile>;

std::string absoluteName(const QFile& file)
{
    return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdString();
}

File openForImport(const std::string& path)
{
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    if (!file->open(QIODevice::ReadOnly))
        throw WaveformImportError(
            {"Impossible d'ouvrir le fichier \"" + absoluteName(*file) + "\". " + file->errorString().toStdString(),
             "cannot open \"" + absoluteName(*file) + "\": " + file->errorString().toStdString()});
    return file;
}

constexpr qint64 kBytesBetweenPauses = qint64{1} << 20;

ByteSource fileSource(QFile* file, const std::string& path, const std::function<void()>& keepResponsive)
{
    return [file, path, keepResponsive, sinceLastPause = kBytesBetweenPauses](char* buffer, std::size_t size) mutable {
        if (keepResponsive && sinceLastPause >= kBytesBetweenPauses) {
            keepResponsive();
            sinceLastPause = 0;
        }
        const qint64 got = file->read(buffer, static_cast<qint64>(size));
        if (got < 0)
            throw WaveformImportError(
                {"Impossible de lire le fichier \"" + path + "\". " + file->errorString().toStdString(),
                 "cannot read \"" + path + "\": " + file->errorString().toStdString()});
        sinceLastPause += got;
        return static_cast<std::size_t>(got);
    };
}

ImportFormat formatOf(QFile& file, const std::string& path)
{
    char magic[4] = {};
    const bool riff = file.peek(magic, 4) == 4 && std::string_view(magic, 4) == "RIFF";
    return riff || lowerExtension(path) == ".wav" ? ImportFormat::Wav : ImportFormat::Text;
}

// The code of one value under the chosen scaling, in extended precision so that no pair of
// finite values overflows.
struct CodeMapping {
    AppliedScale scale;
    long double minimum;
    long double span;
    long double fullScale;

    long double operator()(double value) const
    {
        switch (scale) {
        case AppliedScale::Fit:
            return span == 0 ? 128.0L : (value - minimum) * 255.0L / span;
        case AppliedScale::FullScale:
            return 127.5L + 127.5L * (value / fullScale);
        case AppliedScale::Raw:
        case AppliedScale::ByteCodes:
            break;
        }
        return value;
    }
};

AppliedScale chosenScale(const ImportedSamples& samples, ImportScale scale)
{
    if (scale == ImportScale::Raw)
        return AppliedScale::Raw;
    if (scale == ImportScale::Fit)
        return AppliedScale::Fit;
    switch (samples.origin) {
    case ImportedSamples::Origin::Wav8:
        return AppliedScale::ByteCodes;
    case ImportedSamples::Origin::Wav:
        return AppliedScale::FullScale;
    case ImportedSamples::Origin::Text:
        break;
    }
    return samples.allBytes ? AppliedScale::Raw : AppliedScale::Fit;
}

} // namespace

std::optional<ImportScale> ParseImportScale(std::string_view name)
{
    if (name == "auto")
        return ImportScale::Auto;
    if (name == "raw")
        return ImportScale::Raw;
    if (name == "fit")
        return ImportScale::Fit;
    return std::nullopt;
}

ByteSource MemorySource(std::string_view bytes)
{
    return [bytes](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min(size, bytes.size());
        std::memcpy(buffer, bytes.data(), n);
        bytes.remove_prefix(n);
        return n;
    };
}

void SampleStore::push(double value)
{
    if ((size_ & kBlockMask) == 0) {
        blocks_.emplace_back();
        blocks_.back().reserve(kBlockSize);
    }
    blocks_.back().push_back(value);
    ++size_;
}

void ImportedSamples::add(double value, bool writtenWhole)
{
    if (values.size() == 0) {
        minimum = maximum = value;
    } else {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
    allBytes = allBytes && writtenWhole && value >= 0 && value <= 255 && value == std::floor(value);
    values.push(value);
}

ImportedWaveform ResampleToTable(const ImportedSamples& samples, ImportScale scale)
{
    const std::size_t count = samples.values.size();
    if (count < kMinImportSamples || count > kMaxImportSamples)
        throw WaveformImportError(
            {"Nombre d'échantillons hors limites (" + std::to_string(count) + ")",
             std::to_string(count) + " samples, outside 2.." + std::to_string(kMaxImportSamples)});
    ImportedWaveform result;
    ImportSummary& summary = result.summary;
    summary.sampleCount = count;
    summary.scale = chosenScale(samples, scale);
    summary.minimum = samples.minimum;
    summary.maximum = samples.maximum;
    summary.skippedLines = samples.skippedLines;
    const CodeMapping code{summary.scale, samples.minimum,
                           static_cast<long double>(samples.maximum) - samples.minimum, samples.fullScale};

    constexpr int64_t kEntries = WaveformTable::kLength;
    const auto length = static_cast<int64_t>(count);
    for (int64_t k = 1; k <= kEntries; ++k) {
        // x = (k - 1) L / 3200 = i + r / 3200, kept exact in integers.
        const int64_t scaled = (k - 1) * length;
        const int64_t i = scaled / kEntries;
        const int64_t r = scaled % kEntries;
        const auto next = static_cast<std::size_t>((i + 1) % length);
        const long double here = code(samples.values[static_cast<std::size_t>(i)]);
        const long double value = r == 0 ? here : (here * (kEntries - r) + code(samples.values[next]) * r) / kEntries;
        const long double rounded = std::nearbyint(value);
        const long double limited = std::clamp(rounded, 0.0L, 255.0L);
        summary.limited += limited != rounded;
        result.table[static_cast<int32_t>(k)] = static_cast<int32_t>(limited);
    }
    return result;
}

bool IsWaveformFileName(const std::string& path) { return lowerExtension(path) == ".xls"; }

ImportFormat GuessImportFormat(const std::string& path)
{
    return formatOf(*openForImport(path), path);
}

ImportedWaveform ImportWaveformFile(const std::string& path, ImportScale scale,
                                    const std::function<void()>& keepResponsive)
{
    const File file = openForImport(path);
    const ImportFormat format = formatOf(*file, path);
    const ByteSource source = fileSource(file.get(), path, keepResponsive);
    const ImportedSamples samples =
        format == ImportFormat::Wav ? ReadWavSamples(source, path) : ReadTextSamples(source, path);
    return ResampleToTable(samples, scale);
}

WaveformTable ReadAnyWaveformFile(const std::string& path)
{
    if (IsWaveformFileName(path))
        return ReadWaveformFile(path);
    return ImportWaveformFile(path).table;
}

} // namespace dds
