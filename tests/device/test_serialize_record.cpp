// The record format: exact bytes written, what the reader accepts, and how
// it refuses short, forged and too deeply nested input.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ByteStreamSerialize.h"
#include "_TQCserializeData.h"

namespace {

std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty())
            out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string written(TQCserializeData& record)
{
    ByteStreamSerialize s;
    record.write(&s);
    return s.bytes;
}

template <class T>
std::string valueBytes(const char* type, const T* values, long n)
{
    TQCserializeData record;
    record.setName("v");
    record.setValue(type, values, n);
    // Skip the name, kind and type-name length: the data size and data.
    return written(record).substr(4);
}

// Reads one record from bytes; the record stays for inspection.
long readFrom(const std::string& bytes, TQCserializeData& record, ByteStreamSerialize* s = nullptr)
{
    ByteStreamSerialize local(bytes);
    return record.read(s != nullptr ? s : &local);
}

std::string nested(int depth)
{
    std::string r = valueRecord("x", TQCserializeData::KIND_LONG, be32(7));
    for (int i = 1; i < depth; ++i)
        r = structRecord("s", "T", 1, r);
    return r;
}

} // namespace

TEST(SerializeRecord, ValueRecordsHaveNameKindAndBigEndianData)
{
    TQCserializeData record;
    record.setName("a");
    long one = 1;
    record.setValue("#lng", &one, 1);
    EXPECT_EQ("01 61 03 00 00 00 00 04 00 00 00 01", hex(written(record)));
    EXPECT_EQ(12, record.size());

    EXPECT_EQ("00 00 00 04 61 62 63 00", hex(valueBytes("#str", "abc", 99)));
    float f = 1.0f;
    EXPECT_EQ("00 00 00 04 3F 80 00 00", hex(valueBytes("#flt", &f, 1)));
    double d = 1.0;
    EXPECT_EQ("00 00 00 08 3F F0 00 00 00 00 00 00", hex(valueBytes("#dbl", &d, 1)));
    short shorts[2] = { -2, 0x1234 };
    EXPECT_EQ("00 00 00 04 FF FE 12 34", hex(valueBytes("#sht", shorts, 2)));
    int ints[2] = { -1, 0x01020304 };
    EXPECT_EQ("00 00 00 08 FF FF FF FF 01 02 03 04", hex(valueBytes("#int", ints, 2)));
    EXPECT_EQ("00 00 00 03 0D 0A 1A", hex(valueBytes("#chr", "\r\n\x1a", 3)));
}

TEST(SerializeRecord, StructureRecordsCarryTypeNameAndChildren)
{
    TQCserializeData w;
    w.setName("w");
    w.makeStructure("T");
    EXPECT_EQ("01 77 00 01 54 00 00 00 00", hex(written(w)));

    auto* child = new TQCserializeData;
    child->setName("c");
    char c = 'z';
    child->setValue("#chr", &c, 1);
    w.getChildren()->add(child);
    std::string bytes = written(w);
    EXPECT_EQ("01 77 00 01 54 00 00 00 01 01 63 04 00 00 00 00 01 7A", hex(bytes));
    EXPECT_EQ(static_cast<long>(bytes.size()), w.size());

    TQCserializeData back;
    EXPECT_EQ(4, readFrom(bytes, back));
    EXPECT_STREQ("w", back.getName());
    EXPECT_STREQ("T", back.getTypeName());
    ASSERT_EQ(1, back.getChildren()->getNum());
    auto* readChild = static_cast<TQCserializeData*>(back.getChildren()->getData(0));
    EXPECT_EQ(TQCserializeData::KIND_CHAR, readChild->getKind());
    EXPECT_EQ(nullptr, readChild->getTypeName());
    EXPECT_STREQ("#chr", readChild->getStoredType());
}

TEST(SerializeRecord, ReaderResultsFollowTheRecordKind)
{
    TQCserializeData record;
    EXPECT_EQ(4, readFrom(structRecord("w", "T", 0), record));
    EXPECT_EQ(0, record.getChildren()->getNum());
    EXPECT_EQ(4, readFrom(valueRecord("s", TQCserializeData::KIND_STRING, std::string("abc", 4)), record));

    // A type-name length on a value record is not followed by type bytes.
    std::string odd = valueRecord("v", TQCserializeData::KIND_CHAR, "xyz");
    odd[3] = 9;
    EXPECT_EQ(3, readFrom(odd, record));
    EXPECT_EQ(nullptr, record.getTypeName());
}

TEST(SerializeRecord, ChildCountAbove0x8000ReadsAsEmptyStructure)
{
    TQCserializeData record;
    std::string child = valueRecord("c", TQCserializeData::KIND_LONG, be32(1));
    ByteStreamSerialize s(structRecord("w", "T", 0x8001, child));
    EXPECT_EQ(4, record.read(&s));
    EXPECT_EQ(0, record.getChildren()->getNum());
    // The child stays unread in the stream.
    EXPECT_EQ(static_cast<long>(s.bytes.size() - child.size()), s.pos);
}

TEST(SerializeRecord, ShortOrEmptyInputFailsTheRead)
{
    TQCserializeData record;
    EXPECT_EQ(0, readFrom("", record));
    EXPECT_EQ(nullptr, record.getName());

    EXPECT_EQ(0, readFrom("\x03", record));
    ASSERT_NE(nullptr, record.getName());
    EXPECT_STREQ("", record.getName());

    // A name length of 0 is an empty name, and the read goes on.
    EXPECT_EQ(4, readFrom(valueRecord("", TQCserializeData::KIND_LONG, be32(9)), record));
    EXPECT_STREQ("", record.getName());

    // A value of no bytes counts as a failed read.
    EXPECT_EQ(0, readFrom(valueRecord("z", TQCserializeData::KIND_CHAR, ""), record));
}

TEST(SerializeRecord, EveryTruncationOfAValidRecordFails)
{
    std::string full = structRecord("window", "TestShape", 3,
                                    valueRecord(">id", 3, be32(5))
                                        + valueRecord(">label", 5, std::string("a long label text", 18))
                                        + structRecord("part", "TestCircle", 1,
                                                       valueRecord(">r", 6, std::string(8, '\x40'))));
    TQCserializeData whole;
    ASSERT_EQ(4, readFrom(full, whole));
    for (size_t cut = 0; cut < full.size(); ++cut) {
        TQCserializeData record;
        EXPECT_EQ(0, readFrom(full.substr(0, cut), record)) << "cut at " << cut;
    }
}

TEST(SerializeRecord, ForgedDataSizeAllocatesOnlyWhatArrives)
{
    TQCserializeData record;
    ByteStreamSerialize huge(std::string("\x01v\x04\x00", 4) + be32(0x7FFFFFFF) + "only a few bytes");
    EXPECT_EQ(0, record.read(&huge));
    EXPECT_LE(huge.largestRead, 64 * 1024);
    EXPECT_EQ(0, record.getDataSize());

    ByteStreamSerialize negative(std::string("\x01v\x04\x00", 4) + be32(0x80000000u) + "x");
    EXPECT_EQ(0, record.read(&negative));

    // A large value that is really there reads whole, block by block.
    std::string big(300000, '\x5A');
    ByteStreamSerialize present(valueRecord("b", TQCserializeData::KIND_CHAR, big));
    EXPECT_EQ(300000, record.read(&present));
    EXPECT_EQ(0, std::memcmp(record.getData(), big.data(), big.size()));
}

TEST(SerializeRecord, NestingDeeperThanTheCapIsRefused)
{
    TQCserializeData record;
    EXPECT_EQ(4, readFrom(nested(TQCserializeData::MAX_NESTING), record));
    EXPECT_EQ(0, readFrom(nested(TQCserializeData::MAX_NESTING + 1), record));
    EXPECT_EQ(0, readFrom(nested(5000), record));
}

TEST(SerializeRecord, LongNamesAreCutConsistently)
{
    std::string longName(300, 'n');
    std::string longType(400, 't');
    TQCserializeData record;
    record.setName(longName.c_str());
    record.makeStructure(longType.c_str());
    EXPECT_EQ(255u, std::strlen(record.getName()));
    EXPECT_TRUE(record.hasName(longName.c_str()));
    EXPECT_TRUE(record.hasName(longName.substr(0, 255).c_str()));
    EXPECT_FALSE(record.hasName(longName.substr(0, 254).c_str()));

    std::string bytes = written(record);
    EXPECT_EQ(1 + 255 + 1 + 1 + 255 + 4u, bytes.size());
    EXPECT_EQ(0xFF, static_cast<unsigned char>(bytes[0]));
    TQCserializeData back;
    EXPECT_EQ(4, readFrom(bytes, back));
    EXPECT_EQ(longName.substr(0, 255), back.getName());
    EXPECT_EQ(longType.substr(0, 255), back.getTypeName());
}

TEST(SerializeRecord, ValueReaderIsBoundedByTheStoredData)
{
    TQCserializeData record;
    long pair[2] = { 7, -8 };
    record.setValue("#lng", pair, 2);
    long out[4] = { 0, 0, 99, 99 };
    EXPECT_EQ(2, record.getValue("#lng", out, 4));
    EXPECT_EQ(7, out[0]);
    EXPECT_EQ(-8, out[1]);
    EXPECT_EQ(99, out[2]);

    // A stored string without its NUL is copied to its end and terminated.
    ASSERT_EQ(3, readFrom(valueRecord("s", TQCserializeData::KIND_STRING, "abc"), record));
    char text[8];
    std::memset(text, 'x', sizeof text);
    record.getValue("#str", text, 1);
    EXPECT_STREQ("abc", text);

    // The requested type decides the decoding, not the stored kind.
    short s = 0;
    EXPECT_EQ(1, record.getValue("#sht", &s, 1));
    EXPECT_EQ(0x6162, s);
    EXPECT_EQ(0, record.getValue("#xyz", text, 1));
}

TEST(SerializeRecord, RoundTripOfEveryValueKind)
{
    TQCserializeData record;
    record.setName("root");
    record.makeStructure("T");
    int i = -123456;
    short sh = -2;
    long l = 0x7FFFFFFF;
    const char* str = "text with \xff and \r\n";
    double d = -2.5e300;
    float f = 3.25f;
    const void* sources[] = { &i, &sh, &l, "\x1a", str, &d, &f };
    for (int kind = 1; kind <= 7; ++kind) {
        auto* child = new TQCserializeData;
        child->setName(TQCserializeData::typeOfKind(kind));
        child->setValue(TQCserializeData::typeOfKind(kind), sources[kind - 1], 1);
        record.getChildren()->add(child);
    }
    TQCserializeData back;
    ASSERT_EQ(4, readFrom(written(record), back));
    ASSERT_EQ(7, back.getChildren()->getNum());
    auto child = [&](int k) { return static_cast<TQCserializeData*>(back.getChildren()->getData(k - 1)); };

    int i2 = 0;
    short sh2 = 0;
    long l2 = 0;
    char c2 = 0;
    char str2[64];
    double d2 = 0;
    float f2 = 0;
    child(1)->getValue("#int", &i2, 1);
    child(2)->getValue("#sht", &sh2, 1);
    child(3)->getValue("#lng", &l2, 1);
    child(4)->getValue("#chr", &c2, 1);
    child(5)->getValue("#str", str2, 1);
    child(6)->getValue("#dbl", &d2, 1);
    child(7)->getValue("#flt", &f2, 1);
    EXPECT_EQ(i, i2);
    EXPECT_EQ(sh, sh2);
    EXPECT_EQ(l, l2);
    EXPECT_EQ('\x1a', c2);
    EXPECT_STREQ(str, str2);
    EXPECT_EQ(d, d2);
    EXPECT_EQ(f, f2);
}
