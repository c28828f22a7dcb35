// File selection dialog: the listing. A row is an icon and a row label on
// the list area, made once and reused by index; a listing relabels and
// shows rows 0 to n-1 and leaves the others hidden.
#include "_TQCfileSelect.h"

#include "_TQCfileSelect_internal.h"
#include "_TQClist_internal.h"
#include "_TQClistData.h"
#include "_TQCscrForm.h"
#include "_TQCvifield.h"
#include "_TQCvkflabel.h"
#include "_TQDfileSystem.h"
#include "_TQGFimage.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <initializer_list>
#include <string>
#include <vector>

using namespace tqfileselect;
using tqlist::kDirIcon;
using tqlist::kFileIcon;
using tqlist::NameList;

namespace {

const long kRowHeight = 18;
// Rows 0 to 1,023 hold "parent directory" and the directories; files
// follow while their place in the file listing allows.
const long kMostDirectoryRows = 1024;
const char* const kParentDirectory = "parent directory";
const char* const kMyComputer = "My Computer";
const char* const kMyNetwork = "My Network";
const char* const kParentIcon = "$(TQDIR)/sys/pixmaps/bi18.xpm";
const short kRowBack = -11;
const short kRowText = -14;

TQClistData* namesOf(std::initializer_list<const char*> names)
{
    TQClistData* list = new TQClistData();
    for (const char* name : names)
        list->add(TQGFstrdup(name));
    return list;
}

char* writable(std::string& text)
{
    return &text[0];
}

} // namespace

void TQCfileSelect::_update_list()
{
    if (!getVisible())
        return;
    hideRows();
    if (!partsBuilt())
        return;
    // A listing made since a rebuild was left pending is the one wanted.
    m_listPending = 0;
    std::string dir = labelText(m_dirField);
    long directoryRows = 0;
    {
        // Literal names are never handed over: the list holds copies.
        NameList names(directoryNames(dir.c_str()));
        names.list->add(TQGFstrdup(kParentDirectory), 0);
        directoryRows = showDirectoryRows(names.list);
    }
    long fileRows = 0;
    if (!m_selectDir) {
        NameList files(fileNames(dir.c_str()));
        if (files.count() > 0)
            fileRows = showFileRows(files.list, directoryRows);
    }
    m_listArea->setProperty(_TQNvbarValue(), 0);
    m_listArea->setProperty(_TQNworkHeight(), kRowHeight * (directoryRows + fileRows) + 90);
    m_listArea->_redraw_scr();
}

void TQCfileSelect::hideRows()
{
    for (TQClistData* rows : {&m_iconLabels, &m_rowLabels})
        for (long i = 0; i < rows->getNum(); ++i)
            static_cast<TQCbase*>(rows->getData(i))->setVisible(0);
}

// What the file-system service lists for the mode; never null.
TQClistData* TQCfileSelect::directoryNames(const char* dir)
{
    if (m_topLevel && !m_netMode)
        return namesOf({kMyComputer, kMyNetwork});
    TQDfileSystem* fs = TQGIappFileSystem();
    TQClistData* names = nullptr;
    if (fs != nullptr) {
        std::string path = dir;
        if (m_netMode && path.empty())
            names = fs->showNetDir(writable(m_netLevel2), writable(m_netLevel1));
        else if (m_netMode && isNetworkHost(path))
            names = fs->showNetDir(writable(path), writable(m_netLevel1));
        else
            names = fs->showDir(writable(path));
    }
    return names != nullptr ? names : new TQClistData();
}

// Files are listed in network mode only once both levels are chosen.
TQClistData* TQCfileSelect::fileNames(const char* dir)
{
    TQDfileSystem* fs = TQGIappFileSystem();
    if (fs == nullptr || (m_netMode && (m_netLevel1.empty() || m_netLevel2.empty())))
        return nullptr;
    std::string path = dir;
    return fs->showFile(writable(path));
}

// Names past the last directory row get no row.
long TQCfileSelect::showDirectoryRows(TQClistData* names)
{
    const short parentIcon = TQGFimage(kParentIcon);
    const short directoryIcon = TQGFimage(kDirIcon);
    long shown = 0;
    for (long i = 0; i < names->getNum() && i < kMostDirectoryRows; ++i, ++shown)
        fillRow(i, static_cast<const char*>(names->getData(i)),
                i == 0 ? parentIcon : directoryIcon, false);
    return shown;
}

// Files failing the mask still count toward the limit.
long TQCfileSelect::showFileRows(TQClistData* names, long directoryRows)
{
    TQCvariant mask = getProperty(_TQNmaskFileName());
    std::vector<std::string> patterns = maskPatterns(mask.getCharPtrConst());
    const short fileIcon = TQGFimage(kFileIcon);
    long shown = 0;
    for (long j = 0; j < names->getNum() && directoryRows + j <= kMostDirectoryRows; ++j) {
        const char* name = static_cast<const char*>(names->getData(j));
        if (!passesMask(name, patterns))
            continue;
        fillRow(directoryRows + shown, name, fileIcon, true);
        ++shown;
    }
    return shown;
}

// Both widgets of the next row, hidden until a listing shows them.
void TQCfileSelect::makeRow()
{
    TQCvlabel* icon = makePart<TQCvlabel>(m_listArea, "fs-icon");
    TQCvkflabel* row = makePart<TQCvkflabel>(m_listArea, "fs-label");
    icon->setProperty(_TQNx(), 5);
    icon->setProperty(_TQNwidth(), 21);
    icon->setProperty(_TQNheight(), kRowHeight);
    icon->setProperty(_TQNshadowThickness(), 0);
    icon->setUserData(ROW_KEY, row);
    addInternalProcedure(icon, "lbop", "_label_btn_work", _label_btn_work, TQEV_MOUSE_PRESS);

    row->setProperty(_TQNx(), 25);
    row->setProperty(_TQNwidth(), 1000);
    row->setProperty(_TQNheight(), kRowHeight);
    row->setProperty(_TQNalignmentH(), 0);
    row->setProperty(_TQNshadowThickness(), 0);
    row->setUserData(EDIT_KEY, this);
    row->setUserData(ROW_KEY, row);
    addInternalProcedure(row, "lbop", "_label_btn_work", _label_btn_work, TQEV_MOUSE_PRESS);
    addInternalProcedure(row, "lbop", "_label_btn_key_work", _label_btn_key_work,
                         TQEV_KEY_PRESS);
    m_iconLabels.add(icon);
    m_rowLabels.add(row);
}

void TQCfileSelect::fillRow(long i, const char* name, short icon, bool isFile)
{
    while (getIconLabel(i) == nullptr)
        makeRow();
    TQCvlabel* iconLabel = getIconLabel(i);
    TQCvkflabel* row = getRowLabel(i);
    iconLabel->setProperty(_TQNy(), kRowHeight * i);
    iconLabel->setPropertyV(_TQNlabelPixmap(), icon);
    iconLabel->setProperty(_TQNbackColor(), kRowBack);
    iconLabel->setVisible(1);
    row->setProperty(_TQNy(), kRowHeight * i);
    row->setProperty(_TQNlabelString(), name);
    row->setProperty(_TQNbackColor(), kRowBack);
    row->setProperty(_TQNforeColor(), kRowText);
    row->setUserLongData(FILE_KEY, isFile ? 1 : 0);
    row->setVisible(1);
}
