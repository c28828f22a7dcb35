// Image set: images by number and by file name over one owned list, with the
// name and number caches in front of it.
#include "_TQCimageSet.h"

#include "_TQDimage.h"

namespace {

const long LAST_NO = 32767;

} // namespace

TQCimageSet::TQCimageSet() : m_createHandler(nullptr), m_nextNo(1)
{
}

TQCimageSet::~TQCimageSet()
{
    for (long i = 0; i < m_images.getNum(); ++i)
        delete imageAt(i);
}

long TQCimageSet::setCreateHandler(TQDimage* (*handler)())
{
    m_createHandler = handler;
    return 0;
}

TQDimage* TQCimageSet::imageAt(long pos) const
{
    return static_cast<TQDimage*>(m_images.getData(pos));
}

TQDimage* TQCimageSet::cachedByName(const char* name) const
{
    return static_cast<TQDimage*>(m_cache.byName(name));
}

// Every image of the set has a file name (possibly ""): each is named when
// it is made, so the search need not pass over unnamed ones.
TQDimage* TQCimageSet::findByName(const char* name)
{
    for (long i = 0; i < m_images.getNum(); ++i) {
        TQDimage* image = imageAt(i);
        if (TQCresourceCache::hasName(image, name)) {
            m_cache.keepByName(name, image);
            return image;
        }
    }
    return nullptr;
}

// Numbers run out at 32767: past that no image is made, rather than
// wrapping into negative numbers that no lookup finds.
TQDimage* TQCimageSet::makeImage(const char* name, bool load)
{
    if (m_createHandler == nullptr || m_nextNo > LAST_NO)
        return nullptr;
    TQDimage* image = m_createHandler();
    if (image == nullptr)
        return nullptr;
    image->setImageName(name);
    image->setId(static_cast<short>(m_nextNo));
    ++m_nextNo;
    if (load)
        image->getValue1();
    m_images.add(image);
    m_cache.keepByName(name, image);
    return image;
}

TQDimage* TQCimageSet::getImage(short no)
{
    if (no < 0)
        return nullptr;
    return static_cast<TQDimage*>(m_cache.findByNumber(m_images, no));
}

TQDimage* TQCimageSet::getImage(const char* fileName)
{
    if (fileName == nullptr)
        return nullptr;
    TQDimage* image = cachedByName(fileName);
    if (image == nullptr)
        image = findByName(fileName);
    if (image == nullptr)
        image = makeImage(fileName, false);
    return image;
}

short TQCimageSet::getImageNo(const char* fileName)
{
    if (fileName == nullptr)
        return -1;
    TQDimage* image = cachedByName(fileName);
    if (image == nullptr)
        image = findByName(fileName);
    if (image == nullptr)
        image = makeImage(fileName, true);
    return image != nullptr ? image->getId() : -1;
}

char* TQCimageSet::getImageName(short no)
{
    static char none[1] = "";
    TQDimage* image = getImage(no);
    return image != nullptr ? image->getSrc() : none;
}

long TQCimageSet::destroyImage(short no)
{
    TQDimage* image = getImage(no);
    if (image != nullptr)
        image->destroyImage();
    return 0;
}

long TQCimageSet::destroyImage(const char* fileName)
{
    TQDimage* image = getImage(fileName);
    if (image != nullptr)
        image->destroyImage();
    return 0;
}

long TQCimageSet::update(const char* fileName)
{
    TQDimage* image = getImage(fileName);
    if (image != nullptr) {
        image->destroyImage();
        image->getValue1();
    }
    return 0;
}

long TQCimageSet::destroyAllImage()
{
    for (long i = 0; i < m_images.getNum(); ++i)
        imageAt(i)->destroyImage();
    return 0;
}

long TQCimageSet::setDefaultImageHandle(const char* name, void* handle)
{
    if (name == nullptr)
        return -1;
    m_defaultHandles.setData(name, handle);
    return 0;
}

void* TQCimageSet::getDefaultImageHandle(const char* name)
{
    if (name == nullptr)
        return nullptr;
    return m_defaultHandles.getData(name);
}

TQCimageSet* TQGIappImageSet()
{
    static TQCimageSet* set = new TQCimageSet();
    return set;
}
