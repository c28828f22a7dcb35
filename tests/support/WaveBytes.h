// RIFF/WAVE files built byte by byte for the reader's tests: chunks with the
// sizes of their bodies (which a test may overwrite) and 16-bit PCM.
#ifndef WAVEBYTES_H
#define WAVEBYTES_H

#include <cstdint>
#include <string>
#include <vector>

inline std::string littleEndian(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    return out;
}

// Id, size, body and the pad byte of an odd body.
inline std::string waveChunk(const std::string& id, const std::string& body)
{
    return id + littleEndian(static_cast<uint32_t>(body.size()), 4) + body +
           (body.size() % 2 != 0 ? std::string(1, '\0') : std::string());
}

// The 16-byte PCM format body.
inline std::string waveFormat(unsigned channels, uint32_t rate, unsigned bits)
{
    const unsigned blockAlign = channels * bits / 8;
    return littleEndian(1, 2) + littleEndian(channels, 2) + littleEndian(rate, 4) +
           littleEndian(rate * blockAlign, 4) + littleEndian(blockAlign, 2) +
           littleEndian(bits, 2);
}

inline std::string pcm16(const std::vector<int16_t>& samples)
{
    std::string out;
    for (int16_t s : samples)
        out += littleEndian(static_cast<uint16_t>(s), 2);
    return out;
}

inline std::string riffWave(const std::string& chunks)
{
    return "RIFF" + littleEndian(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A whole file of interleaved 16-bit samples.
inline std::string waveFile(unsigned channels, uint32_t rate, const std::vector<int16_t>& samples)
{
    return riffWave(waveChunk("fmt ", waveFormat(channels, rate, 16)) +
                    waveChunk("data", pcm16(samples)));
}

#endif
