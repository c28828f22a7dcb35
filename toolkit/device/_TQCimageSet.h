// The process-wide image registry: images by number (handed out from 1 in
// order of creation; -1 is no image) and by file name, made on demand through
// the platform's factory. Images stay in the set for good; releasing one only
// unloads it until its next use. The set also keeps the platform's built-in
// image handles by name.
#ifndef _TQCIMAGESET_H
#define _TQCIMAGESET_H

#include "_TQCindexData.h"
#include "_TQClistData.h"
#include "_TQCresourceCache.h"

class TQDimage;

class TQCimageSet {
public:
    TQCimageSet();
    virtual ~TQCimageSet();

    long setCreateHandler(TQDimage* (*handler)());

    TQDimage* getImage(short no);
    // Makes the image, not yet loaded, when the name is new.
    TQDimage* getImage(const char* fileName);
    // Makes and loads the image when the name is new; -1 when it cannot.
    short getImageNo(const char* fileName);
    // "" for -1 and for numbers no image carries.
    char* getImageName(short no);

    long destroyImage(short no);
    long destroyImage(const char* fileName);
    // Reloads the image of a file name at once.
    long update(const char* fileName);
    long destroyAllImage();

    long setDefaultImageHandle(const char* name, void* handle);
    void* getDefaultImageHandle(const char* name);

private:
    TQDimage* imageAt(long pos) const;
    TQDimage* cachedByName(const char* name) const;
    TQDimage* findByName(const char* name);
    TQDimage* makeImage(const char* name, bool load);

    TQCresourceCache m_cache;
    TQClistData m_images;
    TQDimage* (*m_createHandler)();
    long m_nextNo;
    TQCindexData m_defaultHandles;
};

// The application's image set, made on first call and kept for the process.
TQCimageSet* TQGIappImageSet();

#endif
