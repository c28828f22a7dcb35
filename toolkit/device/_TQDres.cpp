// Resource base: source name, number and lazily realised platform values.
#include "_TQDres.h"

#include <cstring>

TQDres::TQDres()
    : m_src(nullptr), m_value1(-1), m_value2(-1), m_value3(-1), m_id(-1), m_flags(0)
{
}

// A platform class releases its object in its own destructor; by the time
// this one runs only the base's (empty) release is left to call.
TQDres::~TQDres()
{
    TQDres::destroy();
    delete[] m_src;
}

long TQDres::initialize()
{
    return -1;
}

long TQDres::destroy()
{
    return -1;
}

long TQDres::setId(short id)
{
    m_id = id;
    return 0;
}

long TQDres::setValue1(long value)
{
    m_value1 = value;
    return 0;
}

long TQDres::setValue2(long value)
{
    m_value2 = value;
    return 0;
}

long TQDres::setValue3(long value)
{
    m_value3 = value;
    return 0;
}

long TQDres::realisedValue(long& value)
{
    if (value == -1)
        initialize();
    return value;
}

long TQDres::getValue1()
{
    return realisedValue(m_value1);
}

long TQDres::getValue2()
{
    return realisedValue(m_value2);
}

long TQDres::getValue3()
{
    return realisedValue(m_value3);
}

void TQDres::unrealise()
{
    destroy();
    m_value1 = -1;
    m_value2 = -1;
    m_value3 = -1;
}

// A null source is taken as "", the same text getSrc() gives for none.
long TQDres::setSrc(const char* src)
{
    if (src == nullptr)
        src = "";
    if (m_src != nullptr && std::strcmp(m_src, src) == 0)
        return 0;
    if (isRealised())
        unrealise();

    size_t length = std::strlen(src);
    if (m_src != nullptr && length <= std::strlen(m_src)) {
        std::memmove(m_src, src, length + 1);  // src may point into m_src
        return 0;
    }
    char* copy = new char[length + 1];
    std::memcpy(copy, src, length + 1);
    delete[] m_src;
    m_src = copy;
    return 0;
}

char* TQDres::getSrc()
{
    static char none[1] = "";
    return m_src != nullptr ? m_src : none;
}

void TQDres::setInitialized(unsigned char on)
{
    m_flags = static_cast<unsigned char>((m_flags & ~1u) | (on & 1u));
}
