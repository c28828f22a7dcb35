// Image-property text and image numbers of the application image set.
#ifndef _TQGFIMAGE_H
#define _TQGFIMAGE_H

// The number of a file name's image, made and loaded when new; -1 when none.
short TQGFimage(const char* fileName);
// Points image no at another file (loaded on its next use) and keeps its
// number; when there is no image no, the number of the file name's image.
short TQGFimage(const char* fileName, short no);
char* TQGFimageName(short no);
// Unload an image by file name or number, or every image; the image objects
// stay in the set and load again on their next use.
long TQGFdestroyPixmap(const char* fileName);
long TQGFdestroyPixmap(short no);
long TQGFdestroyAllPixmap();

#endif
