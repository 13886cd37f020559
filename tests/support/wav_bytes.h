#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A WAV file in memory: format tag (1 PCM, 3 float, 0xFFFE extensible with a PCM sub-format),
// bits per sample, channels, and the interleaved sample values (stored little-endian in bits / 8
// bytes each). `listChunk` puts an odd-sized unknown chunk before the format.
inline std::string Wav(uint16_t tag, uint16_t bits, uint16_t channels, const std::vector<int64_t>& samples,
                       bool listChunk = false)
{
    auto le = [](std::string& s, uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const int sampleBytes = bits / 8;
    std::string fmt;
    le(fmt, tag, 2);
    le(fmt, channels, 2);
    le(fmt, 8000, 4);
    le(fmt, uint64_t{8000} * channels * sampleBytes, 4);
    le(fmt, uint64_t{channels} * sampleBytes, 2);
    le(fmt, bits, 2);
    if (tag == 0xFFFE) {
        le(fmt, 22, 2);
        le(fmt, bits, 2);
        le(fmt, 0, 4);
        le(fmt, 1, 2); // PCM sub-format
        fmt += std::string(14, '\x11');
    }
    std::string data;
    for (int64_t v : samples)
        le(data, static_cast<uint64_t>(v), sampleBytes);

    std::string body = "WAVE";
    if (listChunk) {
        body += "LIST";
        le(body, 3, 4);
        body += "abc";
        body += '\0'; // the pad byte of an odd-sized chunk
    }
    body += "fmt ";
    le(body, fmt.size(), 4);
    body += fmt;
    body += "data";
    le(body, data.size(), 4);
    body += data;
    std::string file = "RIFF";
    le(file, body.size(), 4);
    return file + body;
}

inline int64_t FloatBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
