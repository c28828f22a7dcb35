// File selection dialog: the text rules of its directory, file and mask
// fields, and the text of its parts.
#include "_TQCfileSelect_internal.h"

#include "_TQCbase.h"
#include "_TQN.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace tqfileselect {

namespace {

const char* const kBlanks = " \t\n\r";

} // namespace

std::string labelText(TQCbase* part)
{
    TQCvariant value = part->getProperty(_TQNlabelString());
    const char* text = value.getCharPtrConst();
    return text != nullptr ? text : "";
}

std::string forwardSlashes(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string trimBlanks(const std::string& text, bool leading, bool trailing)
{
    size_t first = leading ? text.find_first_not_of(kBlanks) : 0;
    if (first == std::string::npos)
        return std::string();
    size_t last = trailing ? text.find_last_not_of(kBlanks) : text.size() - 1;
    return text.substr(first, last - first + 1);
}

std::string expandDirName(const std::string& text, const std::string& cwd)
{
    std::string expanded = text;
    if (text.compare(0, 2, "..") == 0)
        expanded = cwd + "/" + text;
    else if (!text.empty() && text[0] == '.')
        expanded = cwd + text.substr(1);
    if (expanded.size() >= kDirBufferSize)
        expanded.resize(kDirBufferSize - 1);
    return forwardSlashes(expanded);
}

std::string parentDirectory(std::string text)
{
    if (!text.empty() && text.back() == '/')
        text.pop_back();
    size_t slash = text.rfind('/');
    return slash == std::string::npos ? std::string() : text.substr(0, slash);
}

bool isNetworkHost(const std::string& text)
{
    return text.compare(0, 2, "//") == 0 && text.find('/', 2) == std::string::npos;
}

std::vector<std::string> maskPatterns(const char* mask)
{
    std::vector<std::string> patterns;
    std::string text = mask != nullptr ? mask : "";
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        std::string field = trimBlanks(text.substr(start, comma - start));
        if (!field.empty())
            patterns.push_back("." + field);
        start = comma + 1;
    }
    return patterns;
}

bool passesMask(const char* name, const std::vector<std::string>& patterns)
{
    if (patterns.empty())
        return true;
    std::string text = name != nullptr ? name : "";
    for (const std::string& pattern : patterns) {
        std::string capitals = pattern;
        for (char& c : capitals)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        bool contained = text.find(pattern) != std::string::npos ||
                         text.find(capitals) != std::string::npos;
        if (contained && text.find(pattern + ".") == std::string::npos)
            return true;
    }
    return false;
}

void composeFileName(char* buf, size_t size, const std::string& dir, const std::string& file,
                     bool selectDir)
{
    if (size == 0)
        return;
    if (dir.empty())
        std::snprintf(buf, size, "%s", file.c_str());
    else if (selectDir)
        std::snprintf(buf, size, "%s", dir.c_str());
    else
        std::snprintf(buf, size, "%s/%s", dir.c_str(), file.c_str());
}

} // namespace tqfileselect
