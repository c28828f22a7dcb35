#include "SqliteDatabaseFile.h"

#include "_TQCvdb.h"

#include <fstream>

std::string useNewSqliteFile(TQCvdb& database, const TempDir& dir, const char* name)
{
    std::string path = dir.file(name);
    std::ofstream(path, std::ios::binary);
    database.setPropertyV(_TQNtype(), static_cast<unsigned char>(3));
    database.setPropertyV(_TQNdbname(), path.c_str());
    return path;
}
