// Images on Win32: the ways an image name is tried, from its own file to the
// program's built-in icons, and their release.
#include "TQDwinImage.h"

#include "TQGFloadRemoteFile.h"
#include "TQGFwinBmp.h"
#include "TQGFwinJpeg.h"
#include "TQGFwinPng.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "_TQCimageSet.h"
#include "_TQDfileSystem.h"
#include "_TQGFdebug.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

// LoadImageA: from a file, as a DIB section, in VGA colours.
const UINT kFileLoadFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_VGACOLOR;
const unsigned short kIconSide = 32;

void replaceAll(std::string& text, const char* from, const std::string& to)
{
    const std::string pattern(from);
    for (size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, at + to.size()))
        text.replace(at, pattern.size(), to);
}

std::string withExtension(std::string name, std::initializer_list<const char*> from,
                          const char* to)
{
    for (const char* extension : from)
        replaceAll(name, extension, to);
    return name;
}

bool mentions(const std::string& name, const char* lower, const char* upper)
{
    return name.find(lower) != std::string::npos || name.find(upper) != std::string::npos;
}

// The name as the file system gives it; unchanged without a file system.
std::string adjustedName(const char* source)
{
    TQDfileSystem* fs = TQGIappFileSystem();
    if (fs == nullptr)
        return source;
    std::string copy(source);
    const char* adjusted = fs->adjustFileName(&copy[0]);
    return adjusted != nullptr ? adjusted : "";
}

// The bare file name of a "\" path in the system's encoding, or the whole
// name when it has no "\". The split is made before the conversion: in some
// system encodings a "\" byte can be half of a character.
std::string bareSystemName(const std::string& name)
{
    size_t last = name.rfind('\\');
    return TQGFtoSystemText(last == std::string::npos ? name.c_str() : name.c_str() + last + 1);
}

HANDLE loadFromFile(const std::string& name, UINT type)
{
    std::string systemName = TQGFtoSystemText(name.c_str());
    HANDLE handle = LoadImageA(nullptr, systemName.c_str(), type, 0, 0, kFileLoadFlags);
    if (handle == nullptr && name.find('\\') != std::string::npos)
        handle = LoadImageA(nullptr, bareSystemName(name).c_str(), type, 0, 0, kFileLoadFlags);
    return handle;
}

// The resource number registered for the name, or 0.
WORD builtInImage(const std::string& name)
{
    void* handle = TQGIappImageSet()->getDefaultImageHandle(name.c_str());
    return static_cast<WORD>(reinterpret_cast<std::uintptr_t>(handle));
}

// The program's own module, whose instance handle start-up gives the
// application device.
HINSTANCE programModule()
{
    return GetModuleHandleA(nullptr);
}

} // namespace

TQDwinImage::TQDwinImage() : m_handle(nullptr), m_mask(nullptr), m_icon(0), m_sharedIcon(0)
{
}

TQDwinImage::~TQDwinImage()
{
    destroy();
}

long TQDwinImage::initialize()
{
    const char* source = getSrc();
    if (source == nullptr || source[0] == '\0')
        return 0;
    // Realising again must not leak what an earlier call made.
    if (m_handle != nullptr)
        destroy();
    setValue1(-1);
    setValue2(-1);

    std::string remoteName = adjustedName(source);
    std::string name = remoteName;
    replaceAll(name, "/", "\\");
    name = withExtension(name, {".xpm", ".XPM"}, ".png");
    __dbprintf("TQDwinImage::initialize %s\n", name.c_str());

    if (mentions(name, ".jpg", ".JPG") && loadJpeg(name.c_str(), remoteName.c_str()))
        return 0;
    if (mentions(name, ".png", ".PNG") && loadPng(name.c_str()))
        return 0;
    name = withExtension(name, {".xpm", ".XPM", ".jpg", ".JPG", ".png", ".PNG"}, ".bmp");
    if (loadBitmap(name.c_str(), source))
        return 0;
    name = withExtension(name, {".bmp", ".BMP"}, ".ico");
    if (loadIcon(name.c_str(), source))
        return 0;
    return -1;
}

// Only JPEG names are fetched over HTTP; the other kinds take an "http://"
// name as a path.
bool TQDwinImage::loadJpeg(const char* name, const char* remoteName)
{
    unsigned long width = 0;
    unsigned long height = 0;
    void* bitmap = nullptr;
    if (std::string(remoteName).compare(0, 7, "http://") == 0) {
        long size = 0;
        char* data = TQGFloadRemoteBody(remoteName, &size);
        __dbprintf("TQGFloadRemoteFile %s pbuf=0x%x size=%ld\n", remoteName,
                   static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(data)), size);
        if (data != nullptr) {
            bitmap = JpegReadFileToBitmap(data, size, &width, &height);
            delete[] data;
        }
    } else {
        bitmap = JpegReadFileToBitmap(name, 0, &width, &height);
    }
    if (bitmap == nullptr)
        return false;
    realise(bitmap, nullptr, width, height, false, false);
    return true;
}

bool TQDwinImage::loadPng(const char* name)
{
    unsigned long width = 0;
    unsigned long height = 0;
    void* mask = nullptr;
    __dbprintf("TQDwinImage::initialize %s start to read png.\n", name);
    void* bitmap = PngReadFileToBitmap(name, &width, &height, &mask);
    __dbprintf("TQDwinImage::initialize %s read done.\n", name);
    if (bitmap == nullptr)
        return false;
    realise(bitmap, mask, width, height, false, false);
    return true;
}

// The BMP file, the platform loader on the file or its bare name (only once
// its header is known to fit the file), then the built-in bitmap registered
// for the source name with ".bmp".
bool TQDwinImage::loadBitmap(const char* name, const char* source)
{
    void* bitmap = nullptr;
    void* mask = nullptr;
    long unusedWidth = 0;
    long unusedHeight = 0;
    std::string systemName = TQGFtoSystemText(name);
    TQGFxBmpReadFileToPixmap(systemName.c_str(), &bitmap, &mask, &unusedWidth, &unusedHeight);
    if (bitmap == nullptr) {
        std::string plain(name);
        std::string loaderName =
            plain.find('\\') != std::string::npos ? bareSystemName(plain) : systemName;
        if (TQGFxBmpLoadable(loaderName.c_str()))
            bitmap = LoadImageA(nullptr, loaderName.c_str(), IMAGE_BITMAP, 0, 0, kFileLoadFlags);
    }
    if (bitmap == nullptr) {
        WORD id = builtInImage(withExtension(source, {".xpm", ".XPM", ".jpg", ".JPG"}, ".bmp"));
        if (id != 0)
            bitmap = LoadBitmapA(programModule(), MAKEINTRESOURCEA(id));
    }
    BITMAP object = {};
    if (bitmap == nullptr || GetObjectA(static_cast<HBITMAP>(bitmap), sizeof object, &object) == 0) {
        if (bitmap != nullptr)
            DeleteObject(static_cast<HGDIOBJ>(bitmap));
        if (mask != nullptr)
            DeleteObject(static_cast<HGDIOBJ>(mask));
        return false;
    }
    realise(bitmap, mask, object.bmWidth, object.bmHeight, false, false);
    return true;
}

// The icon file, then the built-in icon registered for the source name with
// ".ico". Every icon counts as 32 x 32.
bool TQDwinImage::loadIcon(const char* name, const char* source)
{
    void* icon = loadFromFile(name, IMAGE_ICON);
    bool shared = false;
    if (icon == nullptr) {
        WORD id = builtInImage(withExtension(source, {".xpm", ".XPM", ".jpg", ".JPG"}, ".ico"));
        if (id != 0)
            icon = LoadIconA(programModule(), MAKEINTRESOURCEA(id));
        shared = true;
    }
    if (icon == nullptr)
        return false;
    realise(icon, nullptr, kIconSide, kIconSide, true, shared);
    return true;
}

void TQDwinImage::realise(void* handle, void* mask, unsigned long width, unsigned long height,
                          bool icon, bool sharedIcon)
{
    setImageWidth(static_cast<u16>(width));
    setImageHeight(static_cast<u16>(height));
    m_handle = handle;
    m_mask = mask;
    m_icon = icon ? 1 : 0;
    m_sharedIcon = sharedIcon ? 1 : 0;
    setValue1(static_cast<long>(reinterpret_cast<std::intptr_t>(handle)));
    setValue2(icon ? 1 : 0);
    setValue3(static_cast<long>(reinterpret_cast<std::intptr_t>(mask)));
}

long TQDwinImage::destroy()
{
    if (m_icon && !m_sharedIcon)
        DestroyIcon(static_cast<HICON>(m_handle));
    else if (!m_icon && m_handle != nullptr)
        DeleteObject(static_cast<HGDIOBJ>(m_handle));
    if (m_mask != nullptr)
        DeleteObject(static_cast<HGDIOBJ>(m_mask));
    m_handle = nullptr;
    m_mask = nullptr;
    m_icon = 0;
    m_sharedIcon = 0;
    setValue1(-1);
    setValue2(-1);
    setValue3(0);
    return 0;
}

TQDimage* _win_image_create_handler()
{
    return new TQDwinImage;
}

void _win_image_init()
{
    TQGIappImageSet()->setCreateHandler(_win_image_create_handler);
}
