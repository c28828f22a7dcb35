// Image resource: file name, loaded size and lazy loading.
#include "_TQDimage.h"

TQDimage::TQDimage() : m_width(0), m_height(0), m_imageMode(0)
{
}

long TQDimage::setImageName(const char* fileName)
{
    m_width = 0;
    m_height = 0;
    return setSrc(fileName);
}

long TQDimage::setImageWidth(u16 width)
{
    m_width = width;
    return 0;
}

long TQDimage::setImageHeight(u16 height)
{
    m_height = height;
    return 0;
}

u16 TQDimage::getImageWidth()
{
    getValue1();
    return m_width;
}

u16 TQDimage::getImageHeight()
{
    getValue1();
    return m_height;
}

unsigned char TQDimage::getReady()
{
    long handle = getValue1();
    return handle != -1 && handle != 0 ? 1 : 0;
}

long TQDimage::destroyImage()
{
    return destroy();
}

long TQDimage::setImageMode(u32 mode)
{
    m_imageMode = mode;
    return 0;
}
