// Menu entries: the grammar of menu texts, finding entries by position and
// by id, flags read through a state list, the text builders, and texts that
// are malformed or far too large.
#include "_TQCpulldownData.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

typedef std::unique_ptr<TQCpulldownData> Chain;

Chain parse(const std::string& text)
{
    return Chain(TQCpulldownData::parse(const_cast<char*>(text.c_str()), const_cast<char*>(":"),
                                        const_cast<char*>(",")));
}

std::string label(TQCpulldownData* item)
{
    return item != nullptr ? item->getLabel()->getString(-2) : "<none>";
}

// The labels along a chain, separators as "-", a sub-chain in braces.
std::string shape(TQCpulldownData* item)
{
    std::string out;
    for (; item != nullptr; item = item->getNext()) {
        out += out.empty() ? "" : " ";
        out += item->isSeparator() ? std::string("-") : label(item);
        if (item->isCascaded())
            out += "{" + shape(item->getSubChain()) + "}";
    }
    return out;
}

} // namespace

TEST(PulldownData, ReadsEntriesSeparatorsAndCascades)
{
    Chain chain = parse("File:{New:new_ep:N:1,Open:open_ep:O:2},SP,Quit:quit_ep:Q:3");
    EXPECT_EQ(shape(chain.get()), "File{New Open} - Quit");
    EXPECT_EQ(chain->getItems(), 2);
    TQCpulldownData* quit = chain->getItem(1);
    EXPECT_EQ(std::string(quit->getProcName()->getString(-2)), "quit_ep");
    EXPECT_EQ(std::string(quit->getShortcut()->getString(-2)), "Q");
    EXPECT_EQ(quit->getId(), 3);
    EXPECT_EQ(chain->getItem(0)->getId(), -1) << "a cascade entry has no id";
    EXPECT_EQ(label(chain->getItemWithId(2)), "Open") << "the id search enters sub-chains";
    EXPECT_EQ(chain->getItem(2), nullptr);
    EXPECT_EQ(chain->getItem(-1), nullptr);

    EXPECT_EQ(shape(parse("A:{B:b,K:{D:d},E:e},F:f").get()), "A{B K{D} E} F");
    EXPECT_EQ(shape(parse("A:{B:b,K:k").get()), "A{B K}") << "an unclosed cascade takes the rest";
    EXPECT_EQ(shape(parse("A:a,,B:b").get()), "A B") << "an empty entry leaves no record";
    EXPECT_EQ(shape(parse("sp:a,Separator:b,SP:x").get()), "sp Separator -");
    EXPECT_EQ(parse(""), nullptr);
    EXPECT_EQ(parse(",,"), nullptr);
    Chain lines = parse("SP,SEPARATOR");
    EXPECT_EQ(lines->getItems(), 0);
    EXPECT_EQ(lines->getItem(0), nullptr);

    EXPECT_EQ(parse("A:a_ep:a")->getId(), 0) << "no id field reads as 0";
    EXPECT_EQ(parse("A:a:a:12abc")->getId(), 12);
    EXPECT_EQ(parse("A:a:a:70000")->getId(), 4464) << "an id is kept in a short";
    EXPECT_EQ(std::string(parse("A:a:a:1:pic.png")->getImageName()->getString(-2)), "pic.png");
}

TEST(PulldownData, FlagsByPositionByIdAndThroughAStateList)
{
    Chain chain = parse("A:a:a:1,SP,B:b:b,Sub:{C:c:c:7,D:d:d}");
    EXPECT_EQ(chain->setSensitive(-1, 0), -1);
    EXPECT_EQ(chain->setSensitive(5, 0), -2);
    EXPECT_EQ(chain->setToggleWithId(9, 1), -2);
    EXPECT_EQ(chain->setToggleWithId(7, 1), 0);
    EXPECT_EQ(chain->getItems(), 3) << "a flag set inside a sub-chain changes no count";
    EXPECT_EQ(chain->getToggleWithId(7), 1);
    EXPECT_EQ(chain->isToggle(), 0) << "only the top level counts";

    // A child window's chain reads the states of its entries with ids from
    // the chain above it.
    Chain child = parse("C:c:c:7,D:d:d,E:e");
    EXPECT_EQ(child->_get_toggle(0, chain.get()), 1);
    EXPECT_EQ(child->_is_toggle(chain.get()), 1);
    chain->setSensitiveWithId(0, 0);
    EXPECT_EQ(child->_get_sensitive(1, chain.get()), 0) << "D has id 0: B's state, found first";
    EXPECT_EQ(child->_get_sensitive(2, chain.get()), 0) << "entries without id share id 0";

    Chain cascades = parse("X:{Y:y:y:4}");
    cascades->setToggle(0, 1);
    EXPECT_EQ(cascades->_get_toggle(0, cascades.get()), 1) << "id -1 reads its own flag";
    EXPECT_EQ(cascades->_is_toggle(cascades.get()), 0) << "but is passed over by _is_toggle";
    EXPECT_EQ(cascades->_is_toggle(nullptr), 1);
}

TEST(PulldownData, BuildsTextsEntryByEntry)
{
    TQCstring text = TQCpulldownData::textWithItem("", ":", ",", "Open", "open_ep", "O", 1,
                                                   nullptr);
    text = TQCpulldownData::textWithCascade(text.getString(-2), ":", ",", "Recent");
    text = TQCpulldownData::textWithItem(text.getString(-2), ":", ",", "a.wav", "recent_ep", "",
                                         2, nullptr);
    text = TQCpulldownData::textWithCascadeEnd(text.getString(-2));
    text = TQCpulldownData::textWithItem(text.getString(-2), ":", ",", "Quit", "quit_ep", "Q", 3,
                                         "quit.png");
    EXPECT_EQ(std::string(text.getString(-2)),
              "Open:open_ep:O:1,Recent:{a.wav:recent_ep::2},Quit:quit_ep:Q:3:quit.png");
    EXPECT_EQ(shape(parse(text.getString(-2)).get()), "Open Recent{a.wav} Quit");
}

// Hostile texts end, within a bound, in a chain the walks can read.
TEST(PulldownData, MalformedAndHugeTextsParseWithoutHarm)
{
    auto start = std::chrono::steady_clock::now();
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "A:{";
    Chain nested = parse(deep + "Z:z:z:5");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->getItems(), 1);
    EXPECT_EQ(nested->getItemWithId(5), nullptr) << "too deep to keep a chain";

    std::string wide;
    for (int i = 0; i < 20000; ++i)
        wide += "E" + std::to_string(i) + ":p:s:" + std::to_string(i) + (i % 7 == 0 ? ",SP," : ",");
    Chain many = parse(wide);
    EXPECT_EQ(many->getItems(), 20000);
    EXPECT_EQ(label(many->getItem(19999)), "E19999");
    EXPECT_EQ(label(many->getItemWithId(12345)), "E12345");

    Chain braces = parse("}}},{{{:x,:{,::::::::,A:{}}}},B:b:b:99999999999999999999");
    EXPECT_EQ(shape(braces.get()), "}}} {{{ {A{}} B") << "the unnamed cascade spans three entries";
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);
}
