// Whole text files. Paths given to the reading and replacing functions may
// hold environment references such as "$(HOME)/.tqrc". Contents are read and
// written byte for byte: the runtime's text mode would turn each line feed
// written into CR LF and end a read at the first 0x1A byte.
#include "_TQGFfile.h"

#include "_TQCstring.h"
#include "_TQDenv.h"
#include "_TQDfileSystem.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Names go through the file system's adjustment, which expands environment
// references. Until a platform file system is installed the references are
// expanded here, so that names such as "$(HOME)/.tqrc" still resolve.
std::string adjustPath(const char* path)
{
    if (path == nullptr)
        return std::string();
    std::string name(path);
    if (TQDfileSystem* fileSystem = TQGIappFileSystem()) {
        const char* adjusted = fileSystem->adjustFileName(&name[0]);
        return adjusted != nullptr ? std::string(adjusted) : std::string();
    }
    if (TQDenv* environment = TQGIappEnvironment())
        return environment->getPlaneString(path);
    return name;
}

// The platform file system's rename replaces an existing target; without
// that a second backup could never be made, so the fallback does the same.
long renameReplacing(const char* from, const char* to)
{
    std::string source(from);
    std::string target(to);
    if (TQDfileSystem* fileSystem = TQGIappFileSystem())
        return fileSystem->rename(&source[0], &target[0]);
    std::remove(to);
    return std::rename(from, to) == 0 ? 0 : -1;
}

bool readWholeFile(const char* path, std::string& content)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, n);
    std::fclose(file);
    return true;
}

long writeWholeFile(const char* path, const void* data, long size)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::printf("ERROR TQGFreplaceFile()  cannot open filename %s\n", path);
        return -1;
    }
    size_t count = static_cast<size_t>(size);
    bool written = count == 0 || std::fwrite(data, 1, count, file) == count;
    // A full disk shows at the latest when the buffer is flushed.
    bool closed = std::fclose(file) == 0;
    return written && closed ? 0 : -1;
}

} // namespace

TQCbool TQGFcheckExistFile(const char* path)
{
    if (path == nullptr)
        return 0;
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return 0;
    std::fclose(file);
    return 1;
}

long TQGFcheckDiffFile(const char* path, const void* data, long size)
{
    std::string content;
    if (path == nullptr || size < 0 || !readWholeFile(path, content))
        return 1;
    if (content.size() != static_cast<size_t>(size))
        return 1;
    if (size > 0 && std::memcmp(content.data(), data, content.size()) != 0)
        return 1;
    return 0;
}

long TQGFcheckDiffTextFile(const char* path, const char* text)
{
    if (text == nullptr)
        text = "";
    return TQGFcheckDiffFile(path, text, static_cast<long>(std::strlen(text)));
}

long TQGFreplaceFile(const char* path, const void* data, long size, unsigned char force)
{
    if (path == nullptr || size < 0 || (data == nullptr && size > 0))
        return -1;
    std::string target = adjustPath(path);
    if (TQGFcheckExistFile(target.c_str())) {
        if (!force && TQGFcheckDiffFile(target.c_str(), data, size) == 0)
            return 0;
        std::string backup = target + ".bak";
        if (renameReplacing(target.c_str(), backup.c_str()) != 0) {
            std::printf("ERROR TQGFreplaceFile()  cannot rename filename %s\n", target.c_str());
            return -1;
        }
    }
    return writeWholeFile(target.c_str(), data, size);
}

long TQGFreplaceTextFile(const char* path, const char* text, unsigned char force)
{
    if (text == nullptr)
        text = "";
    return TQGFreplaceFile(path, text, static_cast<long>(std::strlen(text)), force);
}

TQCstring* TQGFreadTextFile(const char* path, long encoding)
{
    if (path == nullptr)
        return nullptr;
    std::string content;
    if (!readWholeFile(adjustPath(path).c_str(), content))
        return nullptr;
    TQCstring* text = new TQCstring;
    text->setStringEx(content.c_str(), static_cast<long>(content.size()), encoding);
    return text;
}

namespace {

// The line of text that starts at begin, without its line end; begin moves
// to the start of the next line.
std::string takeLine(const std::string& text, size_t& begin)
{
    size_t end = text.find('\n', begin);
    size_t stop = end == std::string::npos ? text.size() : end;
    std::string line = text.substr(begin, stop - begin);
    begin = end == std::string::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

// The key is looked for in the text's own encoding.
long TQGFreadInitString(TQCstring* text, const char* key, TQCstring* value, TQCstring* next)
{
    long encoding = text != nullptr ? text->getEncoding() : -2;
    if (value != nullptr)
        value->setString("", encoding);
    if (next != nullptr)
        next->setString("", encoding);
    if (text == nullptr || key == nullptr)
        return 0;
    const std::string all = text->getString(encoding);
    size_t begin = 0;
    while (begin < all.size()) {
        std::string line = takeLine(all, begin);
        size_t at = line.find(key);
        if (at == std::string::npos)
            continue;
        if (value != nullptr)
            value->setString(trimmed(line.substr(at + std::strlen(key))).c_str(), encoding);
        if (next != nullptr && begin < all.size())
            next->setString(takeLine(all, begin).c_str(), encoding);
        return 1;
    }
    return 0;
}
