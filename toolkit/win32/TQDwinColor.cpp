// Colours on Win32: parsing colour names into GDI colour references.
#include "TQDwinColor.h"

#include "TQDwinFS.h"
#include "TQDwinFile.h"
#include "_TQCcolorSet.h"

#include <cstdio>
#include <cstring>

namespace {

const unsigned long kReferenceFlag = 0x02000000;
const size_t kLongestName = 75;

// The "#" forms by total length: the scan pattern and how many fields it
// reads; a fourth field is read and ignored. Each component keeps only the
// low 8 bits of its field, unscaled.
struct HashForm {
    size_t length;
    const char* pattern;
    int fields;
};

const HashForm kHashForms[] = {
    {4, "#%1x%1x%1x", 3},           {5, "#%1x%1x%1x%1x", 4},
    {7, "#%2x%2x%2x", 3},           {9, "#%2x%2x%2x%2x", 4},
    {13, "#%4x%4x%4x", 3},          {17, "#%4x%4x%4x%4x", 4},
};

bool readHashName(const char* name, unsigned int rgb[3])
{
    size_t length = std::strlen(name);
    for (const HashForm& form : kHashForms) {
        if (form.length != length)
            continue;
        unsigned int ignored = 0;
        // A field that is not hex stops the scan; such a name is black.
        return std::sscanf(name, form.pattern, &rgb[0], &rgb[1], &rgb[2], &ignored) ==
               form.fields;
    }
    return false;
}

bool findTableName(const char* name, unsigned int rgb[3])
{
    if (std::strlen(name) > kLongestName)
        return false;
    char upper[kLongestName + 1];
    size_t i = 0;
    for (; name[i] != '\0'; ++i)
        upper[i] = name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A')
                                                    : name[i];
    upper[i] = '\0';
    for (const TQDwinColorName* row = TQDwinColorNames; row->name != nullptr; ++row) {
        if (row->name[0] == upper[0] && std::strcmp(row->name, upper) == 0) {
            rgb[0] = static_cast<unsigned int>(row->red);
            rgb[1] = static_cast<unsigned int>(row->green);
            rgb[2] = static_cast<unsigned int>(row->blue);
            return true;
        }
    }
    return false;
}

} // namespace

TQDwinColor::TQDwinColor() = default;

TQDwinColor::~TQDwinColor()
{
    destroy();
}

long TQDwinColor::initialize()
{
    const char* name = getSrc();
    unsigned int rgb[3] = {0, 0, 0};
    bool found = name[0] == '#' ? readHashName(name, rgb) : findTableName(name, rgb);
    if (!found)
        rgb[0] = rgb[1] = rgb[2] = 0;
    unsigned long reference =
        kReferenceFlag | (rgb[2] & 0xFF) << 16 | (rgb[1] & 0xFF) << 8 | (rgb[0] & 0xFF);
    setValue1(static_cast<long>(reference));
    return 0;
}

long TQDwinColor::destroy()
{
    return 0;
}

long TQDwinColor::getRGB(long* red, long* green, long* blue)
{
    unsigned long reference = static_cast<unsigned long>(getValue1());
    *red = static_cast<long>(reference & 0xFF);
    *green = static_cast<long>(reference >> 8 & 0xFF);
    *blue = static_cast<long>(reference >> 16 & 0xFF);
    return 0;
}

TQDcolor* _win_color_create_handler()
{
    return new TQDwinColor;
}

void _win_color_init()
{
    TQGIappColorSet()->setCreateHandler(_win_color_create_handler);
    TQGFinitWinFileSystem();
    TQGFinitializeWinFile();
}
