// A file's bytes read and written whole, in binary mode.
#ifndef FILEBYTES_H
#define FILEBYTES_H

#include <fstream>
#include <iterator>
#include <string>

inline std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool fileExists(const std::string& path)
{
    return std::ifstream(path).good();
}

#endif
