// Mutation runs for the file readers: seed files of known parts and number
// fields, from which each case stacks a few mutations (numbers forged into
// sizes that point backwards, huge sides and the like; parts duplicated,
// dropped or moved; bytes changed, inserted or cut off). Every case is read
// under a deadline and with its allocations counted.
#ifndef FILEMUTATIONS_H
#define FILEMUTATIONS_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A number inside a part: a size, an offset, a count or a side.
struct NumberField {
    std::size_t at;
    int width; // 1, 2 or 4 bytes
    bool bigEndian;
};

// A chunk, segment or header of a seed file. A part that is not movable
// (a signature, a file's head) stays where it is.
struct FilePart {
    std::string bytes;
    std::vector<NumberField> numbers;
    bool movable;
};

using FileSeed = std::vector<FilePart>;

enum class ReadOutcome { Refused, Whole, Broken };

struct MutationRun {
    std::vector<FileSeed> seeds;
    unsigned randomSeed;
    int cases;
    // Makes a part whole again after its numbers were forged (a checksum);
    // may be empty.
    std::function<void(std::string&)> seal;
    // Puts a case where the reader finds it (a file), uncounted; may be empty.
    std::function<void(const std::string&)> prepare;
    // Reads the case prepared, timed and with its allocations counted.
    std::function<void(const std::string&)> read;
    // Judges what the read gave: the reader's refusal, a whole result, or
    // neither; and lets it go.
    std::function<ReadOutcome()> judge;
    // The most bytes a case of that many bytes may allocate.
    std::function<unsigned long long(std::size_t)> allocationBound;
    double caseDeadlineSeconds = 1;
};

struct MutationFigures {
    bool finished = false;
    bool counted = false;
    int cases = 0;
    int refused = 0;
    int whole = 0;
    double seconds = 0;
    double slowestCase = 0;
    // The most bytes one case allocated in all, and its largest request.
    unsigned long long mostAllocated = 0;
    unsigned long long largestRequest = 0;
    // The cases that broke a rule, with what they broke (the first few).
    std::vector<std::string> failures;
    std::string summary() const;
};

// Runs the cases on a thread of their own; a run that has not ended after
// runDeadlineMs leaves finished false.
MutationFigures runMutations(const MutationRun& run, unsigned long runDeadlineMs);
// Runs the cases and checks, as a test, that the run ended, that no case
// broke a rule, and that some cases gave a whole result; prints the figures
// under the reader's name.
void expectSoundMutations(const MutationRun& run, const char* reader);

// The parts one after the other, as a file.
std::string joinedParts(const FileSeed& parts);

// Writes value in width bytes at `at` of bytes.
void putNumber(std::string& bytes, const NumberField& field, unsigned long value);

#endif
