// Environment lookup and "$(NAME)" expansion.
//
// A reference is a dollar sign, not escaped by a backslash just before it,
// followed by a name that runs to the next blank, newline or tab (left out)
// or through the next ")" (kept in the name). Each reference is replaced by
// the value of its name; values are inserted as they are, never expanded
// again.
//
// The result is defined from the last reference towards the first: the text
// behind a reference is expanded first, and when the text before the
// reference, its value and that expansion no longer fit, the reference's
// whole expansion becomes "". Building the result in that order, in one
// loop and one fixed store, keeps any number of references off the stack.
#include "_TQDenv.h"

#include <cstring>

namespace {

const size_t storeSize = TQDenv::maxText + 1;

// Shared by every call; the returned pointer always points here.
char g_result[storeSize];

bool endsName(char c)
{
    return c == ' ' || c == '\n' || c == '\t';
}

struct Reference {
    size_t start; // the dollar sign
    size_t end;   // just behind the name
};

// The text falls into runs separated by blanks, newlines and tabs, each run
// also ending after a ")". Since a name takes everything up to the end of
// its run, a run holds at most one reference: at its first unescaped dollar
// sign with at least one character of the run behind it.
bool referenceInRun(const char* s, size_t runStart, size_t runEnd, Reference& ref)
{
    for (size_t p = runStart; p + 1 < runEnd; ++p) {
        if (s[p] == '$' && (p == 0 || s[p - 1] != '\\')) {
            ref.start = p;
            ref.end = runEnd;
            return true;
        }
    }
    return false;
}

// The last reference that lies wholly before limit. limit is the length of
// the string or the start of a reference found earlier; in the latter case
// the run cut at limit holds no reference of its own.
bool lastReferenceBefore(const char* s, size_t limit, Reference& ref)
{
    size_t runEnd = limit;
    while (runEnd > 0) {
        if (endsName(s[runEnd - 1])) {
            --runEnd;
            continue;
        }
        size_t runStart = runEnd - 1;
        while (runStart > 0 && !endsName(s[runStart - 1]) && s[runStart - 1] != ')')
            --runStart;
        if (referenceInRun(s, runStart, runEnd, ref))
            return true;
        runEnd = runStart;
    }
    return false;
}

// The result under construction, filled from its end towards its start.
class TailText {
public:
    TailText() : len(0) { store[storeSize - 1] = '\0'; }

    size_t length() const { return len; }
    const char* text() const { return store + (storeSize - 1 - len); }
    void clear() { len = 0; }
    // The caller has checked that the text fits.
    void prepend(const char* part, size_t n)
    {
        len += n;
        std::memcpy(store + (storeSize - 1 - len), part, n);
    }

private:
    char store[storeSize];
    size_t len;
};

// The input may itself be the result buffer of an earlier call.
char* publish(const char* text, size_t n)
{
    std::memmove(g_result, text, n);
    g_result[n] = '\0';
    return g_result;
}

// Puts the text between the previous reference (or the start) and ref, and
// ref's value, in front of what has been built so far, or empties it when
// that would not fit.
void expandReference(TQDenv& env, const char* s, size_t textStart,
                     const Reference& ref, TailText& tail, char* name)
{
    size_t nameLen = ref.end - ref.start - 1;
    if (nameLen > TQDenv::maxText) {
        tail.clear();
        return;
    }
    std::memcpy(name, s + ref.start + 1, nameLen);
    name[nameLen] = '\0';

    const char* value = env.getEnv(name);
    if (value == nullptr)
        value = "";
    size_t valueLen = std::strlen(value);
    size_t textLen = ref.start - textStart;
    unsigned long long needed =
        static_cast<unsigned long long>(textLen) + valueLen + tail.length() + 1;
    if (needed > TQDenv::maxText) {
        tail.clear();
        return;
    }
    tail.prepend(value, valueLen);
    tail.prepend(s + textStart, textLen);
}

} // namespace

TQDenv::~TQDenv()
{
}

char* TQDenv::getPlaneString(const char* string)
{
    const char* s = string != nullptr ? string : "";
    size_t n = std::strlen(s);

    Reference ref;
    if (!lastReferenceBefore(s, n, ref))
        return n > maxText ? publish("", 0) : publish(s, n);

    TailText tail;
    char name[storeSize];
    size_t rest = n - ref.end;
    if (rest <= maxText)
        tail.prepend(s + ref.end, rest);
    for (;;) {
        Reference previous;
        bool more = lastReferenceBefore(s, ref.start, previous);
        expandReference(*this, s, more ? previous.end : 0, ref, tail, name);
        if (!more)
            break;
        ref = previous;
    }
    return publish(tail.text(), tail.length());
}

TQDenv* TQGIappEnvironment()
{
    return TQGFappInstance<TQDenv>();
}
