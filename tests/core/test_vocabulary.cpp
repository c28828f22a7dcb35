// Property names, builder titles and enumerations: exact texts, totals and
// the pointer identity that callers rely on when they compare by pointer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

namespace {

struct NameAccessor {
    char* (*get)();
    const char* prop;
};

struct TitleAccessor {
    char* (*get)();
    const char* prop;
};

struct EnumAccessor {
    char** (*choices)();
    char** (*values)();
    const char* name;
};

#define TQ_NAME_ROW(prop) {&_TQN##prop, #prop},
const NameAccessor nameAccessors[] = {TQ_PROPERTY_NAMES(TQ_NAME_ROW)};
#undef TQ_NAME_ROW

#define TQ_TITLE_ROW(prop, key) {&_TQS##prop, #prop},
const TitleAccessor titleAccessors[] = {TQ_PROPERTY_TITLES(TQ_TITLE_ROW)};
#undef TQ_TITLE_ROW

#define TQ_ENUM_ROW(e) {&_TQR##e, &_TQR##e##D, #e},
const EnumAccessor enumAccessors[] = {TQ_ENUMERATIONS(TQ_ENUM_ROW)};
#undef TQ_ENUM_ROW

// Taken during static initialisation, as class tables built by static
// initialisers do.
char* const widthAtStartUp = _TQNwidth();

long entryCount(char** list)
{
    long n = 0;
    while (list[n] != nullptr)
        ++n;
    return n;
}

std::vector<std::string> entries(char** list)
{
    return std::vector<std::string>(list, list + entryCount(list));
}

// "<letter>:TQSTR <text>" for choices, "<letter><1|2>:TQSTR <text>" for titles.
bool hasKeyForm(const char* key, size_t idLength)
{
    if (std::strlen(key) <= idLength + 7)
        return false;
    bool asciiLetter = (key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= 'a' && key[0] <= 'z');
    if (!asciiLetter)
        return false;
    if (idLength == 2 && key[1] != '1' && key[1] != '2')
        return false;
    return std::strncmp(key + idLength, ":TQSTR ", 7) == 0;
}

bool isDecimal(const char* text)
{
    char* end = nullptr;
    std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0';
}

} // namespace

TEST(Vocabulary, NameAccessorsReturnTheirOwnSuffixAsOneSharedString)
{
    ASSERT_EQ(192u, sizeof nameAccessors / sizeof nameAccessors[0]);
    std::set<const char*> pointers;
    for (const NameAccessor& a : nameAccessors) {
        char* first = a.get();
        EXPECT_STREQ(a.prop, first);
        EXPECT_EQ(first, a.get()) << a.prop;
        pointers.insert(first);
    }
    EXPECT_EQ(192u, pointers.size());

    EXPECT_STREQ("x", _TQNx());
    EXPECT_STREQ("return", _TQNreturn());
    EXPECT_STREQ("backColor", _TQNbackColor());
    EXPECT_STREQ("autoLineFeeding", _TQNautoLineFeeding());
    EXPECT_EQ(_TQNwidth(), widthAtStartUp);
}

TEST(Vocabulary, TitleKeysAreDistinctWithFiftyFourSharedIds)
{
    ASSERT_EQ(194u, sizeof titleAccessors / sizeof titleAccessors[0]);
    std::set<std::string> keys;
    std::set<std::string> ids;
    for (const TitleAccessor& a : titleAccessors) {
        char* key = a.get();
        EXPECT_EQ(key, a.get()) << a.prop;
        EXPECT_TRUE(hasKeyForm(key, 2)) << a.prop << ": " << key;
        keys.insert(key);
        ids.insert(std::string(key, 2));
    }
    EXPECT_EQ(194u, keys.size());
    EXPECT_EQ(54u, ids.size());
}

TEST(Vocabulary, TitleKeysKeepTheirExactText)
{
    EXPECT_STREQ("I1:TQSTR Background", _TQSbackColor());
    EXPECT_STREQ("A1:TQSTR Back-Tab key focus moving", _TQSbacktab());
    EXPECT_STREQ("p1:TQSTR line Xs", _TQSlineX());
    EXPECT_STREQ("n1:TQSTR H. Alignment2", _TQSalignmentH2());
    EXPECT_STREQ("i1:TQSTR Gradation", _TQSgradation2());
    EXPECT_STREQ("o2:TQSTR DSN", _TQSdsn());
}

TEST(Vocabulary, NamesAndTitlesDifferOnlyByTheVariantTitles)
{
    std::set<std::string> names;
    for (const NameAccessor& a : nameAccessors)
        names.insert(a.prop);
    std::set<std::string> titled;
    for (const TitleAccessor& a : titleAccessors)
        titled.insert(a.prop);

    std::vector<std::string> untitled;
    for (const std::string& n : names)
        if (!titled.count(n))
            untitled.push_back(n);
    std::vector<std::string> unnamed;
    for (const std::string& t : titled)
        if (!names.count(t))
            unnamed.push_back(t);

    EXPECT_EQ(std::vector<std::string>({"alignment"}), untitled);
    EXPECT_EQ(std::vector<std::string>({"alignmentH2", "alignmentV2", "gradation2"}), unnamed);
}

TEST(Vocabulary, EveryEnumerationPairsChoicesWithDecimalValues)
{
    ASSERT_EQ(35u, sizeof enumAccessors / sizeof enumAccessors[0]);
    for (const EnumAccessor& a : enumAccessors) {
        char** choices = a.choices();
        char** values = a.values();
        ASSERT_NE(nullptr, choices) << a.name;
        ASSERT_NE(nullptr, values) << a.name;
        EXPECT_EQ(choices, a.choices()) << a.name;
        EXPECT_EQ(values, a.values()) << a.name;

        long n = entryCount(choices);
        EXPECT_EQ(n, entryCount(values)) << a.name;
        EXPECT_GE(n, 2) << a.name;
        EXPECT_LE(n, 15) << a.name;
        std::set<std::string> distinct;
        for (long i = 0; i < n; ++i) {
            EXPECT_TRUE(hasKeyForm(choices[i], 1)) << a.name << ": " << choices[i];
            EXPECT_TRUE(isDecimal(values[i])) << a.name << ": " << values[i];
            distinct.insert(choices[i]);
        }
        // A choice is found by its position, so no list may hold a key twice.
        EXPECT_EQ(static_cast<size_t>(n), distinct.size()) << a.name;
    }
}

TEST(Vocabulary, ShadowTypeEndsWithNoneStoredAsMinusOne)
{
    EXPECT_EQ(6, entryCount(_TQRshadowType()));
    EXPECT_EQ(std::vector<std::string>({"1", "0", "3", "2", "4", "-1"}), entries(_TQRshadowTypeD()));
    EXPECT_STREQ("r:TQSTR None", _TQRshadowType()[5]);

    std::vector<std::string> full = entries(_TQRshadowType());
    full.pop_back();
    EXPECT_EQ(full, entries(_TQRshadowType2()));
}

TEST(Vocabulary, PrintFormatsAndOrientationKeepTheirOrder)
{
    EXPECT_EQ(15, entryCount(_TQRprformat()));
    EXPECT_EQ(15, entryCount(_TQRprformatD()));
    EXPECT_STREQ("X:TQSTR A5", _TQRprformat()[1]);
    EXPECT_STREQ("X:TQSTR A3", _TQRprformat()[2]);
    EXPECT_STREQ("14", _TQRprformatD()[14]);

    EXPECT_EQ(std::vector<std::string>({"T:TQSTR Landscape", "S:TQSTR Portrait"}),
              entries(_TQRorientation2()));
    EXPECT_EQ(std::vector<std::string>({"0", "1"}), entries(_TQRorientation2D()));
}

TEST(Vocabulary, BoxAlignmentsOfferNoneAndAdjust)
{
    EXPECT_EQ(std::vector<std::string>({"M:TQSTR Top", "N:TQSTR Center", "O:TQSTR Bottom"}),
              entries(_TQRalignmentV()));
    EXPECT_EQ(std::vector<std::string>({"3", "2", "4"}), entries(_TQRalignmentVD()));
    EXPECT_EQ(std::vector<std::string>({"0", "2", "1"}), entries(_TQRalignmentHD()));
    EXPECT_EQ(std::vector<std::string>(
                  {"M:TQSTR None", "P:TQSTR Left", "Q:TQSTR Center", "R:TQSTR Right", "R:TQSTR Adjust"}),
              entries(_TQRalignmentH2()));
}

TEST(Vocabulary, ClockChoicesKeepTheirBlanks)
{
    EXPECT_STREQ("v:TQSTR  (None) ", _TQRdateFormat()[0]);
    EXPECT_STREQ("D:TQSTR SUN    ", _TQRweekFormat()[1]);
    EXPECT_STREQ("G:TQSTR   12:00", _TQRclockFormat()[1]);
    EXPECT_STREQ("L:TQSTR AM:00:00", _TQRclockFormat()[6]);

    // Nowhere else does a key carry more than the one separating blank.
    std::set<std::string> padded;
    for (const EnumAccessor& a : enumAccessors)
        for (char** key = a.choices(); *key != nullptr; ++key)
            if (std::strstr(*key, ":TQSTR  ") || (*key)[std::strlen(*key) - 1] == ' ')
                padded.insert(*key);
    for (const TitleAccessor& a : titleAccessors) {
        const char* key = a.get();
        if (std::strstr(key, ":TQSTR  ") || key[std::strlen(key) - 1] == ' ')
            padded.insert(key);
    }
    EXPECT_EQ(8u, padded.size());
}

TEST(Vocabulary, BlinkRatesCountQuarterSeconds)
{
    char** choices = _TQRrateType();
    char** values = _TQRrateTypeD();
    ASSERT_EQ(7, entryCount(choices));
    for (long i = 0; choices[i] != nullptr; ++i) {
        double seconds = std::atof(choices[i] + std::strlen("o:TQSTR "));
        EXPECT_EQ(static_cast<long>(seconds * 4), std::atol(values[i])) << choices[i];
    }
}
