// The file serialiser on real files: creation, rewriting on end, untouched
// files after loads, binary bytes, path handling and corrupted files.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "ByteStreamSerialize.h"
#include "FakeCodeConvert.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "TestTypeServers.h"
#include "_TQCconductor.h"
#include "_TQDfileSerialize.h"

namespace fs = std::filesystem;

namespace {

class FileSerialize : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeCodeConvert::install();
        registerTestTypes();
        s.setPath(dir.path().c_str());
    }

    std::string file(const char* name) const { return dir.file(name); }

    TempDir dir;
    TQDfileSerialize s;
};

} // namespace

TEST_F(FileSerialize, MissingFileIsCreatedForSavingAndNotOpenedForReading)
{
    EXPECT_EQ(14, s.beginTransaction("w.dat", 0));
    EXPECT_EQ(0, s.underTransaction());
    ASSERT_FALSE(fs::exists(file("w.dat")));

    ASSERT_EQ(0, s.beginTransaction("w.dat", 2));
    EXPECT_TRUE(fs::exists(file("w.dat")));
    long v = 5;
    s.save("#lng", "win", &v);
    EXPECT_EQ(0, s.endTransaction());
    EXPECT_EQ(0, s.underTransaction());
    EXPECT_EQ(stream(1, valueRecord("win", 3, be32(5))), readFileBytes(file("w.dat")));
}

TEST_F(FileSerialize, SavingAnotherNameKeepsTheRecordsAlreadyThere)
{
    TestShape a;
    a.id = 1;
    ASSERT_EQ(0, s.beginTransaction("w.dat", 2));
    s.save("TestShape", "a", &a);
    ASSERT_EQ(0, s.endTransaction());
    std::string afterA = readFileBytes(file("w.dat"));

    TestCircle b;
    b.id = 2;
    ASSERT_EQ(0, s.beginTransaction("w.dat", 2));
    s.save("TestCircle", "b", &b);
    ASSERT_EQ(0, s.endTransaction());

    std::string both = readFileBytes(file("w.dat"));
    ASSERT_EQ(be32(2), both.substr(0, 4));
    EXPECT_EQ(afterA.substr(4), both.substr(4, afterA.size() - 4));

    ASSERT_EQ(0, s.beginTransaction("w.dat", 0));
    char** types = nullptr;
    char** names = nullptr;
    long count = 0;
    ASSERT_EQ(0, s.searchInstance("TestShape", 1, &types, &names, &count));
    ASSERT_EQ(2, count);
    EXPECT_STREQ("a", names[0]);
    EXPECT_STREQ("b", names[1]);
    EXPECT_STREQ("TestCircle", types[1]);
    delete[] types;
    delete[] names;
    s.endTransaction();
}

TEST_F(FileSerialize, LoadingWithoutSavingLeavesTheFileUntouched)
{
    // Bytes after the counted records would not survive a rewrite.
    std::string bytes = stream(1, valueRecord("n", 3, be32(7))) + "trailing";
    writeFileBytes(file("w.dat"), bytes);
    for (int mode : { 0, 2 }) {
        ASSERT_EQ(0, s.beginTransaction("w.dat", mode));
        long v = 0;
        EXPECT_EQ(0, s.load("#lng", "n", &v));
        EXPECT_EQ(7, v);
        EXPECT_EQ(0, s.endTransaction());
        EXPECT_EQ(bytes, readFileBytes(file("w.dat")));
    }
}

TEST_F(FileSerialize, UnmodifiedEndEndsTheTransaction)
{
    writeFileBytes(file("a.dat"), stream(1, valueRecord("a", 5, std::string("from a", 7))));
    writeFileBytes(file("b.dat"), stream(1, valueRecord("b", 5, std::string("from b", 7))));
    ASSERT_EQ(0, s.beginTransaction("a.dat", 0));
    EXPECT_EQ(0, s.endTransaction());
    EXPECT_EQ(0, s.underTransaction());

    ASSERT_EQ(0, s.beginTransaction("b.dat", 0));
    void* out = nullptr;
    ASSERT_EQ(0, s.loadAlloc("#str", "*", &out, nullptr));
    EXPECT_STREQ("from b", static_cast<char*>(out));
    delete[] static_cast<char*>(out);
    EXPECT_EQ(0, s.endTransaction());

    // The file can be replaced once the transaction ended: it is closed.
    EXPECT_TRUE(fs::remove(file("b.dat")));
}

TEST_F(FileSerialize, ControlBytesAndLineEndsReadBackExactly)
{
    const std::string data("\r\n\x1a\n\r\0\xff", 7);
    std::string records;
    ASSERT_EQ(0, s.beginTransaction("bin.dat", 2));
    for (int i = 0; i < 0x1A; ++i) {
        std::string name = "r" + std::to_string(i);
        s.save("#str", name.c_str(), const_cast<char*>("\r\n\x1a"));
        records += valueRecord(name, 5, std::string("\r\n\x1a", 4));
    }
    ASSERT_EQ(0, s.endTransaction());
    std::string expected = stream(0x1A, records);
    EXPECT_EQ(expected, readFileBytes(file("bin.dat")));

    // Every byte read comes back out unchanged when the file is rewritten.
    std::string raw = valueRecord("c", 4, data);
    writeFileBytes(file("raw.dat"), stream(1, raw));
    ASSERT_EQ(0, s.beginTransaction("raw.dat", 2));
    char first = 0;
    EXPECT_EQ(0, s.load("#chr", "c", &first));
    EXPECT_EQ('\r', first);
    long v = 1;
    s.save("#lng", "v", &v);
    ASSERT_EQ(0, s.endTransaction());
    EXPECT_EQ(stream(2, raw + valueRecord("v", 3, be32(1))), readFileBytes(file("raw.dat")));

    ASSERT_EQ(0, s.beginTransaction("bin.dat", 0));
    char text[8] = {};
    EXPECT_EQ(0, s.load("#str", "r3", text));
    EXPECT_STREQ("\r\n\x1a", text);
    s.endTransaction();
}

TEST_F(FileSerialize, NamesAreTakenRelativeToThePath)
{
    fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    TQDfileSerialize relative;
    relative.setPath(".");
    ASSERT_EQ(0, relative.beginTransaction("w.dat", 2));
    long v = 1;
    relative.save("#lng", "x", &v);
    EXPECT_EQ(0, relative.endTransaction());
    relative.setPath("");
    EXPECT_EQ(0, relative._open("w.dat", 0));
    EXPECT_EQ(static_cast<long>(readFileBytes(file("w.dat")).size()), relative._size());
    relative._close();
    fs::current_path(previous);
    EXPECT_TRUE(fs::exists(file("w.dat")));
}

TEST_F(FileSerialize, FullNamesOver1023BytesAreNotOpened)
{
    std::string longPath(1018, 'd');
    s.setPath(longPath.c_str());
    EXPECT_EQ(14, s._open("w.dat", 2));   // 1018 + "/" + 5 bytes = 1024
    EXPECT_EQ(14, s.beginTransaction("w.dat", 0));
    EXPECT_EQ(0, s.underTransaction());
    EXPECT_EQ(0, s._read(nullptr, 0));
}

TEST_F(FileSerialize, FailedRewriteKeepsTheRecordsForAnotherTry)
{
    ASSERT_EQ(0, s.beginTransaction("w.dat", 2));
    long v = 9;
    s.save("#lng", "n", &v);
    s.setPath(dir.file("no-such-dir").c_str());
    EXPECT_EQ(14, s.endTransaction());
    EXPECT_EQ(1, s.underTransaction());

    s.setPath(dir.path().c_str());
    EXPECT_EQ(0, s.endTransaction());
    EXPECT_EQ(stream(1, valueRecord("n", 3, be32(9))), readFileBytes(file("w.dat")));
}

TEST_F(FileSerialize, ConductorChoosesIdleFilePrototypes)
{
    TQGFinitFS();
    TQGFinitFS();
    TQCconductor* c = TQGIconductor();
    c->setSerializePath(dir.path().c_str());

    // The start-up prototype and the one of TQGFinitFS, then fresh ones.
    TQDserialize* first = c->beginTransaction("FILE", "1.dat", 2);
    TQDserialize* second = c->beginTransaction("FILE", "2.dat", 2);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    std::unique_ptr<TQDserialize> third(c->getSerialize("FILE"));
    std::unique_ptr<TQDserialize> fourth(c->getSerialize("FILE"));
    EXPECT_NE(third.get(), fourth.get());
    EXPECT_NE(first, third.get());
    EXPECT_NE(second, third.get());

    c->endTransaction(second);
    EXPECT_EQ(second, c->getSerialize("FILE"));
    c->endTransaction(first);
    EXPECT_EQ(first, c->getSerialize("FILE"));
    c->setSerializePath(".");
}

// ---------------------------------------------------------------------------
// Corrupted files

TEST_F(FileSerialize, CorruptedFilesLoadSafelyAndRewriteConsistently)
{
    std::unique_ptr<TestShape> shape(new TestShape);
    shape->name = "top";
    shape->label = "label";
    auto* part = new TestCircle;
    part->name = "p";
    part->radius = 4;
    shape->parts.push_back(part);

    ASSERT_EQ(0, s.beginTransaction("valid.dat", 2));
    s.save("TestShape", "top", shape.get());
    s.save("#str", "note", const_cast<char*>("\r\n\x1a"));
    ASSERT_EQ(0, s.endTransaction());
    const std::string valid = readFileBytes(file("valid.dat"));

    std::mt19937 rng(7);
    for (int i = 0; i < 400; ++i) {
        std::string bytes = valid;
        size_t at = rng() % bytes.size();
        switch (i % 3) {
        case 0: bytes[at] ^= static_cast<char>(1 << (rng() % 8)); break;
        case 1: bytes.resize(at); break;
        default: bytes.insert(at, 1 + rng() % 4, static_cast<char>(rng())); break;
        }
        writeFileBytes(file("bad.dat"), bytes);

        std::string rewritten;
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_EQ(0, s.beginTransaction("bad.dat", 2));
            void* out = nullptr;
            if (s.loadAlloc("TestShape", "*", &out, nullptr) == 0)
                delete static_cast<TestShape*>(out);
            long v = 1;
            s.save("#lng", "zz", &v);
            ASSERT_EQ(0, s.endTransaction());
            std::string now = readFileBytes(file("bad.dat"));
            if (pass == 1) {
                ASSERT_EQ(rewritten, now) << "variant " << i;
            }
            rewritten = now;
        }
    }
}

// More than 0x8000 records would read back as none, and the next save would
// then drop them all: such a rewrite is refused and the file kept.
TEST_F(FileSerialize, RewriteWithMoreRecordsThanAReaderTakesIsRefused)
{
    std::string records;
    for (unsigned long i = 0; i < 0x8000; ++i)
        records += valueRecord("r" + std::to_string(i), 3, be32(i));
    const std::string full = stream(0x8000, records);
    writeFileBytes(file("w.dat"), full);

    ASSERT_EQ(0, s.beginTransaction("w.dat", 2));
    long v = 1;
    s.save("#lng", "one-more", &v);
    EXPECT_EQ(-1, s.endTransaction());
    EXPECT_EQ(1, s.underTransaction()) << "the records stay for the caller";
    EXPECT_EQ(full, readFileBytes(file("w.dat")));
}
