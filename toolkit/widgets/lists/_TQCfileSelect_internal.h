// Text rules of the file selection dialog, shared by its source files and
// by none outside them: separators, blanks, the "." forms of a directory,
// going up one level, network host names and the file mask.
#ifndef _TQCFILESELECT_INTERNAL_H
#define _TQCFILESELECT_INTERNAL_H

#include <cstddef>
#include <string>
#include <vector>

class TQCbase;

namespace tqfileselect {

// Longest working directory, and longest "." form expanded, with the
// terminator.
const size_t kDirBufferSize = 2048;

// The labelString of a label or field; "" for none.
std::string labelText(TQCbase* part);
// Every "\" made "/".
std::string forwardSlashes(std::string text);
// Blanks (spaces, tabs, line feeds, returns) removed from the chosen ends.
std::string trimBlanks(const std::string& text, bool leading = true, bool trailing = true);
// A directory as typed, with the "." forms expanded against the working
// directory cwd: ".." and what follows goes after cwd and "/", any other
// text beginning with "." replaces its dot by cwd; other texts stay. Cut
// to kDirBufferSize - 1 characters; "/" separators.
std::string expandDirName(const std::string& text, const std::string& cwd);
// One level up: a trailing "/" is dropped, then the last "/" and what
// follows it ("C:/wav/x" gives "C:/wav", "C:" gives "").
std::string parentDirectory(std::string text);
// "//" followed by one name without a further "/".
bool isNetworkHost(const std::string& text);
// The patterns of a mask: each comma-separated field, without blanks at
// its ends, with a dot put before it; empty fields give none.
std::vector<std::string> maskPatterns(const char* mask);
// A name passes when there are no patterns, or when for some pattern it
// contains the pattern as typed or in capitals, and not the pattern as
// typed followed by ".".
bool passesMask(const char* name, const std::vector<std::string>& patterns);
// The chosen path written into buf of size bytes, cut to fit: file alone
// for an empty dir, dir alone when selectDir, else dir "/" file.
void composeFileName(char* buf, size_t size, const std::string& dir, const std::string& file,
                     bool selectDir);

} // namespace tqfileselect

#endif
