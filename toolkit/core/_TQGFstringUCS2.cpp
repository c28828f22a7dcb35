// UCS-2 text: length, copies, insertion and deletion, replacement, lines
// and words, and vertical text.
#include "_TQGFstring.h"

#include "_TQCstring.h"
#include "_TQDcodeConvert.h"

#include <cstring>
#include <vector>

namespace {

const long kReplaceAll = 0x7ffe8001;

u16* newUnits(long n)
{
    u16* s = new u16[n + 1];
    s[n] = 0;
    return s;
}

long unitsLength(const u16* s)
{
    long n = 0;
    if (s)
        while (s[n])
            ++n;
    return n;
}

bool matchesAt(const u16* text, long at, const u16* pattern, long patternLength)
{
    for (long i = 0; i < patternLength; ++i) {
        if (text[at + i] != pattern[i])
            return false;
    }
    return true;
}

// Start of the next non-overlapping occurrence at or after from, or -1.
long findUnits(const u16* text, long textLength, long from, const u16* pattern,
               long patternLength)
{
    for (long i = from; i + patternLength <= textLength; ++i) {
        if (matchesAt(text, i, pattern, patternLength))
            return i;
    }
    return -1;
}

} // namespace

// ---- UCS-2 text ----

long TQGFstrlenUCS2(const u16* text)
{
    return unitsLength(text);
}

u16* TQGFstrdupUCS2(const u16* text)
{
    long n = unitsLength(text);
    u16* copy = newUnits(n);
    if (n)
        memcpy(copy, text, n * sizeof(u16));
    return copy;
}

u16* TQGFaddStringUCS2(const u16* a, const u16* b)
{
    long na = unitsLength(a), nb = unitsLength(b);
    u16* s = newUnits(na + nb);
    if (na)
        memcpy(s, a, na * sizeof(u16));
    if (nb)
        memcpy(s + na, b, nb * sizeof(u16));
    return s;
}

u16* TQGFinsertStringUCS2(const u16* text, long pos, const u16* ins)
{
    long n = unitsLength(text), ni = unitsLength(ins);
    if (pos < 0)
        pos = 0;
    if (pos > n)
        pos = n;
    u16* s = newUnits(n + ni);
    if (pos)
        memcpy(s, text, pos * sizeof(u16));
    if (ni)
        memcpy(s + pos, ins, ni * sizeof(u16));
    if (n - pos)
        memcpy(s + pos + ni, text + pos, (n - pos) * sizeof(u16));
    return s;
}

void TQGFdelStringUCS2(u16* text, long pos, long n)
{
    long len = unitsLength(text);
    if (pos < 0 || pos >= len)
        return;
    if (n > len - pos)
        n = len - pos;
    if (n < 1)
        return;
    memmove(text + pos, text + pos + n, (len - pos - n + 1) * sizeof(u16));
}

void TQGFdelTailSpaceUCS2(u16* text)
{
    long len = unitsLength(text);
    while (len > 0 && text[len - 1] == ' ')
        text[--len] = 0;
}

long TQGFdelLineFeedUCS2(u16* text)
{
    if (!text)
        return 0;
    long removed = 0;
    u16* out = text;
    for (u16* in = text; *in; ++in) {
        if (*in == '\n')
            ++removed;
        else
            *out++ = *in;
    }
    *out = 0;
    return removed;
}

u16* TQGFreplaceStringUCS2(const u16* text, const u16* from, const u16* to, long* count)
{
    long limit = count && *count >= 1 ? *count : kReplaceAll;
    if (count)
        *count = 0;
    long n = unitsLength(text), nf = unitsLength(from), nt = unitsLength(to);
    if (nf == 0)
        return TQGFstrdupUCS2(text);

    std::vector<u16> out;
    long at = 0;
    for (long done = 0; done < limit; ++done) {
        long hit = findUnits(text, n, at, from, nf);
        if (hit < 0)
            break;
        out.insert(out.end(), text + at, text + hit);
        out.insert(out.end(), to, to + nt);
        at = hit + nf;
    }
    out.insert(out.end(), text + at, text + n);

    u16* s = newUnits(static_cast<long>(out.size()));
    if (!out.empty())
        memcpy(s, out.data(), out.size() * sizeof(u16));
    return s;
}

long TQGFgetLinesUCS2(const u16* text)
{
    return TQGFcountLines(text);
}

long TQGFgetWordPosUCS2(const u16* text, long line)
{
    long len = unitsLength(text);
    long pos = 0;
    for (long l = 1; l < line; ++l) {
        while (pos < len && text[pos] != '\n')
            ++pos;
        if (pos >= len)
            return len;
        ++pos;
    }
    return pos;
}

u16* TQGFgetWordUCS2(const u16* text, long n, const u16* sep)
{
    long start = TQGFgetWordCharPosUCS2(text, n, sep);
    if (start < 0)
        return newUnits(0);
    long len = unitsLength(text), ns = unitsLength(sep);
    long end = findUnits(text, len, start, sep, ns);
    if (end < 0)
        end = len;
    u16* s = newUnits(end - start);
    if (end > start)
        memcpy(s, text + start, (end - start) * sizeof(u16));
    return s;
}

long TQGFgetWordCharPosUCS2(const u16* text, long n, const u16* sep)
{
    long ns = unitsLength(sep);
    if (ns == 0 || n < 0)
        return -1;
    long len = unitsLength(text);
    long pos = 0;
    for (long k = 0; k < n; ++k) {
        long hit = findUnits(text, len, pos, sep, ns);
        if (hit < 0)
            return -1;
        pos = hit + ns;
    }
    return pos;
}

void TQGFcreateVerticalString(TQCstring* text)
{
    if (!text)
        return;
    u16* units = TQGFgetUCS2(text->getString(TQENC_APP_DEFAULT), TQENC_APP_DEFAULT);
    long n = unitsLength(units);
    u16* vertical = newUnits(2 * n);
    for (long i = 0; i < n; ++i) {
        vertical[2 * i] = units[i];
        vertical[2 * i + 1] = '\n';
    }
    char* bytes = TQGFgetString(vertical, TQENC_APP_DEFAULT);
    text->setString(bytes, TQENC_APP_DEFAULT);
    delete[] bytes;
    delete[] vertical;
    delete[] units;
}
