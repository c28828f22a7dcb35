// A database object on the real SQLite driver over a new, empty database
// file in a test's folder: SQLite takes an empty file as a new database.
#ifndef SQLITEDATABASEFILE_H
#define SQLITEDATABASEFILE_H

#include "TempDir.h"

#include <string>

class TQCvdb;

// The file's path; the object gets type 3 (SQLite) and the path as dbname.
std::string useNewSqliteFile(TQCvdb& database, const TempDir& dir, const char* name = "t.db");

#endif
