// The WAV reader: the first channel of an integer PCM or 32-bit float sound file.
#include "editor/waveform_import.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace dds {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kFramesPerRead = 4096;

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }
uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
};

class WavReader {
public:
    WavReader(const ByteSource& source, const std::string& name) : source_(source), name_(name) {}

    ImportedSamples read()
    {
        unsigned char riff[12];
        const std::size_t got = pull(riff, sizeof riff);
        // Text that was given a ".wav" name is not a WAV; only a RIFF file can be a cut one.
        if (got < 4 || std::memcmp(riff, "RIFF", 4) != 0)
            fail({"ce n'est pas un fichier WAV", "not a WAV file"});
        if (got < sizeof riff)
            fail({"fichier WAV tronqué", "truncated WAV file"});
        if (std::memcmp(riff + 8, "WAVE", 4) != 0)
            fail({"ce n'est pas un fichier WAV", "not a WAV file"});
        std::optional<Format> format;
        for (;;) {
            unsigned char header[8];
            readExactly(header, sizeof header);
            const uint32_t size = le32(header + 4);
            if (std::memcmp(header, "fmt ", 4) == 0) {
                format = readFormat(size);
            } else if (std::memcmp(header, "data", 4) == 0) {
                if (!format)
                    fail({"bloc de format absent avant les données", "no format chunk before the data"});
                return readData(*format, size);
            } else {
                skip(uint64_t{size} + (size & 1));
            }
        }
    }

private:
    [[noreturn]] void fail(const ReaderMessage& what) const
    {
        throw WaveformImportError(
            {"Fichier \"" + name_ + "\" : " + what.french, "file \"" + name_ + "\": " + what.english});
    }
    [[noreturn]] void notPcm() const
    {
        fail({"ce n'est pas un WAV PCM de 8, 16, 24 ou 32 bits ni un WAV flottant de 32 bits",
              "not a PCM WAV of 8, 16, 24 or 32 bits nor a 32-bit float WAV"});
    }

    std::size_t pull(unsigned char* into, std::size_t size)
    {
        std::size_t got = 0;
        while (got < size) {
            const std::size_t n = source_(reinterpret_cast<char*>(into) + got, size - got);
            if (n == 0)
                break;
            got += n;
        }
        return got;
    }
    void readExactly(unsigned char* into, std::size_t size)
    {
        if (pull(into, size) != size)
            fail({"fichier WAV tronqué", "truncated WAV file"});
    }
    void skip(uint64_t size)
    {
        std::array<unsigned char, 4096> scratch;
        while (size > 0) {
            const auto n = static_cast<std::size_t>(std::min<uint64_t>(size, scratch.size()));
            readExactly(scratch.data(), n);
            size -= n;
        }
    }

    Format readFormat(uint32_t size)
    {
        if (size < 16)
            notPcm();
        std::array<unsigned char, 40> bytes{};
        const std::size_t kept = std::min<std::size_t>(size, bytes.size());
        readExactly(bytes.data(), kept);
        skip(uint64_t{size} - kept + (size & 1));
        Format f{le16(&bytes[0]), le16(&bytes[2]), le16(&bytes[12]), le16(&bytes[14])};
        if (f.tag == kFormatExtensible) {
            if (kept < 26)
                notPcm();
            f.tag = le16(&bytes[24]); // the sub-format's first two bytes name PCM or float
        }
        const bool pcm = f.tag == kFormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
        const bool floating = f.tag == kFormatFloat && f.bits == 32;
        if ((!pcm && !floating) || f.channels == 0 || f.blockAlign < f.channels * (f.bits / 8))
            notPcm();
        return f;
    }

    ImportedSamples readData(const Format& f, uint32_t size)
    {
        ImportedSamples samples;
        samples.origin = f.bits == 8 ? ImportedSamples::Origin::Wav8 : ImportedSamples::Origin::Wav;
        samples.fullScale = f.tag == kFormatFloat ? 1.0 : std::ldexp(1.0, f.bits - 1);
        const std::size_t frames = size / f.blockAlign;
        if (frames == 0)
            fail({"aucun échantillon", "no samples"});
        if (frames < kMinImportSamples)
            fail({"un seul échantillon, il en faut au moins 2", "only one sample, at least 2 are needed"});
        if (frames > kMaxImportSamples)
            fail({"plus de " + std::to_string(kMaxImportSamples) + " échantillons",
                  "more than " + std::to_string(kMaxImportSamples) + " samples"});
        std::vector<unsigned char> block(kFramesPerRead * f.blockAlign);
        for (std::size_t done = 0; done < frames;) {
            const std::size_t count = std::min(kFramesPerRead, frames - done);
            readExactly(block.data(), count * f.blockAlign);
            for (std::size_t i = 0; i < count; ++i) {
                const double value = decode(f, &block[i * f.blockAlign]);
                if (!std::isfinite(value))
                    fail({"valeur non finie à l'échantillon " + std::to_string(done + i + 1),
                          "a value that is not finite at sample " + std::to_string(done + i + 1)});
                samples.add(value);
            }
            done += count;
        }
        return samples;
    }

    static double decode(const Format& f, const unsigned char* p)
    {
        if (f.tag == kFormatFloat) {
            const uint32_t bits = le32(p);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        switch (f.bits) {
        case 8:
            return p[0];
        case 16:
            return static_cast<int16_t>(le16(p));
        case 24:
            return static_cast<int32_t>(uint32_t{p[0]} << 8 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 24) >> 8;
        default:
            return static_cast<int32_t>(le32(p));
        }
    }

    const ByteSource& source_;
    const std::string& name_;
};

} // namespace

ImportedSamples ReadWavSamples(const ByteSource& source, const std::string& name)
{
    return WavReader(source, name).read();
}

} // namespace dds
