// Conversions between image-property text and image numbers.
#include "_TQGFimage.h"

#include "_TQCimageSet.h"
#include "_TQDimage.h"

short TQGFimage(const char* fileName)
{
    return TQGIappImageSet()->getImageNo(fileName);
}

short TQGFimage(const char* fileName, short no)
{
    TQCimageSet* set = TQGIappImageSet();
    TQDimage* image = set->getImage(no);
    if (image == nullptr)
        return set->getImageNo(fileName);
    image->setImageName(fileName);
    image->destroyImage();
    return no;
}

char* TQGFimageName(short no)
{
    return TQGIappImageSet()->getImageName(no);
}

long TQGFdestroyPixmap(const char* fileName)
{
    return TQGIappImageSet()->destroyImage(fileName);
}

long TQGFdestroyPixmap(short no)
{
    return TQGIappImageSet()->destroyImage(no);
}

long TQGFdestroyAllPixmap()
{
    return TQGIappImageSet()->destroyAllImage();
}
