// Conversion of names and texts to and from the system locale's encoding.
#include "TQGFwinSystemText.h"

#include "TQwin32.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"
#include "_TQGFstring.h"

#include <memory>
#include <vector>

namespace {

const long kUtf8 = 16;

std::string convert(const char* text, long from, long to)
{
    if (text == nullptr)
        return std::string();
    TQCstring string(text, from);
    const char* converted = string.getString(to);
    return converted != nullptr ? converted : "";
}

// LANG may name UTF-8, as on Unix, while the ANSI functions of Windows
// speak the ANSI code page, which is UTF-8 only when it is 65001 (Wine
// under en_US.UTF-8 answers 1252). Names then go through that code page.
bool ansiSpeaksOtherThanUtf8()
{
    return TQGFwinSystemEncoding() == kUtf8 && GetACP() != CP_UTF8;
}

std::string toAnsiCodePage(const char* text, long encoding)
{
    std::unique_ptr<u16[]> wide(TQGFgetUCS2(text, encoding));
    const wchar_t* units = reinterpret_cast<const wchar_t*>(wide.get());
    int size = WideCharToMultiByte(CP_ACP, 0, units, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::vector<char> bytes(static_cast<size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, units, -1, bytes.data(), size, nullptr, nullptr);
    return bytes.data();
}

std::string fromAnsiCodePage(const char* text, long encoding)
{
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 0)
        return std::string();
    std::vector<wchar_t> units(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text, -1, units.data(), size);
    std::unique_ptr<char[]> bytes(
        TQGFgetString(reinterpret_cast<const u16*>(units.data()), encoding));
    return bytes.get();
}

} // namespace

long TQGFwinSystemEncoding()
{
    return TQGIappLocaleSet()->getSystemLocaleEncoding();
}

std::string TQGFtoSystemText(const char* text, long encoding)
{
    if (text != nullptr && ansiSpeaksOtherThanUtf8())
        return toAnsiCodePage(text, encoding);
    return convert(text, encoding, TQGFwinSystemEncoding());
}

std::string TQGFfromSystemText(const char* text, long encoding)
{
    if (text != nullptr && ansiSpeaksOtherThanUtf8())
        return fromAnsiCodePage(text, encoding);
    return convert(text, TQGFwinSystemEncoding(), encoding);
}

std::wstring TQGFtoWideName(const char* text, long encoding)
{
    if (text == nullptr)
        return std::wstring();
    std::unique_ptr<u16[]> units(TQGFgetUCS2(text, encoding));
    return units != nullptr ? std::wstring(reinterpret_cast<const wchar_t*>(units.get()))
                            : std::wstring();
}

std::string TQGFfromWideName(const wchar_t* name, long encoding)
{
    if (name == nullptr)
        return std::string();
    std::unique_ptr<char[]> bytes(TQGFgetString(reinterpret_cast<const u16*>(name), encoding));
    return bytes != nullptr ? bytes.get() : "";
}
