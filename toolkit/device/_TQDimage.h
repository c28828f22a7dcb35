// An image resource: its source is the image file name. The file is read the
// first time the image's size or platform handle is asked for.
#ifndef _TQDIMAGE_H
#define _TQDIMAGE_H

#include "TQtypes.h"
#include "_TQDres.h"

class TQDimage : public TQDres {
public:
    TQDimage();
    TQ_ROOT_FRAME(TQDimage, TQDres)

    long setImageName(const char* fileName);

    // The platform stores the loaded size with these.
    long setImageWidth(u16 width);
    long setImageHeight(u16 height);
    // Load the image first when it is not loaded; 0 when it cannot be.
    u16 getImageWidth();
    u16 getImageHeight();

    // 1 when the image is loaded (loading it when needed).
    unsigned char getReady();
    // Releases the platform image; the next use loads it again.
    long destroyImage();

    long setImageMode(u32 mode);
    u32 getImageMode() const { return m_imageMode; }

private:
    u16 m_width;
    u16 m_height;
    u32 m_imageMode;
};

#endif
