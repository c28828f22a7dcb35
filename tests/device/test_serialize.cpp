// The serialiser's common part over an in-memory stream: saving and loading
// values and structures by name, searching, transactions and stream mode;
// the conductor's registries; and the whole reader against corrupted input.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "ByteStreamSerialize.h"
#include "TestTypeServers.h"
#include "_TQCconductor.h"
#include "_TQCserializeData.h"

namespace {

class Serialize : public ::testing::Test {
protected:
    void SetUp() override { registerTestTypes(); }

    // Saves through one transaction on the stream and returns its bytes.
    template <class Fn>
    std::string saved(Fn fill, const std::string& before = std::string())
    {
        ByteStreamSerialize s(before);
        EXPECT_EQ(0, s.beginTransaction("t", 2));
        fill(s);
        EXPECT_EQ(0, s.endTransaction());
        return s.bytes;
    }
};

TestShape* sampleShape()
{
    auto* shape = new TestShape;
    shape->name = "top";
    shape->id = 42;
    shape->label = "the top";
    auto* circle = new TestCircle;
    circle->name = "c1";
    circle->id = 1;
    circle->radius = 2.5;
    auto* badge = new TestBadge;
    badge->name = "b1";
    badge->id = 3;
    badge->label = "badge";
    shape->parts = { circle, badge };
    return shape;
}

} // namespace

TEST_F(Serialize, SavingANameTwiceKeepsOneRecordWithTheSecondValue)
{
    std::string bytes = saved([](ByteStreamSerialize& s) {
        long first = 1, second = 2;
        s.save("#lng", "n", &first);
        s.save("#lng", "n", &second);
    });
    EXPECT_EQ(stream(1, valueRecord("n", 3, be32(2))), bytes);
}

// A type name handed out by a search belongs to the record; saving under it
// again must not free it before it is read.
TEST_F(Serialize, SavingAgainUnderTheTypeNameASearchHandedOutKeepsIt)
{
    const char* type = "AStructureTypeWithoutAServer";
    std::string bytes = saved([&](ByteStreamSerialize& s) {
        s.save(type, "w", nullptr);
        char** types = nullptr;
        char** names = nullptr;
        long count = 0;
        ASSERT_EQ(0, s.searchInstance(type, 0, &types, &names, &count));
        s.save(types[0], names[0], nullptr);
        delete[] types;
        delete[] names;
    });
    EXPECT_EQ(stream(1, structRecord("w", type, 0)), bytes);
}

TEST_F(Serialize, StructureFieldsFollowTheParentChainRootFirst)
{
    TestCircle circle;
    circle.id = 9;
    circle.label = "L";
    circle.radius = 1.0;
    std::string bytes = saved([&](ByteStreamSerialize& s) { s.save("TestCircle", "c", &circle); });
    std::string fields = valueRecord(">id", 3, be32(9)) + valueRecord(">label", 5, std::string("L", 2))
                         + valueRecord(">r", 6, std::string("\x3F\xF0\0\0\0\0\0\0", 8));
    EXPECT_EQ(stream(1, structRecord("c", "TestCircle", 3, fields)), bytes);
}

TEST_F(Serialize, TreeRoundTripCreatesEachPartWithItsOwnTypeAndParent)
{
    std::unique_ptr<TestShape> shape(sampleShape());
    std::string bytes = saved([&](ByteStreamSerialize& s) { s.save("TestShape", "top", shape.get()); });

    ByteStreamSerialize s(bytes);
    ASSERT_EQ(0, s.beginTransaction("t", 0));
    int marker = 0;
    void* out = nullptr;
    ASSERT_EQ(0, s.loadAlloc("TestShape", "*", &out, &marker));
    std::unique_ptr<TestShape> back(static_cast<TestShape*>(out));
    EXPECT_EQ(&marker, back->createdWith);
    EXPECT_EQ(42, back->id);
    EXPECT_EQ("the top", back->label);
    ASSERT_EQ(2u, back->parts.size());
    auto* circle = dynamic_cast<TestCircle*>(back->parts[0]);
    ASSERT_NE(nullptr, circle);
    EXPECT_EQ(back.get(), circle->createdWith);
    EXPECT_EQ("c1", circle->name);
    EXPECT_EQ(2.5, circle->radius);
    auto* badge = dynamic_cast<TestBadge*>(back->parts[1]);
    ASSERT_NE(nullptr, badge);
    EXPECT_EQ("badge", badge->label);
    EXPECT_EQ(0, s.endTransaction());
    EXPECT_EQ(bytes, s.bytes);
}

TEST_F(Serialize, LoadByNameAndAnyName)
{
    std::string bytes = stream(2, valueRecord("first", 5, std::string("one", 4))
                                      + valueRecord("second", 5, std::string("two", 4)));
    ByteStreamSerialize s(bytes);
    ASSERT_EQ(0, s.beginTransaction("t", 0));
    char text[16] = "";
    EXPECT_EQ(0, s.load("#str", "*", text));
    EXPECT_STREQ("one", text);
    EXPECT_EQ(0, s.load("#str", "second", text));
    EXPECT_STREQ("two", text);
    EXPECT_EQ(10, s.load("#str", "third", text));
}

TEST_F(Serialize, RepeatedLoadDataOfOneNameWalksTheChildren)
{
    std::string children = valueRecord("a", 3, be32(11)) + valueRecord("a", 3, be32(22));
    ByteStreamSerialize s(stream(1, structRecord("p", "TestPair", 2, children)));
    ASSERT_EQ(0, s.beginTransaction("t", 0));
    void* out = nullptr;
    ASSERT_EQ(0, s.loadAlloc("TestPair", "p", &out, nullptr));
    std::unique_ptr<TestPair> pair(static_cast<TestPair*>(out));
    EXPECT_EQ(11, pair->first);
    EXPECT_EQ(22, pair->second);
}

TEST_F(Serialize, LoadAllocOfValues)
{
    ByteStreamSerialize s(stream(3, valueRecord("s", 5, std::string("str", 4)) + valueRecord("c", 4, "ABCDE")
                                        + valueRecord("u", 5, "no terminator")));
    ASSERT_EQ(0, s.beginTransaction("t", 0));
    void* out = &s;
    EXPECT_EQ(17, s.loadAlloc("#lng", "s", &out, nullptr));
    EXPECT_EQ(nullptr, out);

    ASSERT_EQ(0, s.loadAlloc("#chr", "c", &out, nullptr));
    EXPECT_EQ('A', *static_cast<char*>(out));
    delete[] static_cast<char*>(out);

    ASSERT_EQ(0, s.loadAlloc("#str", "u", &out, nullptr));
    EXPECT_STREQ("no terminator", static_cast<char*>(out));
    delete[] static_cast<char*>(out);

    EXPECT_EQ(10, s.loadAlloc("#str", "missing", &out, nullptr));
}

TEST_F(Serialize, LoadAllocAsAnAncestorOrRefusedAsAStranger)
{
    TestBadge badge;
    badge.id = 5;
    std::string bytes = saved([&](ByteStreamSerialize& s) { s.save("TestBadge", "b", &badge); });
    ByteStreamSerialize s(bytes);
    ASSERT_EQ(0, s.beginTransaction("t", 0));

    void* out = nullptr;
    ASSERT_EQ(0, s.loadAlloc("TestCircle", "b", &out, nullptr));
    std::unique_ptr<TestShape> asCircle(static_cast<TestShape*>(out));
    EXPECT_NE(nullptr, dynamic_cast<TestBadge*>(asCircle.get()));
    EXPECT_EQ(5, asCircle->id);

    int deletedBefore = testTypeDeletions();
    EXPECT_EQ(17, s.loadAlloc("TestOther", "b", &out, nullptr));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(deletedBefore, testTypeDeletions()) << "a stranger is refused before it is made";
}

TEST_F(Serialize, MissingTypeServersGiveCode12)
{
    int dummy = 0;
    std::string bytes = saved([&](ByteStreamSerialize& s) { EXPECT_EQ(0, s.save("NoSuchType", "x", &dummy)); });
    EXPECT_EQ(stream(1, structRecord("x", "NoSuchType", 0)), bytes);

    ByteStreamSerialize s(stream(2, bytes.substr(4) + structRecord("y", "", 0)));
    ASSERT_EQ(0, s.beginTransaction("t", 0));
    void* out = nullptr;
    EXPECT_EQ(12, s.loadAlloc("NoSuchType", "x", &out, nullptr));
    EXPECT_EQ(12, s.loadAlloc("TestShape", "y", &out, nullptr));
}

TEST_F(Serialize, SearchInstanceFindsDerivedTypesOnRequest)
{
    std::string children = structRecord("s1", "TestShape", 0) + valueRecord("v", 3, be32(1))
                           + structRecord("c1", "TestCircle", 0) + structRecord("o1", "TestOther", 0);
    std::string top = structRecord("top", "TestShape", 4, children);
    ByteStreamSerialize s(stream(3, top + structRecord("r", "TestRing", 0) + valueRecord("n", 3, be32(2))));
    ASSERT_EQ(0, s.beginTransaction("t", 0));

    char** types = nullptr;
    char** names = nullptr;
    long count = -1;
    ASSERT_EQ(0, s.searchInstance("TestShape", 1, &types, &names, &count));
    ASSERT_EQ(2, count);
    EXPECT_STREQ("TestShape", types[0]);
    EXPECT_STREQ("top", names[0]);
    EXPECT_STREQ("TestRing", types[1]);
    delete[] types;
    delete[] names;

    ASSERT_EQ(0, s.searchInstance("#lng", 0, &types, &names, &count));
    EXPECT_EQ(1, count);
    EXPECT_STREQ("n", names[0]);
    delete[] types;
    delete[] names;

    EXPECT_EQ(10, s.searchInstance("TestOther", 1, &types, &names, &count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, types);
    EXPECT_EQ(nullptr, names);

    // Inside a load handler: the loaded shape picks up its two shape children.
    void* out = nullptr;
    ASSERT_EQ(0, s.loadAlloc("TestShape", "top", &out, nullptr));
    std::unique_ptr<TestShape> shape(static_cast<TestShape*>(out));
    ASSERT_EQ(2u, shape->parts.size());
    EXPECT_EQ("s1", shape->parts[0]->name);
    EXPECT_EQ("c1", shape->parts[1]->name);
}

TEST_F(Serialize, TransactionStartReadsCountsWithinTheLimitAndPassesOnAFailedOpen)
{
    ByteStreamSerialize empty;
    EXPECT_EQ(0, empty.beginTransaction("t", 0));
    EXPECT_EQ(1, empty.underTransaction());
    EXPECT_EQ(0, empty.recordCount());

    ByteStreamSerialize tooMany(stream(0x8001, valueRecord("n", 3, be32(1))));
    EXPECT_EQ(0, tooMany.beginTransaction("t", 0));
    EXPECT_EQ(0, tooMany.recordCount());

    // A count larger than the records present yields what is there.
    ByteStreamSerialize short_(stream(0x8000, valueRecord("n", 3, be32(1))));
    EXPECT_EQ(0, short_.beginTransaction("t", 0));
    EXPECT_EQ(1, short_.recordCount());

    // A failed open is passed on and starts no transaction.
    ByteStreamSerialize closed;
    closed.failOpen = true;
    EXPECT_EQ(14, closed.beginTransaction("t", 2));
    EXPECT_EQ(0, closed.underTransaction());
}

TEST_F(Serialize, StreamModeWritesAndReadsOneRecordAtATime)
{
    ByteStreamSerialize s;
    s.setStreamMode(true);
    long v = 7;
    EXPECT_EQ(4, s.save("#lng", "a", &v));
    v = 8;
    s.save("#lng", "b", &v);
    EXPECT_EQ(-1, s.save("#lng", nullptr, &v));
    EXPECT_EQ(valueRecord("a", 3, be32(7)) + valueRecord("b", 3, be32(8)), s.bytes);
    EXPECT_FALSE(s.modified());

    s.pos = 0;
    long got = 0;
    EXPECT_EQ(0, s.load("#lng", "a", &got));
    EXPECT_EQ(7, got);
    void* out = nullptr;
    EXPECT_EQ(0, s.loadAlloc("#lng", "b", &out, nullptr));
    EXPECT_EQ(8, *static_cast<long*>(out));
    delete[] static_cast<char*>(out);
    EXPECT_EQ(10, s.load("#lng", "a", &got));
}

// ---------------------------------------------------------------------------
// Type servers and the conductor

TEST(TypeServer, ParentsAndAncestors)
{
    TQCtypeServer* badge = testServer("TestBadge");
    ASSERT_NE(nullptr, badge);
    EXPECT_EQ(1, badge->isParentClass("TestShape"));
    EXPECT_EQ(1, badge->isParentClass("TestRing"));
    EXPECT_EQ(0, badge->isParentClass("TestBadge"));
    EXPECT_EQ(0, badge->isParentClass("TestOther"));
    EXPECT_EQ(0, testServer("TestShape")->isParentClass("TestShape"));

    const char* name = "untouched";
    EXPECT_EQ(testServer("TestRing"), badge->getParentClassServer(0, &name));
    EXPECT_STREQ("TestRing", name);
    name = "untouched";
    EXPECT_EQ(nullptr, badge->getParentClassServer(1, &name));
    EXPECT_STREQ("untouched", name);

    TestBadge object;
    EXPECT_EQ(&object, badge->getParentClassPtr("TestShape", &object));
    EXPECT_EQ(nullptr, badge->getParentClassPtr("TestShap", &object));
    EXPECT_EQ(nullptr, testServer("TestShape")->getParentClassPtr("TestCircle", &object));
}

TEST(TypeServer, ConductorFindsRegisteredServersUntilRemoved)
{
    TestTypeServer lone("TestLone", "NotRegistered");
    EXPECT_EQ(&lone, TQGIconductor()->searchTypeServer("TestLone"));
    EXPECT_EQ(nullptr, lone.getParentClassServer(0, nullptr));
    TQGIconductor()->del(&lone);
    EXPECT_EQ(nullptr, TQGIconductor()->searchTypeServer("TestLone"));
    EXPECT_EQ(nullptr, TQGIconductor()->searchTypeServer(nullptr));
}

TEST(Conductor, GetSerializePrefersIdlePrototypes)
{
    static ByteStreamSerialize* first = nullptr;
    static ByteStreamSerialize* second = nullptr;
    if (first == nullptr) {
        first = new ByteStreamSerialize;
        second = new ByteStreamSerialize;
        TQGIconductor()->addSerialize(first);
        TQGIconductor()->addSerialize(second);
    }
    TQCconductor* c = TQGIconductor();
    EXPECT_EQ(first, c->getSerialize("TEST-BYTES"));
    EXPECT_EQ(nullptr, c->getSerialize("NO-SUCH-KIND"));
    EXPECT_EQ(nullptr, c->getNewSerialize("NO-SUCH-KIND"));

    first->setUnderTransaction(1);
    EXPECT_EQ(second, c->getSerialize("TEST-BYTES"));
    second->setUnderTransaction(1);
    std::unique_ptr<TQDserialize> fresh(c->getSerialize("TEST-BYTES"));
    ASSERT_NE(nullptr, fresh);
    EXPECT_NE(first, fresh.get());
    EXPECT_NE(second, fresh.get());
    EXPECT_EQ(1, fresh->type("TEST-BYTES"));

    std::unique_ptr<TQDserialize> made(c->getNewSerialize("TEST-BYTES"));
    EXPECT_NE(first, made.get());

    // Transactions through the conductor; ending one without a transaction
    // does nothing.
    first->setUnderTransaction(0);
    second->setUnderTransaction(0);
    c->setSerializePath("some/dir");
    TQDserialize* s = c->beginTransaction("TEST-BYTES", "name", 0);
    ASSERT_EQ(first, s);
    EXPECT_STREQ("some/dir", s->getPath());
    EXPECT_EQ("name", first->lastOpenName);
    EXPECT_EQ(0, first->lastOpenMode);
    EXPECT_EQ(second, c->beginTransaction("TEST-BYTES", "other", second, 1));
    EXPECT_EQ(2, second->lastOpenMode);
    EXPECT_EQ(0, c->endTransaction(first));
    EXPECT_EQ(0, c->endTransaction(second));
    int closes = first->closes;
    EXPECT_EQ(0, c->endTransaction(first));
    EXPECT_EQ(closes, first->closes);
    c->setSerializePath(".");

    first->failOpen = true;
    EXPECT_EQ(nullptr, c->beginTransaction("TEST-BYTES", "name", 0));
    first->failOpen = false;
}

// ---------------------------------------------------------------------------
// Corrupted input

namespace {

std::string corrupt(const std::string& valid, std::mt19937& rng)
{
    std::string bytes = valid;
    auto at = [&](size_t size) { return std::uniform_int_distribution<size_t>(0, size)(rng); };
    switch (rng() % 4) {
    case 0: { // bit flips
        int flips = 1 + static_cast<int>(rng() % 3);
        for (int i = 0; i < flips && !bytes.empty(); ++i)
            bytes[at(bytes.size() - 1)] ^= static_cast<char>(1 << (rng() % 8));
        break;
    }
    case 1: // truncation
        bytes.resize(at(bytes.size()));
        break;
    case 2: { // inserted bytes
        size_t pos = at(bytes.size());
        std::string junk(1 + rng() % 6, '\0');
        for (char& c : junk)
            c = static_cast<char>(rng());
        bytes.insert(pos, junk);
        break;
    }
    default: // a byte replaced by a value that often reads as a length or kind
        if (!bytes.empty())
            bytes[at(bytes.size() - 1)] = "\x00\x01\x07\x08\x7f\x80\xff"[rng() % 7];
        break;
    }
    return bytes;
}

// Everything a loader does with a stream; the rewritten bytes come back.
std::string exercise(const std::string& bytes)
{
    ByteStreamSerialize s(bytes);
    if (s.beginTransaction("t", 2) != 0)
        return std::string();
    void* out = nullptr;
    if (s.loadAlloc("TestShape", "*", &out, nullptr) == 0)
        delete static_cast<TestShape*>(out);
    if (s.loadAlloc("#str", "*", &out, nullptr) == 0)
        delete[] static_cast<char*>(out);
    char** types = nullptr;
    char** names = nullptr;
    long count = 0;
    if (s.searchInstance("TestShape", 1, &types, &names, &count) == 0) {
        for (long i = 0; i < count; ++i) {
            if (s.loadAlloc("TestShape", names[i], &out, nullptr) == 0)
                delete static_cast<TestShape*>(out);
        }
        delete[] types;
        delete[] names;
    }
    long v = 1;
    s.save("#lng", "zz", &v);
    s.endTransaction();
    return s.bytes;
}

} // namespace

TEST_F(Serialize, CorruptedStreamsFailCleanlyAndRewriteConsistently)
{
    std::unique_ptr<TestShape> shape(sampleShape());
    std::string valid = saved([&](ByteStreamSerialize& s) {
        s.save("TestShape", "top", shape.get());
        s.save("#str", "note", const_cast<char*>("a note"));
        double d[3] = { 1, 2, 3 };
        s.save("#dbl", "d", d);
    });

    std::mt19937 rng(20240601);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes = corrupt(valid, rng);
        std::string once = exercise(bytes);
        // Whatever was salvaged is written as well-formed records: reading
        // and writing them again changes nothing.
        ASSERT_EQ(once, exercise(once)) << "variant " << i;
    }
}
