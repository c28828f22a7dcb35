// Pointer list, string-keyed pointer map and string-keyed variant map.
#include <gtest/gtest.h>

#include <cstring>

#include "_TQCindexData.h"
#include "_TQCindexVariantData.h"
#include "_TQClistData.h"

namespace {

void* ptr(long n)
{
    return reinterpret_cast<void*>(n);
}

void fill(TQClistData& list, long from, long to)
{
    for (long i = from; i < to; ++i)
        list.add(ptr(i), -1);
}

void expectSequence(TQClistData& list, long count)
{
    ASSERT_EQ(list.getNum(), count);
    for (long i = 0; i < count; ++i)
        ASSERT_EQ(list.getData(i), ptr(i)) << "slot " << i;
}

} // namespace

TEST(ListData, OutOfRangeAddPositionsAppend)
{
    TQClistData list;
    list.add(ptr(1), 0); // empty list: position 0 appends
    fill(list, 2, 6);
    list.add(ptr(6), 5);
    list.add(ptr(7), -7);
    list.add(ptr(0), 0);
    expectSequence(list, 8);
}

TEST(ListData, GrowthPastOneUnitKeepsOrderForAppendAndInsert)
{
    TQClistData appended;
    fill(appended, 0, 129);
    expectSequence(appended, 129);

    TQClistData inserted;
    fill(inserted, 1, 129);
    ASSERT_EQ(inserted.getNum(), 128);
    inserted.add(ptr(0), 0); // the 129th add is an insert that reallocates
    expectSequence(inserted, 129);

    TQClistData middle;
    fill(middle, 0, 64);
    fill(middle, 65, 129);
    middle.add(ptr(64), 64);
    expectSequence(middle, 129);
}

TEST(ListData, StepArgumentKeepsLowByteAndLargeStepsMean256)
{
    TQClistData small(2);
    fill(small, 0, 7);
    expectSequence(small, 7);

    TQClistData wide(1000);
    fill(wide, 0, 300);
    expectSequence(wide, 300);

    TQClistData copy(small);
    expectSequence(copy, 7);
    copy.add(ptr(7), -1);
    expectSequence(copy, 8);
    EXPECT_EQ(small.getNum(), 7);
}

TEST(ListData, RemovalByPointerAndPosition)
{
    TQClistData list;
    list.add(ptr(1), -1);
    list.add(ptr(2), -1);
    list.add(ptr(1), -1);
    EXPECT_EQ(list.del(ptr(1)), 0);
    ASSERT_EQ(list.getNum(), 2);
    EXPECT_EQ(list.getData(0), ptr(2));
    EXPECT_EQ(list.getData(1), ptr(1));
    EXPECT_EQ(list.del(ptr(9)), -1);
    EXPECT_EQ(list.delPos(2), -1);
    EXPECT_EQ(list.delPos(-1), -1);
    EXPECT_EQ(list.delPos(0), 0);
    EXPECT_EQ(list.delPos(0), 0);
    EXPECT_EQ(list.getNum(), 0);
    EXPECT_EQ(list.getBuf(), nullptr) << "the last removal frees the array";

    fill(list, 0, 3);
    void** before = list.getBuf();
    list.clear();
    EXPECT_EQ(list.getNum(), 0);
    list.add(ptr(5), -1);
    EXPECT_EQ(list.getBuf(), before) << "clear keeps it for reuse";
    EXPECT_EQ(list.getData(0), ptr(5));
}

TEST(ListData, ReadsOutsideTheListFollowTheirOwnRules)
{
    TQClistData list;
    EXPECT_EQ(list.getData(-1), nullptr);
    EXPECT_EQ(list.getTopData(), nullptr);
    EXPECT_EQ(list.getBottomData(), nullptr);
    EXPECT_EQ(list[-1], nullptr);

    fill(list, 0, 3);
    EXPECT_EQ(list.getData(-1), ptr(2));
    EXPECT_EQ(list.getData(-2), nullptr);
    EXPECT_EQ(list.getData(3), nullptr);
    EXPECT_EQ(list[-2], ptr(2));
    EXPECT_EQ(list.getTopData(), ptr(0));
    EXPECT_EQ(list.getBottomData(), ptr(2));

    list.setData(3, ptr(9));
    list.setData(-1, ptr(9));
    expectSequence(list, 3);
    list.setData(1, ptr(7));
    EXPECT_EQ(list.getData(1), ptr(7));
}

TEST(ListData, WriteThroughOutOfRangeSlotNeverReachesTheList)
{
    TQClistData list;
    fill(list, 0, 3);
    list[3] = ptr(42);
    EXPECT_EQ(list[3], nullptr);
    EXPECT_EQ(list.getNum(), 3);
    list[-5] = ptr(8); // a negative position is the last slot
    EXPECT_EQ(list.getData(2), ptr(8));
}

TEST(IndexData, LookupsByKeyAndPosition)
{
    TQCindexData map;
    EXPECT_STREQ(map.getIndex(0), "");
    EXPECT_EQ(map.getData(0L), nullptr);
    EXPECT_EQ(map.getData("a"), nullptr);

    map.setData("alpha", ptr(1));
    map.setData("beta", ptr(2));
    map.setData("gamma", ptr(3));
    EXPECT_EQ(map.getNum(), 3);
    EXPECT_EQ(map.getData("beta"), ptr(2));
    EXPECT_EQ(map.getData("Beta"), nullptr);
    EXPECT_EQ(map.getData("bet"), nullptr);
    EXPECT_EQ(map.getData(7L), ptr(3));
    EXPECT_EQ(map.getData(-1L), ptr(3));
    EXPECT_STREQ(map.getIndex(1), "beta");
    EXPECT_STREQ(map.getIndex(9), "gamma");

    // Setting an existing key replaces the value under the first key copy.
    char* stored = map.getIndex(1);
    map.setData("beta", ptr(4));
    EXPECT_EQ(map.getNum(), 3);
    EXPECT_EQ(map.getIndex(1), stored);
    EXPECT_EQ(map.getData("beta"), ptr(4));
}

TEST(IndexData, KeysAreCopiedUnlessKeptAsPassed)
{
    char key[] = "name";
    TQCindexData copying;
    copying.setData(key, ptr(1));
    EXPECT_NE(copying.getIndex(0), key);
    key[0] = 'x';
    EXPECT_EQ(copying.getData("name"), ptr(1));

    TQCindexData sharing;
    sharing.setNoAllocIndex(1);
    sharing.setData(key, ptr(2));
    EXPECT_EQ(sharing.getIndex(0), key);

    copying.setNoAllocIndex(1); // a different rule empties the map
    EXPECT_EQ(copying.getNum(), 0);
    sharing.setNoAllocIndex(1); // the same rule keeps it
    EXPECT_EQ(sharing.getNum(), 1);

    TQCindexData copy(sharing);
    EXPECT_EQ(copy.getNoAllocIndex(), 1);
    EXPECT_EQ(copy.getIndex(0), key);
}

TEST(IndexData, RemovalAndSubscript)
{
    TQCindexData map;
    map.setData("a", ptr(1));
    map.setData("b", ptr(2));
    map.setData("c", ptr(3));
    EXPECT_EQ(map.del("b"), 0);
    EXPECT_EQ(map.del("b"), -1);
    EXPECT_STREQ(map.getIndex(1), "c");
    EXPECT_EQ(map.delPos(2), -1);
    EXPECT_EQ(map.delPos(-1), 0); // the last pair
    ASSERT_EQ(map.getNum(), 1);
    EXPECT_STREQ(map.getIndex(0), "a");

    map["new"] = ptr(4);
    EXPECT_EQ(map.getData("new"), ptr(4));
    EXPECT_EQ(map["missing"], nullptr);
    EXPECT_EQ(map.getNum(), 3);

    TQCindexData kept(map); // copies keep their own key copies
    map.clear();
    EXPECT_EQ(map.getNum(), 0);
    EXPECT_EQ(map.delPos(0), -1);
    EXPECT_EQ(kept.getData("new"), ptr(4));
}

TEST(IndexVariantData, MissingKeysGiveSpareOrNewIntZero)
{
    TQCindexVariantData map;
    TQCvariant* spare = map.getData("none");
    ASSERT_NE(spare, nullptr);
    EXPECT_EQ(spare->getType(), 0);
    EXPECT_EQ(spare->getLong(), 0);
    EXPECT_EQ(map.getNum(), 0);

    TQCvariant& added = map["x"];
    EXPECT_EQ(added.getType(), 12);
    EXPECT_EQ(added.getInt(), 0);
    EXPECT_EQ(map.isExist("x"), 1);
    EXPECT_EQ(map.isExist("y"), 0);
}

TEST(IndexVariantData, StoresCopiesAndReplacesInPlace)
{
    TQCindexVariantData map;
    char text[] = "hello";
    map.setData("t", TQCvariant(text));
    text[0] = 'j';
    EXPECT_STREQ(map.getData("t")->getCharPtr(), "hello");

    TQCvariant* stored = map.getData("t");
    map.setData("t", TQCvariant(5L));
    EXPECT_EQ(map.getData("t"), stored);
    EXPECT_EQ(stored->getLong(), 5);
    EXPECT_EQ(map.getNum(), 1);
}

TEST(IndexVariantData, PositionalAccessAndRemoval)
{
    TQCindexVariantData map;
    EXPECT_EQ(map.getData(0L), nullptr);
    EXPECT_EQ(map.getIndex(-1), nullptr);
    EXPECT_EQ(map.delPos(-1), -1);

    map.setData("a", TQCvariant(1L));
    map.setData("b", TQCvariant(2L));
    map.setData("c", TQCvariant(3L));
    EXPECT_EQ(map.getData(1L)->getLong(), 2);
    EXPECT_EQ(map.getData(-4L)->getLong(), 3);
    EXPECT_EQ(map.getData(3L), nullptr);
    EXPECT_STREQ(map.getIndex(-1), "c");

    EXPECT_EQ(map.del("a"), 0);
    EXPECT_EQ(map.del("a"), -1);
    EXPECT_EQ(map.delPos(5), -1);
    EXPECT_EQ(map.delPos(-3), 0);
    ASSERT_EQ(map.getNum(), 1);
    EXPECT_STREQ(map.getIndex(0), "b");
}

TEST(IndexVariantData, CopiesAreIndependent)
{
    TQCindexVariantData a;
    a.setData("k", TQCvariant(7L));
    TQCindexVariantData b(a);
    TQCindexVariantData c;
    c.setData("z", TQCvariant(1L));
    c = a;
    a.setData("k", TQCvariant(8L));
    EXPECT_EQ(b.getData("k")->getLong(), 7);
    EXPECT_EQ(c.getData("k")->getLong(), 7);
    EXPECT_EQ(c.isExist("z"), 0);
}
