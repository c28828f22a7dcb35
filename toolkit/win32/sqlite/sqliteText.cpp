// Conversions between the toolkit's system encoding and UTF-8 through the
// program's converter, and texts cut to a buffer between characters.
#include "sqliteText.h"

#include <vector>

namespace {

TQCdbDriverConvert g_convert = nullptr;

std::string convert(const char* text, long from, long to)
{
    if (text == nullptr || *text == '\0' || g_convert == nullptr)
        return "";
    long length = g_convert(nullptr, 0, to, text, from);
    if (length <= 0)
        return "";
    std::vector<char> out(static_cast<size_t>(length) + 1);
    g_convert(out.data(), length + 1, to, text, from);
    return std::string(out.data(), static_cast<size_t>(length));
}

// Bytes of the UTF-8 character at text[at]; a byte that begins no whole
// character stands alone.
size_t characterLength(const std::string& text, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (at + n > text.size())
        return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

} // namespace

void useProgramConverter(TQCdbDriverConvert convert)
{
    g_convert = convert;
}

std::string utf8FromSystem(const char* text)
{
    return convert(text, kSystemEncoding, kUtf8Encoding);
}

std::string systemFromUtf8(const char* text)
{
    return convert(text, kUtf8Encoding, kSystemEncoding);
}

// A text too long is converted a character at a time: the toolkit's
// encodings keep no state between characters, so the pieces join to the
// text converted whole.
void copySystemText(char* buffer, const std::string& utf8, long size)
{
    if (size < 1)
        return;
    size_t room = static_cast<size_t>(size - 1);
    std::string fitting = systemFromUtf8(utf8.c_str());
    if (fitting.size() > room) {
        fitting.clear();
        for (size_t at = 0; at < utf8.size();) {
            size_t step = characterLength(utf8, at);
            std::string piece = systemFromUtf8(utf8.substr(at, step).c_str());
            if (fitting.size() + piece.size() > room)
                break;
            fitting += piece;
            at += step;
        }
    }
    fitting.copy(buffer, fitting.size());
    buffer[fitting.size()] = '\0';
}
