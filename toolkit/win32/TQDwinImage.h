// Images on Win32: an image file name realised as a GDI bitmap, with a mask
// bitmap for pictures with transparency, or as an icon; the program's own
// icons stand in for picture files that are not there.
#ifndef TQDWINIMAGE_H
#define TQDWINIMAGE_H

#include "_TQDimage.h"

class TQDwinImage : public TQDimage {
public:
    TQDwinImage();
    ~TQDwinImage() override;
    TQ_ROOT_FRAME(TQDwinImage, TQDimage)
    static const char* getThisClassName() { return "TQDwinImage"; }

    // Tries the name as JPEG, PNG and BMP file, through the platform loader,
    // as a built-in bitmap, then as icon file and built-in icon. Value 1 is
    // the handle, value 2 the kind (0 bitmap, 1 icon), value 3 the mask or
    // 0. 0 also for an empty name, which changes nothing; -1 when no way
    // loads it, and the image stays unrealised.
    long initialize() override;
    // Releases the handle and the mask: values 1 and 2 go back to -1, value
    // 3 to 0. Always 0.
    long destroy() override;

private:
    bool loadJpeg(const char* name, const char* remoteName);
    bool loadPng(const char* name);
    bool loadBitmap(const char* name, const char* source);
    bool loadIcon(const char* name, const char* source);
    void realise(void* handle, void* mask, unsigned long width, unsigned long height, bool icon,
                 bool sharedIcon);

    // The bitmap or icon, and the mask bitmap; null when none.
    void* m_handle;
    void* m_mask;
    unsigned char m_icon;
    // Icons of the program's module are shared and must not be destroyed.
    unsigned char m_sharedIcon;
};

TQDimage* _win_image_create_handler();
// Makes the application image set create Win32 images.
void _win_image_init();

#endif
