// Point list of the line and the polygon.
#include "_TQCpointAxes.h"

#include <algorithm>

#include "_TQCvline.h"

void TQCpointAxes::parse(Axis axis, const char* text, long n)
{
    std::vector<short>& values = axis == X ? m_x : m_y;
    if (text == nullptr || text[0] == '\0' || values.empty())
        return;
    long count = std::min(n, static_cast<long>(values.size()));
    TQCvline::_str_to_addr(text, values.data(), static_cast<short>(count));
}

long TQCpointAxes::rebuild(long n, const char* textX, const char* textY)
{
    if (n <= 1)
        return -1;
    m_x.assign(n, 0);
    m_y.assign(n, 0);
    if (textX != nullptr)
        TQCvline::_str_to_addr(textX, m_x.data(), static_cast<short>(n));
    if (textY != nullptr)
        TQCvline::_str_to_addr(textY, m_y.data(), static_cast<short>(n));
    return 0;
}

std::vector<TQCpoint> TQCpointAxes::points(long n) const
{
    long count = std::min({n, static_cast<long>(m_x.size()), static_cast<long>(m_y.size())});
    std::vector<TQCpoint> result;
    for (long i = 0; i < count; ++i)
        result.push_back(TQCpoint{m_x[i], m_y[i]});
    return result;
}
