// Owners of GDI objects for the Win32 drawing code: each puts back or deletes
// what it took when it goes out of scope, so every early return stays clean.
#ifndef TQGFWINGDI_H
#define TQGFWINGDI_H

#include "TQwin32.h"

namespace tqgdi {

// The header of a bottom-up 24-bit picture, w x h, rows padded to four
// bytes: the layout the image readers decode into and GetDIBits and
// SetDIBits exchange.
inline BITMAPINFO dibHeader(long width, long height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A pen, brush, bitmap or region deleted at the end of the scope. Declare it
// before any selection of it, so that the selection ends first.
class Object {
public:
    explicit Object(HGDIOBJ object = nullptr) : m_object(object) {}
    ~Object()
    {
        if (m_object != nullptr)
            DeleteObject(m_object);
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    HGDIOBJ get() const { return m_object; }
    void reset(HGDIOBJ object)
    {
        if (m_object != nullptr)
            DeleteObject(m_object);
        m_object = object;
    }

private:
    HGDIOBJ m_object;
};

// An object selected into a context; the previous one goes back at the end.
// A null object selects nothing.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~Selection()
    {
        if (m_previous != nullptr)
            SelectObject(m_dc, m_previous);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A memory context compatible with another, deleted at the end.
class MemoryContext {
public:
    explicit MemoryContext(HDC reference) : m_dc(CreateCompatibleDC(reference)) {}
    ~MemoryContext()
    {
        if (m_dc != nullptr)
            DeleteDC(m_dc);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    HDC get() const { return m_dc; }

private:
    HDC m_dc;
};

// A bitmap selected into a new memory context made like a target context:
// same mapping mode, and the palette (when there is one) selected and
// realised. Everything goes back and the context is deleted at the end.
class BitmapContext {
public:
    BitmapContext(HDC target, HPALETTE palette, HGDIOBJ bitmap)
        : m_dc(CreateCompatibleDC(target)), m_previousPalette(nullptr), m_previousBitmap(nullptr)
    {
        if (m_dc == nullptr)
            return;
        if (palette != nullptr) {
            m_previousPalette = SelectPalette(m_dc, palette, FALSE);
            RealizePalette(m_dc);
        }
        m_previousBitmap = SelectObject(m_dc, bitmap);
        SetMapMode(m_dc, GetMapMode(target));
    }
    ~BitmapContext()
    {
        if (m_dc == nullptr)
            return;
        SelectObject(m_dc, m_previousBitmap);
        if (m_previousPalette != nullptr)
            SelectPalette(m_dc, m_previousPalette, FALSE);
        DeleteDC(m_dc);
    }
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;

    HDC get() const { return m_dc; }

private:
    HDC m_dc;
    HPALETTE m_previousPalette;
    HGDIOBJ m_previousBitmap;
};

} // namespace tqgdi

#endif
