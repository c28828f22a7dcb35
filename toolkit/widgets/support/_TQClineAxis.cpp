// One axis of a row or a column of widgets.
#include "_TQClineAxis.h"

#include "_TQCbase.h"
#include "_TQN.h"

#include <algorithm>

TQClineAxis::TQClineAxis(unsigned char orientation)
{
    bool vertical = orientation == VERTICAL;
    m_position = vertical ? _TQNy() : _TQNx();
    m_size = vertical ? _TQNheight() : _TQNwidth();
    m_crossPosition = vertical ? _TQNx() : _TQNy();
    m_crossSize = vertical ? _TQNwidth() : _TQNheight();
}

void TQClineAxis::sortByPosition(std::vector<TQCbase*>& widgets) const
{
    std::vector<std::pair<long, TQCbase*>> keyed;
    keyed.reserve(widgets.size());
    for (TQCbase* widget : widgets)
        keyed.emplace_back(position(widget), widget);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        widgets[i] = keyed[i].second;
}

long TQClineAxis::read(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

void TQClineAxis::write(TQCbase* object, const char* name, long value)
{
    object->setProperty(name, TQCvariant(value));
}
