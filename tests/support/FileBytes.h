// A file's bytes read and written whole, in binary mode. The path is a
// narrow name or a std::filesystem::path, which also carries a name beyond
// the ANSI code page.
#ifndef FILEBYTES_H
#define FILEBYTES_H

#include <fstream>
#include <iterator>
#include <string>

template <typename Path> std::string readFileBytes(const Path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

template <typename Path> void writeFileBytes(const Path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <typename Path> bool fileExists(const Path& path)
{
    return std::ifstream(path).good();
}

#endif
