// The memory serialiser's byte stream and transactions, and the socket
// serialiser without a socket; both are made from their registered
// prototypes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ByteStreamSerialize.h"
#include "FakeCodeConvert.h"
#include "_TQCconductor.h"
#include "_TQDmemSerialize.h"
#include "_TQDsocketSerialize.h"

namespace {

std::string bytesOf(TQDmemSerialize& s)
{
    return std::string(s.getData(), static_cast<size_t>(s.getDataSize()));
}

// A fresh memory serialiser holding a copy of bytes.
std::unique_ptr<TQDmemSerialize> holding(const std::string& bytes)
{
    auto* s = static_cast<TQDmemSerialize*>(
        TQGIconductor()->getNewSerialize("MEM")->cast("TQDmemSerialize"));
    char* copy = new char[bytes.size()];
    std::memcpy(copy, bytes.data(), bytes.size());
    s->setData(copy, static_cast<long>(bytes.size()));
    return std::unique_ptr<TQDmemSerialize>(s);
}

class MemSerialize : public ::testing::Test {
protected:
    void SetUp() override { FakeCodeConvert::install(); }
};

} // namespace

TEST_F(MemSerialize, StreamKeepsItsPositionWithinTheBytesHeld)
{
    TQDmemSerialize s;
    char buffer[16];
    EXPECT_EQ(0, s._size() + s._tell() + s._read(buffer, 10) + s._eof());
    EXPECT_EQ(nullptr, s.getData());

    EXPECT_EQ(3, s._write("abc", 3));
    EXPECT_EQ(2, s._write("de", 2));
    EXPECT_EQ(5, s._size());
    EXPECT_EQ(5, s._tell());
    EXPECT_NE(0, s._eof());
    s._seek(10);
    EXPECT_EQ(5, s._tell()) << "a seek stops at the end";
    s._seek(-3);
    EXPECT_EQ(0, s._tell()) << "a negative seek goes to the start";
    EXPECT_EQ(0, s._eof());
    s._seek(4);
    EXPECT_EQ(0, s._seek_set());
    EXPECT_EQ(5, s._read(buffer, 10));
    EXPECT_EQ("abcde", std::string(buffer, 5));
    EXPECT_EQ(0, s._read(buffer, 10));

    // Writes across the end grow the bytes exactly; a null source writes
    // zeros, never whatever the heap held.
    s._seek(3);
    EXPECT_EQ(4, s._write("XYZW", 4));
    s._seek(1);
    EXPECT_EQ(2, s._write(nullptr, 2));
    s._seek_end();
    EXPECT_EQ(3, s._write(nullptr, 3));
    EXPECT_EQ(0, s._write("x", 0));
    EXPECT_EQ(std::string("a\0\0XYZW\0\0\0", 10), bytesOf(s));

    for (const char* other : {"mem", "MEMORY", "ME", "SOCKET"})
        EXPECT_EQ(0, s.type(other)) << other;
    EXPECT_EQ(1, s.type("MEM"));
}

TEST_F(MemSerialize, TransactionIsCountThenRecordsAndReadsBackThroughSetData)
{
    auto s = holding("");
    ASSERT_EQ(0, s->beginTransaction("call", 2));
    long a = 1, b = 2;
    s->save("#lng", "a", &a);
    s->save("#lng", "b", &b);
    ASSERT_EQ(0, s->endTransaction());
    const std::string both =
        stream(2, valueRecord("a", 3, be32(1)) + valueRecord("b", 3, be32(2)));
    EXPECT_EQ(both, bytesOf(*s));

    auto fresh = holding(both);
    ASSERT_EQ(0, fresh->beginTransaction("call", 0));
    long loaded = 0;
    EXPECT_EQ(0, fresh->load("#lng", "b", &loaded));
    EXPECT_EQ(2, loaded);
    char* kept = fresh->getData();
    EXPECT_EQ(0, fresh->endTransaction()) << "nothing saved";
    EXPECT_EQ(kept, fresh->getData());
    EXPECT_EQ(both, bytesOf(*fresh));

    // A shorter transaction leaves the older bytes beyond its end.
    ASSERT_EQ(0, fresh->beginTransaction("call", 2));
    fresh->save("#lng", "a", &b);
    ASSERT_EQ(0, fresh->endTransaction());
    EXPECT_EQ(static_cast<long>(both.size()), fresh->getDataSize());

    // More than 0x8000 records would read back as none: refused.
    std::string records;
    for (unsigned long i = 0; i < 0x8000; ++i)
        records += valueRecord("r" + std::to_string(i), 3, be32(i));
    const std::string full = stream(0x8000, records);
    auto crowded = holding(full);
    ASSERT_EQ(0, crowded->beginTransaction("call", 2));
    crowded->save("#lng", "one-more", &a);
    EXPECT_EQ(-1, crowded->endTransaction());
    EXPECT_EQ(full, bytesOf(*crowded));
}

TEST_F(MemSerialize, SocketSerialiserWithoutSocketMovesNothing)
{
    std::unique_ptr<TQDserialize> s(TQGIconductor()->getNewSerialize("SOCKET"));
    ASSERT_NE(nullptr, s->cast("TQDsocketSerialize"));
    EXPECT_EQ(1, s->type("SOCKET"));
    EXPECT_EQ(0, s->type("socket"));
    char buffer[8] = {};
    EXPECT_EQ(0, s->_read(buffer, 8));
    EXPECT_EQ(0, s->_write(buffer, 8));
    EXPECT_EQ(0, s->_tell() + s->_size() + s->_seek(5) + s->_eof());
    ASSERT_EQ(0, s->beginTransaction("call", 2)) << "begins empty, reading no count";
    long v = 7;
    EXPECT_EQ(0, s->save("#lng", "v", &v)) << "no byte of the record goes anywhere";
    EXPECT_EQ(10, s->load("#lng", "v", &v)) << "and no record comes";
    EXPECT_EQ(0, s->endTransaction());
}
