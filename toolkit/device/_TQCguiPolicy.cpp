// The look policy, the extended-look registry and the look file.
#include "_TQCguiPolicy.h"

#include "_TQCbaseList.h"
#include "_TQGFfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The marker value of a look file that has been applied once.
const long lookFileApplied = 2;

void trimLine(TQCstring& line)
{
    line.delHeadSpace();
    line.delTailSpace();
    line.delLineFeed();
}

bool isTag(TQCstring& line, const char* tag)
{
    return std::strcmp(line.getString(-2), tag) == 0;
}

void notifyLookChange(long word, bool redrawNow)
{
    TQCbaseList* objects = TQGIappObjectList();
    objects->execEvent(TQCguiPolicy::LOOK_CHANGE_EVENT,
                       reinterpret_cast<void*>(static_cast<intptr_t>(word)));
    if (redrawNow)
        objects->execUpdate();
}

} // namespace

TQCguiPolicy::TQCguiPolicy() : policy(-1), currentTable(nullptr)
{
}

TQCguiPolicy::~TQCguiPolicy()
{
    for (long i = 0; i < looks.getNum(); ++i)
        delete static_cast<TQCindexData*>(looks.getData(i));
}

void TQCguiPolicy::setGuiPolicy(long bits, unsigned char broadcast)
{
    long builtIn = bits & (LOOK_A | LOOK_B);
    if (builtIn == 0)
        policy = bits | LOOK_B;
    else if (builtIn == (LOOK_A | LOOK_B))
        policy = bits & ~static_cast<long>(LOOK_A);
    else
        policy = bits;
    if (broadcast)
        notifyLookChange(policy, false);
}

long TQCguiPolicy::getGuiPolicy()
{
    return isUnset() ? (LOOK_B | SCROLL_BAR_VARIANT) : policy;
}

// The bit is set and cleared on the word as it reads: on the unset word
// (all bits set) neither would mean anything, and clearing it there would
// leave both built-in looks selected.
void TQCguiPolicy::setExtGuiPolicy(const char* name, unsigned char broadcast)
{
    if (name == nullptr || *name == '\0') {
        lookName.setString("", -2);
        if (!isUnset())
            policy &= ~static_cast<long>(EXTENDED_LOOK);
        currentTable = nullptr;
    } else {
        lookName.setString(name, -2);
        policy = getGuiPolicy() | EXTENDED_LOOK;
        currentTable = static_cast<TQCindexData*>(looks[name]);
    }
    if (broadcast)
        notifyLookChange(getGuiPolicy(), true);
}

TQCstring TQCguiPolicy::getExtGuiPolicyName()
{
    return lookName;
}

unsigned char TQCguiPolicy::getExtGuiPolicySelected()
{
    return (getGuiPolicy() & EXTENDED_LOOK) != 0 ? 1 : 0;
}

TQCindexData* TQCguiPolicy::tableOf(const char* look)
{
    TQCindexData* table = static_cast<TQCindexData*>(looks.getData(look));
    if (table == nullptr) {
        table = new TQCindexData;
        looks.setData(look, table);
    }
    return table;
}

void TQCguiPolicy::setExtGuiPolicyProc(const char* look, const char* key, DrawProc proc)
{
    if (look == nullptr || key == nullptr)
        return;
    tableOf(look)->setData(key, reinterpret_cast<void*>(proc));
}

// The table is looked up late, so a look selected before its procedures
// were registered finds them.
TQCguiPolicy::DrawProc TQCguiPolicy::getExtGuiPolicyProc(const char* key)
{
    if (!getExtGuiPolicySelected() || key == nullptr)
        return nullptr;
    if (currentTable == nullptr) {
        currentTable = static_cast<TQCindexData*>(looks.getData(lookName.getString(-2)));
        if (currentTable == nullptr)
            return nullptr;
    }
    return reinterpret_cast<DrawProc>((*currentTable)[key]);
}

TQCindexData* TQCguiPolicy::getExtGuiPolicyList()
{
    return &looks;
}

void TQCguiPolicy::applyLookFilePair(TQCstring& tag, TQCstring& value, bool applyPolicy)
{
    const char* text = value.getString(-2);
    if (*text == '\0')
        return;
    if (isTag(tag, "#POLICY")) {
        if (applyPolicy)
            setGuiPolicy(std::strtol(text, nullptr, 10), 0);
    } else if (isTag(tag, "#EXPOLICY")) {
        setExtGuiPolicy(text, 1);
    }
}

// Pairs apply in file order: a "#POLICY" pair behind the "#EXPOLICY" pair
// replaces the extended-look bit with its own.
long TQCguiPolicy::loadLookFile(long* marker, const char* path)
{
    long unmarked = -1;
    if (marker == nullptr)
        marker = &unmarked;
    TQCstring* text = TQGFreadTextFile(path, -2);
    if (text == nullptr)
        return -1;
    bool applyPolicy = *marker == -1;
    while (!text->eof()) {
        TQCstring tag = text->gets();
        TQCstring value = text->gets();
        trimLine(tag);
        trimLine(value);
        applyLookFilePair(tag, value, applyPolicy);
    }
    if (*marker == -1)
        *marker = lookFileApplied;
    delete text;
    return 0;
}

long TQCguiPolicy::saveLookFile(const char* path)
{
    char word[32];
    std::snprintf(word, sizeof word, "%ld", getGuiPolicy());
    std::string text = std::string("#POLICY\n") + word + "\n#EXPOLICY\n" +
                       lookName.getString(-2) + "\n";
    return TQGFreplaceTextFile(path, text.c_str(), 0);
}

TQCguiPolicy* TQGIappGuiPolicy()
{
    static TQCguiPolicy* policy = nullptr;
    if (policy == nullptr)
        policy = new TQCguiPolicy;
    return policy;
}
