// A fresh folder for a test's files, removed with everything in it when
// the test is done.
#ifndef TEMPDIR_H
#define TEMPDIR_H

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // The path of a file inside the folder.
    std::string file(const std::string& name) const;
    // Removes the folders of every TempDir still alive: a process that ends
    // with _Exit runs no destructor.
    static void removeLiveFolders();

private:
    std::string path_;
};

#endif
