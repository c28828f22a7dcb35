// Expansion of environment references in strings, against a table of values.
#include "_TQDenv.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Values by the exact name asked for, parentheses included; "" otherwise.
// Like the platform object, it hands out a buffer that the next lookup
// overwrites.
class TableEnv : public TQDenv {
public:
    char* getEnv(const char* name) override
    {
        asked.push_back(name);
        auto found = values.find(name);
        answer = found == values.end() ? "" : found->second;
        return &answer[0];
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> asked;

private:
    std::string answer;
};

// The expansion as it is defined: the first reference, the text behind it
// expanded first, and "" whenever a level does not fit.
std::string expandByDefinition(TableEnv& env, const std::string& s)
{
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '$' || (i > 0 && s[i - 1] == '\\'))
            continue;
        size_t j = i + 1;
        std::string name;
        while (j < s.size() && s[j] != ' ' && s[j] != '\n' && s[j] != '\t') {
            name += s[j++];
            if (name.back() == ')')
                break;
        }
        if (name.empty())
            continue;
        std::string rest = expandByDefinition(env, s.substr(j));
        auto found = env.values.find(name);
        std::string value = found == env.values.end() ? "" : found->second;
        if (i + value.size() + rest.size() + 1 > 8191)
            return "";
        return s.substr(0, i) + value + rest;
    }
    return s.size() > 8191 ? "" : s;
}

std::string expand(TQDenv& env, const std::string& s)
{
    return env.getPlaneString(s.c_str());
}

} // namespace

TEST(EnvExpansion, ReplacesEveryReferenceInItsPlace)
{
    TableEnv env;
    env.values["(TQDIR)"] = "C:\\q";
    env.values["(A)"] = "alpha";
    env.values["(B)"] = "beta";
    EXPECT_EQ("C:\\q/sys/pixmaps/bi23.xpm", expand(env, "$(TQDIR)/sys/pixmaps/bi23.xpm"));
    EXPECT_EQ("alphabeta", expand(env, "$(A)$(B)"));
    EXPECT_EQ("xy", expand(env, "x$(UNSET)y"));
    // Values go in as they are, and a result may be expanded again.
    env.values["(C)"] = "<$(B)>";
    char* once = env.getPlaneString("$(C)!");
    EXPECT_STREQ("<$(B)>!", once);
    EXPECT_STREQ("<beta>!", env.getPlaneString(once));
}

TEST(EnvExpansion, LeavesEscapedAndNamelessDollarSignsAsText)
{
    TableEnv env;
    env.values["(HOME)"] = "C:\\h";
    EXPECT_EQ("cost \\$(HOME)", expand(env, "cost \\$(HOME)"));
    EXPECT_EQ("$", expand(env, "$"));
    EXPECT_EQ("a $ b", expand(env, "a $ b"));
    EXPECT_EQ("ends in $", expand(env, "ends in $"));
    EXPECT_TRUE(env.asked.empty());
}

TEST(EnvExpansion, NamesRunToABlankOrThroughAClosingParenthesis)
{
    TableEnv env;
    env.values["HOME"] = "C:\\h";
    env.values["(A"] = "a";
    env.values["(A$(B)"] = "nested";
    env.values[")"] = "paren";

    EXPECT_EQ("C:\\h", expand(env, "$HOME"));
    EXPECT_EQ("", expand(env, "$HOME/.tqrc"));
    EXPECT_EQ("a B)", expand(env, "$(A B)"));
    EXPECT_EQ("nested)", expand(env, "$(A$(B))"));
    EXPECT_EQ("parenx", expand(env, "$)x"));
    EXPECT_EQ("a\tb", expand(env, "$(A\tb"));

    std::vector<std::string> expected = {"HOME", "HOME/.tqrc", "(A", "(A$(B)", ")", "(A"};
    EXPECT_EQ(expected, env.asked);
}

TEST(EnvExpansion, KeepsPlainText8191AndExpansions8190CharactersLong)
{
    TableEnv env;
    std::string longest(8191, 'x');
    EXPECT_EQ(longest, expand(env, longest));
    EXPECT_EQ("", expand(env, longest + "x"));

    env.values["(A)"] = std::string(8000, 'v');
    std::string fits = "$(A)" + std::string(190, 't');
    EXPECT_EQ(8190u, expand(env, fits).size());
    EXPECT_EQ("", expand(env, fits + "t"));
    // A level that does not fit loses all of its text, and the levels
    // before it go on without it.
    EXPECT_EQ("", expand(env, "ab$(A)" + std::string(8191, 't')));
    EXPECT_EQ("ab" + env.values["(A)"], expand(env, "ab$(A)" + std::string(8192, 't')));
    EXPECT_EQ("", expand(env, "ab$(A) $(A)"));
    EXPECT_EQ("ab" + env.values["(A)"], expand(env, "ab$(A) $(A) $(A)"));
}

// Each "$)" is one reference, so 4096 of them fill an 8 KB input. Counted
// from the last reference, every 8191st level overflows and starts again
// from "", so 200000 references leave 200000 mod 8191 values.
TEST(EnvExpansion, ExpandsAnyNumberOfReferencesWithoutRunningOutOfStack)
{
    TableEnv env;
    env.values[")"] = "v";
    std::string many;
    for (int i = 0; i < 4096; ++i)
        many += "$)";
    EXPECT_EQ(std::string(4096, 'v'), expand(env, many));
    std::string huge;
    for (int i = 0; i < 200000; ++i)
        huge += "$)";
    EXPECT_EQ(std::string(200000 % 8191, 'v'), expand(env, huge));
}

TEST(EnvExpansion, GivesEmptyTextForANameLongerThan8191Characters)
{
    TableEnv env;
    std::string name(9000, 'n');
    EXPECT_EQ("", expand(env, "$" + name));
    EXPECT_EQ("", expand(env, "pre $" + name));
    EXPECT_TRUE(env.asked.empty());
    env.values["(A)"] = "a";
    EXPECT_EQ("a", expand(env, "$(A) $" + name));
}

TEST(EnvExpansion, AgreesWithTheDefinitionOnGeneratedStrings)
{
    TableEnv env;
    env.values["(A)"] = std::string(3000, 'a');
    env.values["(B)"] = std::string(2500, 'b');
    env.values["A"] = "short";
    env.values[")"] = "p";
    const std::vector<std::string> pieces = {
        "$(A)", "$(B)", "$A", "\\$(A)", "$", " ", "\t", ")", "(", "x", "\\", "$(", "$$",
        std::string(3000, 'L')};
    std::mt19937 random(20240607);
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        int count = static_cast<int>(random() % 10);
        for (int k = 0; k < count; ++k)
            s += pieces[random() % pieces.size()];
        ASSERT_EQ(expandByDefinition(env, s), expand(env, s)) << "input: " << s.substr(0, 200);
    }
}
