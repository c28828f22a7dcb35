// List: sorting the rows by one column of their text, ascending or
// descending, from the program or from a click on a column title. The row
// labels themselves move, so selection and row data go with them.
#include "_TQClist.h"

#include <cstring>
#include <string>
#include <vector>

#include "_TQClist_internal.h"
#include "_TQCsform.h"

using namespace tqlist;

namespace {

const char* const kDirection = "SORT-DIR";
const char* const kRetry = "SORT-RETRY";
const char* const kKey = "SORT-STR";
const char* const kOwnerList = "p-list";
const char* const kButtonColumn = "btn-pos";

// A row's sort key and whole text.
struct SortEntry {
    TQCbase* row;
    std::string key;
    std::string text;
};

// Equal keys are ordered by the whole text; bytes compare as strcmp does.
bool greater(const SortEntry& placed, const SortEntry& added)
{
    int byKey = std::strcmp(placed.key.c_str(), added.key.c_str());
    if (byKey == 0)
        return std::strcmp(placed.text.c_str(), added.text.c_str()) > 0;
    return byKey > 0;
}

} // namespace

// The first sort of a column is ascending; each further one on the same
// column turns the order round.
void TQClist::onSort()
{
    long column = m_sortColumn;
    bool descending = userLong(this, kDirection) == column + 1;
    setUserLong(this, kDirection, descending ? -(column + 1) : column + 1);
    const char* separator = getSeparator();
    long n = getNum();
    // Kept in place while the sort runs: each row's SORT-STR points here.
    std::vector<SortEntry> entries;
    entries.reserve(static_cast<size_t>(n));
    std::vector<const SortEntry*> order;
    for (long i = 0; i < n; ++i) {
        TQCbase* row = rowAt(i);
        TQCstring text(row->getProperty(_TQNlabelString()), -2);
        entries.push_back({row, text.getWord(column, separator, -2).getString(), text.getString()});
        const SortEntry* entry = &entries.back();
        row->setUserData(kKey, const_cast<char*>(entry->key.c_str()));
        size_t at = 0;
        while (at < order.size() && !greater(*order[at], *entry))
            ++at;
        order.insert(order.begin() + static_cast<long>(at), entry);
    }
    m_labels.clear();
    for (const SortEntry* entry : order) {
        entry->row->setUserData(kKey, nullptr);
        m_labels.add(entry->row, descending ? 0 : -1);
    }
    _lb_adjust();
    setUserLong(this, kRetry, 0);
    execProcedure(TRIGGER_SORT);
}

long TQClist::sort(long col, char dir)
{
    long previous = m_sortColumn;
    setSortPos(col);
    long done = userLong(this, kDirection);
    switch (dir) {
    case 1:
        if (done == col + 1 && previous == col)
            setUserLong(this, kRetry, 1);
        setUserLong(this, kDirection, -(col + 1));
        break;
    case 2:
        if (done != col + 1 && previous == col)
            setUserLong(this, kRetry, 1);
        setUserLong(this, kDirection, col + 1);
        break;
    case 3:
        break;
    default:
        return 0;
    }
    onSort();
    return 0;
}

long TQClist::getSortOrder(long col)
{
    return userLong(this, kDirection) == col + 1 ? 1 : 2;
}

// A press that took a divider of the title bar is a drag, even when the
// button it landed on moves with the divider and is let go over.
void TQClist::_btn_activate(TQCbase* button)
{
    TQClist* list = static_cast<TQClist*>(button->getUserData(kOwnerList));
    if (list == nullptr || (list->m_titleBar != nullptr && list->m_titleBar->getStatus()))
        return;
    list->setSortPos(userLong(button, kButtonColumn));
    list->onSort();
}
