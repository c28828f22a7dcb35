// Long UTF-8 texts for the multi-line fields' tests and bench: lines of 0
// to 100 bytes made of words, tabs, accented and Japanese words, by a
// fixed-seed generator, so that a text of a given size is the same in every
// run.
#ifndef SAMPLETEXT_H
#define SAMPLETEXT_H

#include <string>

// About `bytes` bytes, lines ended by line feeds; the text ends on a whole
// character.
inline std::string sampleLines(size_t bytes)
{
    static const char* const words[] = {"the",  "wave",    "spectrum", "été",   "Größe",
                                        "音声", "fenêtre", "noise",    "level", "1024",
                                        "x",    "analysis", "データ",  "a",     "point"};
    unsigned long seed = 12345;
    auto next = [&seed](unsigned long n) {
        seed = seed * 1103515245 + 12345;
        return (seed >> 16) % n;
    };
    std::string text;
    while (text.size() < bytes) {
        size_t length = next(101);
        std::string line;
        if (next(7) == 0)
            line += '\t';
        while (line.size() < length) {
            line += words[next(sizeof words / sizeof words[0])];
            line += next(9) == 0 ? '\t' : ' ';
        }
        text += line;
        text += '\n';
    }
    text.resize(bytes);
    // A cut through a character leaves none of it.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xc0) == 0x80)
        text.pop_back();
    if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xc0)
        text.pop_back();
    return text;
}

#endif
