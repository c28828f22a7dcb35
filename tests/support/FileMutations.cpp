// Stacked mutations of seed files and the run that reads them.
#include "FileMutations.h"

#include "AllocationCount.h"
#include "WorkThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

using Random = std::mt19937;
using Clock = std::chrono::steady_clock;

const std::size_t kFailuresKept = 5;
const unsigned long kRunDeadlineMs = 30000;

unsigned long getNumber(const std::string& bytes, const NumberField& field)
{
    unsigned long value = 0;
    for (int i = 0; i < field.width; ++i) {
        int shift = 8 * (field.bigEndian ? field.width - 1 - i : i);
        value |= static_cast<unsigned long>(static_cast<unsigned char>(bytes[field.at + i]))
                 << shift;
    }
    return value;
}

// A new value for a number: one that points back before its own header,
// runs past any file, is a side no picture has, or is merely off by a bit.
unsigned long forgedValue(unsigned long old, Random& random)
{
    static const unsigned long kSpecial[] = {
        0, 1, 2, 7, 8, 0xFFFFFFF8u, 0xFFFFFFF7u, 0xFFFFFFF4u, 0xFFFFFFECu, 0x7FFFFFFF,
        0x80000000u, 0x80000003u, 0x80000009u, 0xFFFFFFFFu, 0x0C000011u, 0x7FFF, 0x8000,
        0xFFFF, 8000, 32767, 32768, 65535};
    switch (random() % 6) {
    case 0:
        return old - 1 - random() % 16;
    case 1:
        return old + 1 + random() % 16;
    case 2:
        return 0 - old - 8;
    case 3:
        return old * 2 + random() % 2;
    case 4:
        return random();
    default:
        return kSpecial[random() % (sizeof kSpecial / sizeof kSpecial[0])];
    }
}

bool forgeNumber(FileSeed& parts, Random& random)
{
    std::vector<std::pair<FilePart*, const NumberField*>> fields;
    for (FilePart& part : parts)
        for (const NumberField& field : part.numbers)
            fields.emplace_back(&part, &field);
    if (fields.empty())
        return false;
    auto chosen = fields[random() % fields.size()];
    std::string& bytes = chosen.first->bytes;
    putNumber(bytes, *chosen.second, forgedValue(getNumber(bytes, *chosen.second), random));
    return true;
}

std::size_t firstMovable(const FileSeed& parts)
{
    std::size_t first = 0;
    while (first < parts.size() && !parts[first].movable)
        ++first;
    return first;
}

// Duplicates, drops or moves one movable part.
void rearrangeParts(FileSeed& parts, Random& random)
{
    std::size_t first = firstMovable(parts);
    if (first >= parts.size())
        return;
    std::size_t chosen = first + random() % (parts.size() - first);
    FilePart part = parts[chosen];
    unsigned kind = random() % 3;
    if (kind != 0)
        parts.erase(parts.begin() + static_cast<long>(chosen));
    if (kind != 1) {
        std::size_t to = first + random() % (parts.size() - first + 1);
        parts.insert(parts.begin() + static_cast<long>(to), part);
    }
}

void changeBytes(std::string& bytes, Random& random)
{
    if (bytes.empty())
        return;
    switch (random() % 3) {
    case 0:
        for (unsigned n = 1 + random() % 4; n > 0; --n)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        break;
    case 1: {
        std::string inserted(1 + random() % 8, '\0');
        for (char& c : inserted)
            c = static_cast<char>(random());
        bytes.insert(random() % (bytes.size() + 1), inserted);
        break;
    }
    default:
        bytes.resize(random() % bytes.size());
        break;
    }
}

// One case: one to four mutations of the parts and then of the bytes.
std::string mutate(const FileSeed& seed, const std::function<void(std::string&)>& seal,
                   Random& random)
{
    FileSeed parts = seed;
    unsigned byteChanges = 0;
    for (unsigned n = 1 + random() % 4; n > 0; --n) {
        unsigned kind = random() % 8;
        if (kind < 3) {
            if (!forgeNumber(parts, random))
                ++byteChanges;
        } else if (kind < 5) {
            rearrangeParts(parts, random);
        } else if (kind < 6) {
            // Inside one part, so that its checksum is made to fit again.
            changeBytes(parts[random() % parts.size()].bytes, random);
        } else {
            ++byteChanges;
        }
    }
    if (seal)
        for (FilePart& part : parts)
            seal(part.bytes);
    std::string bytes = joinedParts(parts);
    for (; byteChanges > 0; --byteChanges)
        changeBytes(bytes, random);
    return bytes;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void keepFailure(MutationFigures& figures, int index, std::size_t size, const char* what,
                 double value)
{
    if (figures.failures.size() >= kFailuresKept)
        return;
    char line[160];
    std::snprintf(line, sizeof line, "case %d (%u bytes): %s %.0f", index,
                  static_cast<unsigned>(size), what, value);
    figures.failures.push_back(line);
}

void readCase(const MutationRun& run, const std::string& bytes, int index,
              AllocationCount& count, MutationFigures& figures)
{
    if (run.prepare)
        run.prepare(bytes);
    count.reset();
    const Clock::time_point start = Clock::now();
    run.read(bytes);
    const double seconds = secondsSince(start);
    const unsigned long long allocated = count.total();
    const unsigned long long largest = count.largest();
    const ReadOutcome outcome = run.judge();
    figures.slowestCase = std::max(figures.slowestCase, seconds);
    figures.mostAllocated = std::max(figures.mostAllocated, allocated);
    figures.largestRequest = std::max(figures.largestRequest, largest);
    if (outcome == ReadOutcome::Refused)
        ++figures.refused;
    else if (outcome == ReadOutcome::Whole)
        ++figures.whole;
    else
        keepFailure(figures, index, bytes.size(), "neither refused nor whole:", 0);
    if (seconds > run.caseDeadlineSeconds)
        keepFailure(figures, index, bytes.size(), "ms taken:", seconds * 1000);
    if (allocated > run.allocationBound(bytes.size()))
        keepFailure(figures, index, bytes.size(), "bytes allocated:",
                    static_cast<double>(allocated));
}

} // namespace

void putNumber(std::string& bytes, const NumberField& field, unsigned long value)
{
    for (int i = 0; i < field.width; ++i) {
        int shift = 8 * (field.bigEndian ? field.width - 1 - i : i);
        bytes[field.at + i] = static_cast<char>(value >> shift & 0xFF);
    }
}

std::string joinedParts(const FileSeed& parts)
{
    std::string out;
    for (const FilePart& part : parts)
        out += part.bytes;
    return out;
}

std::string MutationFigures::summary() const
{
    char line[200];
    std::snprintf(line, sizeof line,
                  "%d cases (%d refused, %d whole) in %.2f s, slowest %.1f ms; most allocated "
                  "by one case %llu bytes, largest request %llu bytes",
                  cases, refused, whole, seconds, slowestCase * 1000, mostAllocated,
                  largestRequest);
    return line;
}

MutationFigures runMutations(const MutationRun& run, unsigned long runDeadlineMs)
{
    MutationFigures figures;
    const Clock::time_point start = Clock::now();
    figures.finished = finishesWithin(runDeadlineMs, [&run, &figures] {
        Random random(run.randomSeed);
        AllocationCount count;
        figures.counted = count.counting();
        for (int index = 0; index < run.cases; ++index) {
            const std::string bytes =
                mutate(run.seeds[index % run.seeds.size()], run.seal, random);
            readCase(run, bytes, index, count, figures);
            ++figures.cases;
        }
    });
    figures.seconds = secondsSince(start);
    return figures;
}

void expectSoundMutations(const MutationRun& run, const char* reader)
{
    MutationFigures figures = runMutations(run, kRunDeadlineMs);
    std::printf("%s mutation run: %s\n", reader, figures.summary().c_str());
    ASSERT_TRUE(figures.finished) << "a case hung the reader";
    EXPECT_TRUE(figures.counted) << "allocations were not counted";
    EXPECT_EQ(std::vector<std::string>(), figures.failures);
    EXPECT_GT(figures.whole, run.cases / 100) << "too few cases get past the first checks";
}
