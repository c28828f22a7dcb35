// Remote-call records by hand.
#include "RemoteRecords.h"

#include "ByteStreamSerialize.h"

namespace {

unsigned long readBe32(const std::string& bytes, size_t at)
{
    unsigned long value = 0;
    for (size_t i = at; i < at + 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

// One record at `at`: false while it is incomplete.
bool parseRecord(const std::string& bytes, size_t& at, WireRecord& record)
{
    size_t p = at;
    auto have = [&](size_t n) { return p + n <= bytes.size(); };
    if (!have(1) || !have(3 + static_cast<unsigned char>(bytes[p])))
        return false;
    size_t nameLength = static_cast<unsigned char>(bytes[p]);
    record.name = bytes.substr(p + 1, nameLength);
    p += 1 + nameLength;
    bool structure = bytes[p] == 0;
    p += 2 + (structure ? static_cast<unsigned char>(bytes[p + 1]) : 0);
    if (!have(4))
        return false;
    unsigned long size = readBe32(bytes, p);
    p += 4;
    if (!structure) {
        if (!have(size))
            return false;
        record.data = bytes.substr(p, size);
        at = p + size;
        return true;
    }
    for (unsigned long i = 0; i < (size > 32768 ? 0 : size); ++i) {
        record.children.emplace_back();
        if (!parseRecord(bytes, p, record.children.back()))
            return false;
    }
    at = p;
    return true;
}

} // namespace

std::string wireText(const std::string& name, const std::string& text)
{
    return valueRecord(name, 5, text + std::string(1, '\0'));
}

std::string wireFlag(const std::string& name, unsigned char value)
{
    return valueRecord(name, 4, std::string(1, static_cast<char>(value)));
}

std::string wireShort(const std::string& name, short value)
{
    return valueRecord(name, 2, be16(static_cast<uint16_t>(value)));
}

std::string wireLong(const std::string& name, long value)
{
    return valueRecord(name, 3, be32(static_cast<uint32_t>(value)));
}

std::string wireCall(const std::string& className, const std::string& instanceName,
                     const std::string& operation, const std::string& recordName)
{
    return structRecord(recordName, "TQCremoteCall", 3,
                        wireText(">cl", className) + wireText(">in", instanceName) +
                            wireText(">op", operation));
}

std::string wireInstance(const std::string& name, const std::string& publicName,
                         const std::string& instanceName, const std::string& className,
                         const std::string& address, unsigned short port)
{
    return structRecord(name, "TQCremoteInstanceData", 5,
                        wireText(">pn", publicName) + wireText(">in", instanceName) +
                            wireText(">cl", className) + wireText(">ad", address) +
                            wireShort(">pt", static_cast<short>(port)));
}

std::string WireRecord::text(const std::string& childName) const
{
    for (const WireRecord& child : children) {
        if (child.name == childName)
            return child.data.substr(0, child.data.find('\0'));
    }
    return "";
}

std::vector<WireRecord> wireRecords(const std::string& bytes)
{
    std::vector<WireRecord> records(1);
    size_t at = 0;
    while (parseRecord(bytes, at, records.back()))
        records.emplace_back();
    records.pop_back();
    return records;
}
