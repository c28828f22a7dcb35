// Conversions between the system's code page and UTF-8 through UTF-16.
#include "sqliteText.h"

#include <windows.h>

#include <vector>

namespace {

std::string convert(const char* text, UINT from, UINT to)
{
    if (text == nullptr || *text == '\0')
        return "";
    int wide = MultiByteToWideChar(from, 0, text, -1, nullptr, 0);
    if (wide <= 0)
        return "";
    std::vector<wchar_t> units(static_cast<size_t>(wide));
    MultiByteToWideChar(from, 0, text, -1, units.data(), wide);
    int bytes = WideCharToMultiByte(to, 0, units.data(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return "";
    std::vector<char> out(static_cast<size_t>(bytes));
    WideCharToMultiByte(to, 0, units.data(), -1, out.data(), bytes, nullptr, nullptr);
    return out.data();
}

} // namespace

std::string utf8FromSystem(const char* text)
{
    return convert(text, CP_ACP, CP_UTF8);
}

std::string systemFromUtf8(const char* text)
{
    return convert(text, CP_UTF8, CP_ACP);
}

void copySystemText(char* buffer, const std::string& text, long size)
{
    if (size < 1)
        return;
    size_t room = static_cast<size_t>(size - 1);
    size_t n = 0;
    while (n < text.size()) {
        size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[n])) ? 2 : 1;
        if (n + step > room || n + step > text.size())
            break;
        n += step;
    }
    text.copy(buffer, n);
    buffer[n] = '\0';
}
