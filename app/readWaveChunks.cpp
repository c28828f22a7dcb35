// The bounded walk through the chunks of a RIFF/WAVE file.
#include "readWaveChunks.h"

#include <cstdint>

namespace {

const std::uint64_t kHeaderBytes = 8;
const std::uint64_t kFormTypeBytes = 4;

std::uint64_t fileEnd(HMMIO file)
{
    const LONG here = mmioSeek(file, 0, SEEK_CUR);
    const LONG end = mmioSeek(file, 0, SEEK_END);
    mmioSeek(file, here, SEEK_SET);
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

// The chunk whose header starts at `at`; mmioDescend without a search flag
// reads that one header and looks no further.
bool readHeaderAt(HMMIO file, std::uint64_t at, MMCKINFO* chunk)
{
    *chunk = {};
    const LONG position = static_cast<LONG>(at);
    return mmioSeek(file, position, SEEK_SET) == position &&
           mmioDescend(file, chunk, nullptr, 0) == MMSYSERR_NOERROR;
}

// The first chunk between `from` and `end` that `wanted` takes. A chunk
// passed over must end by `end`; the next header follows it and its pad
// byte, so every step moves at least one header on.
template <class Wanted>
bool walkChunks(HMMIO file, std::uint64_t from, std::uint64_t end, Wanted wanted,
                MMCKINFO* chunk)
{
    for (std::uint64_t at = from; at + kHeaderBytes <= end;) {
        if (!readHeaderAt(file, at, chunk))
            return false;
        if (wanted(*chunk, at))
            return true;
        const std::uint64_t chunkEnd = at + kHeaderBytes + chunk->cksize;
        if (chunkEnd > end)
            return false;
        at = chunkEnd + (chunk->cksize & 1);
    }
    return false;
}

} // namespace

bool descendIntoRiffWave(HMMIO file, MMCKINFO* riff)
{
    const std::uint64_t end = fileEnd(file);
    // The form type is only there when the file holds it.
    auto isRiffWave = [end](const MMCKINFO& chunk, std::uint64_t at) {
        return chunk.ckid == FOURCC_RIFF && at + kHeaderBytes + kFormTypeBytes <= end &&
               chunk.fccType == mmioFOURCC('W', 'A', 'V', 'E');
    };
    return walkChunks(file, 0, end, isRiffWave, riff);
}

bool descendIntoChunk(HMMIO file, const MMCKINFO& riff, FOURCC id, MMCKINFO* chunk)
{
    const std::uint64_t first = static_cast<std::uint64_t>(riff.dwDataOffset) + kFormTypeBytes;
    const std::uint64_t riffEnd = static_cast<std::uint64_t>(riff.dwDataOffset) + riff.cksize;
    const std::uint64_t fileSize = fileEnd(file);
    const LONG here = mmioSeek(file, 0, SEEK_CUR);
    std::uint64_t from = here > 0 ? static_cast<std::uint64_t>(here) : 0;
    if (from < first)
        from = first;
    auto hasId = [id](const MMCKINFO& found, std::uint64_t) { return found.ckid == id; };
    return walkChunks(file, from, riffEnd < fileSize ? riffEnd : fileSize, hasId, chunk);
}
