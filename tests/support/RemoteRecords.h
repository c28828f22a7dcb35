// Remote-call records by hand, for tests: the bytes of call headers and
// argument records, and a reader of records.
#ifndef REMOTERECORDS_H
#define REMOTERECORDS_H

#include <string>
#include <vector>

// "#str", "#chr", "#sht" and "#lng" records, a call header, a directory
// record.
std::string wireText(const std::string& name, const std::string& text);
std::string wireFlag(const std::string& name, unsigned char value);
std::string wireShort(const std::string& name, short value);
std::string wireLong(const std::string& name, long value);
std::string wireCall(const std::string& className, const std::string& instanceName,
                     const std::string& operation, const std::string& recordName = "call1");
std::string wireInstance(const std::string& name, const std::string& publicName,
                         const std::string& instanceName, const std::string& className,
                         const std::string& address, unsigned short port);

struct WireRecord {
    std::string name;
    std::string data;
    std::vector<WireRecord> children;
    // The text of child childName; "" when there is none.
    std::string text(const std::string& childName) const;
};
// The complete records at the start of bytes, in order.
std::vector<WireRecord> wireRecords(const std::string& bytes);

#endif
