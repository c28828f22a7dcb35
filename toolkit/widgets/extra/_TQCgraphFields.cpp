// Splitting and reading the fields of a graph's text.
#include "_TQCgraphFields.h"

#include <climits>
#include <cstring>

TQCgraphFields::TQCgraphFields(const char* text, long most)
{
    if (text == nullptr || most <= 0)
        return;
    const char* start = text;
    while (count() < most) {
        const char* comma = std::strchr(start, ',');
        if (comma == nullptr) {
            m_fields.emplace_back(start);
            break;
        }
        m_fields.emplace_back(start, static_cast<size_t>(comma - start));
        start = comma + 1;
    }
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

long TQCgraphFields::number(long i) const
{
    std::string_view f = m_fields[i];
    size_t at = 0;
    while (at < f.size() && isBlank(f[at]))
        ++at;
    bool negative = false;
    if (at < f.size() && (f[at] == '+' || f[at] == '-'))
        negative = f[at++] == '-';
    long long n = 0;
    for (; at < f.size() && f[at] >= '0' && f[at] <= '9'; ++at)
        if (n <= LONG_MAX)
            n = n * 10 + (f[at] - '0');
    if (negative)
        n = -n;
    return n > LONG_MAX ? LONG_MAX : n < LONG_MIN ? LONG_MIN : static_cast<long>(n);
}

bool TQCgraphFields::missing(long i) const
{
    return m_fields[i] == "NA" || m_fields[i] == "na";
}
