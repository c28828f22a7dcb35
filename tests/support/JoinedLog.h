// A log of what ran, read as one line ("a, b, c") and emptied at once.
#ifndef JOINEDLOG_H
#define JOINEDLOG_H

#include <string>
#include <vector>

inline std::string takeJoined(std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : ", ") + line;
    lines.clear();
    return out;
}

#endif
