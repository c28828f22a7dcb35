// Directory tree: construction and properties, the node-state map, writing a
// node and its contents, and the rebuild of the branch whose open mark the
// user changed.
#include "_TQCdirTree.h"

#include <cstring>

#include "_TQCimageSet.h"
#include "_TQClist_internal.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvlabel.h"
#include "_TQDfileSystem.h"
#include "_TQGFstring.h"

TQ_TYPE_SERVER_FRAME(TQCdirTree, TQCtreeList);

using namespace tqlist;

namespace {

const char* const kTopTitle = "My computer";
const char* const kRootTitle = "/";
// The one child of a closed drive, which is not read.
const char* const kClosedDrive = "dir-t";
// No directory row lies below this y, which a short reaches.
const long kLowestRowY = 32768;

long levelOf(TQCbase* row)
{
    return userLong(row, TQCvlabel::ROW_LEVEL);
}

TQClistData* listing(bool dirs, const std::string& path)
{
    TQDfileSystem* fs = TQGIappFileSystem();
    if (fs == nullptr)
        return nullptr;
    std::string writable = path;
    return dirs ? fs->showDir(&writable[0]) : fs->showFile(&writable[0]);
}

void replaceText(char*& field, const char* text)
{
    delete[] field;
    field = TQGFstrdup(text);
}

} // namespace

// A row's node path.
std::string TQCdirTree::pathOf(TQCbase* row)
{
    const char* path = row->getUserStringText();
    return path != nullptr ? path : "";
}

TQCdirTree::TQCdirTree(TQCbase* parent, const char* name)
    : TQCtreeList(parent, name), m_dirName(TQGFstrdup("")), m_fileName(TQGFstrdup("")),
      m_maskFileName(TQGFstrdup("")), m_rootTitle(TQGFstrdup(kRootTitle)),
      m_topTitle(TQGFstrdup(kTopTitle)), m_selectDir(1)
{
    m_iconPixmap = TQGIappImageSet()->getImageNo(kDirIcon);
    TQCregisterClass(this, VERSION, [this](Registrar& r) {
        TQ_WATCH(r, dirName, "");
        TQ_WATCH(r, fileName, "");
        TQ_WATCH(r, maskFileName, "");
        TQ_WATCH_FLAG(r, selectDir, 1, bool3);
        r.changeDefault<&TQCdirTree::m_iconPixmap>(_TQNiconPixmap(), m_iconPixmap);
        r.changeDefault<m_pixmapStyleSlot>(_TQNpixmapStyle(), 1);
        for (const char* rowSource : {_TQNdataSourceName(), _TQNdataSource(), _TQNdata()})
            r.withdraw(rowSource);
    });
}

TQCdirTree::~TQCdirTree()
{
    for (char* text : {m_dirName, m_fileName, m_maskFileName, m_rootTitle, m_topTitle})
        delete[] text;
}

// The initial values of the properties select nothing.
void TQCdirTree::setWorkTQNdirName(char* path)
{
    if (getInitialized())
        setSelectedDirName(path, 0);
}

// ---------------------------------------------------------------------------
// Node-state map

// A path not yet in the map joins it with no state.
long TQCdirTree::nodeFlags(const std::string& path)
{
    return reinterpret_cast<long>(m_nodes[path.c_str()]);
}

void TQCdirTree::setNodeFlags(const std::string& path, long flags)
{
    m_nodes.setData(path.c_str(), reinterpret_cast<void*>(flags));
}

void TQCdirTree::clearSelectedFlags()
{
    for (long i = 0; i < m_nodes.getNum(); ++i) {
        long flags = reinterpret_cast<long>(m_nodes.getData(i));
        m_nodes.setData(m_nodes.getIndex(i), reinterpret_cast<void*>(flags & ~NODE_SELECTED));
    }
}

// ---------------------------------------------------------------------------
// Writing nodes

// The row at pos takes the text when it may be written over; a shallower
// row there, or none, gets a new row before it.
TQCbase* TQCdirTree::writeRow(const char* text, long level, long pos, unsigned char overwrite)
{
    TQCbase* row = pos < getNum() ? getLabel(pos) : nullptr;
    if (row != nullptr && (overwrite || levelOf(row) >= level)) {
        row->setPropertyV(_TQNlabelString(), text);
        return row;
    }
    if (addItem(text, row != nullptr ? pos : -1) != 0)
        return nullptr;
    return getLabel(pos);
}

// Every row a rebuild writes shows the selected mark of its path's entry.
void TQCdirTree::showEntryMark(TQCbase* row, const std::string& path)
{
    long flags = reinterpret_cast<long>(m_nodes.getData(path.c_str()));
    markSelected(row, (flags & NODE_SELECTED) != 0);
}

long TQCdirTree::_adjust_dir(const char* dir, const char* name, long level, long pos,
                             long withChildren, unsigned char overwrite)
{
    if (static_cast<long>(m_itemHeight) * pos > kLowestRowY)
        return pos;
    std::string parent = dir != nullptr ? dir : "";
    std::string own = name != nullptr ? name : "";
    bool top = own.empty();
    bool drive = parent == "/";
    // A node's path is also the parent path of what lies under it.
    std::string path = top ? "/" : drive ? own : parent + "/" + own;
    TQCbase* row = writeRow(top ? m_topTitle : own.c_str(), level, pos, overwrite);
    if (row == nullptr)
        return pos;
    setItemValue(pos, 1, level);
    setItemValue(pos, 3, reinterpret_cast<long>(TQGIappImageSet()->getImageName(m_iconPixmap)));
    row->setPropertyV(_TQNuserString(), path.c_str());
    showEntryMark(row, path);
    ++pos;
    // A row written without its contents stands closed until they are read.
    if (!withChildren) {
        setUserLong(row, TQCvlabel::ROW_OPEN, 0);
        return pos;
    }

    long flags = nodeFlags(path) & ~NODE_FILE;
    bool open = (flags & NODE_OPEN) != 0;
    NameList dirs(nullptr), files(nullptr);
    if (drive && !open) {
        dirs.list = new TQClistData();
        dirs.list->add(TQGFstrdup(kClosedDrive));
    } else {
        dirs.list = listing(true, top ? "" : path);
        if (!m_selectDir)
            files.list = listing(false, top ? "" : path);
    }
    setNodeFlags(path, flags);
    if (dirs.list == nullptr && m_selectDir)
        return pos;
    setUserLong(row, TQCvlabel::ROW_OPEN, open ? 1 : 0);

    // A closed node gets one child row, for its open/close box.
    bool childWritten = false;
    for (long i = 0; i < dirs.count() && (open || i == 0); ++i) {
        long next = _adjust_dir(path.c_str(), dirs.at(i), level + 1, pos, open ? 1 : 0, overwrite);
        childWritten = childWritten || next != pos;
        pos = next;
    }
    if (files.list != nullptr && (open || !childWritten))
        pos = writeFiles(path.c_str(), files.list, level + 1, pos, open, overwrite);

    // Rows left from an earlier state of the branch go, also under a closed
    // node whose files were passed over.
    while (pos < getNum() && levelOf(getLabel(pos)) > level)
        delPos(pos);
    return pos;
}

// File rows are not bounded by the lowest row; a closed directory shows
// only its first file that passes the mask.
long TQCdirTree::writeFiles(const char* dir, TQClistData* names, long level, long pos, bool open,
                            unsigned char overwrite)
{
    for (long i = 0; i < names->getNum(); ++i) {
        const char* file = static_cast<const char*>(names->getData(i));
        if (!passesMask(file))
            continue;
        std::string path = std::string(dir) + "/" + file;
        TQCbase* row = writeRow(file, level, pos, overwrite);
        if (row == nullptr)
            break;
        row->setPropertyV(_TQNuserString(), path.c_str());
        setItemValue(pos, 1, level);
        setItemValue(pos, 3, reinterpret_cast<long>(kFileIcon));
        setNodeFlags(path, nodeFlags(path) | NODE_FILE);
        showEntryMark(row, path);
        ++pos;
        if (!open)
            break;
    }
    return pos;
}

// The text after a file's last dot must be the mask itself, case and all.
bool TQCdirTree::passesMask(const char* name) const
{
    if (m_maskFileName == nullptr || m_maskFileName[0] == '\0')
        return true;
    const char* dot = std::strrchr(name, '.');
    return dot != nullptr && std::strcmp(dot + 1, m_maskFileName) == 0;
}

// ---------------------------------------------------------------------------
// Rebuilds

// Before a rebuild the entries take the open marks of the shown rows; the
// selected row's entry alone keeps the selected flag, shown or not.
void TQCdirTree::recordShownRows()
{
    long selected = getSelectedPos();
    clearSelectedFlags();
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = getLabel(i);
        std::string path = pathOf(row);
        long flags = nodeFlags(path);
        if (row->getOwnVisible()) {
            flags &= NODE_FILE;
            if (userLong(row, TQCvlabel::ROW_OPEN) != 0 && flags == 0)
                flags |= NODE_OPEN;
        }
        if (i == selected)
            flags |= NODE_SELECTED;
        setNodeFlags(path, flags);
    }
}

// The rows of the branch at pos lose their selected marks before it is
// written again; the rows outside it keep theirs.
void TQCdirTree::unmarkBranch(long pos)
{
    long level = pos > 0 ? levelOf(getLabel(pos)) : -1;
    for (long i = pos; i < getNum(); ++i) {
        TQCbase* row = getLabel(i);
        if (i > pos && levelOf(row) <= level)
            break;
        markSelected(row, false);
    }
}

void TQCdirTree::rebuildAll()
{
    long end = _adjust_dir("", "", 0, 0, 1, 1);
    while (getNum() > end)
        delPos(end);
}

// A path without "/" is a drive's.
void TQCdirTree::rebuildBranch(long pos)
{
    if (pos == 0) {
        rebuildAll();
        return;
    }
    TQCbase* row = getLabel(pos);
    std::string path = pathOf(row);
    std::string dir = TQGFgetDirName(path.c_str()).getString(-2);
    std::string name = TQGFgetFileName(path.c_str()).getString(-2);
    if (dir == ".") {
        dir = "/";
        name = path;
    }
    _adjust_dir(dir.c_str(), name.c_str(), levelOf(row), pos, 1, 0);
}

// A file has nothing to open: a press on its box is taken back.
void TQCdirTree::_lb_adjust()
{
    long changed = getNum() > 0 ? -1 : 0;
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = getLabel(i);
        if (userLong(row, TQCvlabel::ROW_OPEN_CHANGED) == 0)
            continue;
        if ((nodeFlags(pathOf(row)) & NODE_FILE) != 0) {
            setUserLong(row, TQCvlabel::ROW_OPEN, 0);
            setUserLong(row, TQCvlabel::ROW_OPEN_CHANGED, 0);
        } else if (changed < 0) {
            changed = i;
        }
    }
    if (changed >= 0) {
        recordShownRows();
        unmarkBranch(changed);
        rebuildBranch(changed);
    }
    TQClist::_lb_adjust();
}

void TQCdirTree::_adjust()
{
    if (getNum() == 0)
        _lb_adjust();
    TQClist::_adjust();
}

void TQCdirTree::reset()
{
    m_nodes.clear();
    unmarkBranch(0);
    rebuildAll();
    updateList();
}

void TQCdirTree::setRootDirTitle(const char* title)
{
    replaceText(m_rootTitle, title != nullptr ? title : kRootTitle);
    reset();
}

void TQCdirTree::setTopTitle(const char* title)
{
    replaceText(m_topTitle, title != nullptr ? title : kTopTitle);
    reset();
}
