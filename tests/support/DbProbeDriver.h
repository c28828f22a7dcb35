// A database driver of the tests, registered in the program by name: it
// notes what the front end asks of it and answers the rows a test scripts,
// so that the statements the front end builds and the order of its calls
// can be seen.
#ifndef DBPROBEDRIVER_H
#define DBPROBEDRIVER_H

#include <string>
#include <vector>

struct DbProbeScript {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    // When set, every column length answers it instead of the true one.
    bool forceLength = false;
    long forcedLength = 0;
    // "open <dbname> <port>", "exec <sql>", "record open <sql> <a> <b>",
    // "record close", "record delete", "database close", "database delete".
    std::vector<std::string> log;
    long databasesMade = 0;
};

// The script every probe object reads; resetDbProbe() empties it.
DbProbeScript& dbProbe();
void resetDbProbe();

// Registers the probe's two handlers under driverName, or withdraws them.
void registerDbProbe(const char* driverName);
void withdrawDbProbe(const char* driverName);

#endif
