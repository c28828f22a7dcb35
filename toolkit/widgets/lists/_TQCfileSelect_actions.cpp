// File selection dialog: what presses and keys on the rows, the up and
// new-directory buttons, Return in the fields and OK do. Navigation rewrites
// the DIR field's text and the browsing mode and lists again; accepting
// hides the dialog with the answer 1, which ends popup().
#include "_TQCfileSelect.h"

#include "_TQCbaseList.h"
#include "_TQCfileSelect_internal.h"
#include "_TQCinputDialog.h"
#include "_TQClocaleSet.h"
#include "_TQCmessageDialog.h"
#include "_TQCscrForm.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQCvkflabel.h"
#include "_TQDfileSystem.h"
#include "_TQDkeyboard.h"
#include "_TQGFdebug.h"

#include <algorithm>

using namespace tqfileselect;

namespace {

const char* const kParentDirectory = "parent directory";
const char* const kMyComputer = "My Computer";
const char* const kMyNetwork = "My Network";
const short kHighlightBack = -7;
const short kHighlightText = -18;
const short kRowBack = -11;
const short kRowText = -14;
// A press this soon after one on the same row makes a double press.
const long kDoublePressMs = 249;

// The last press on a file row and on a directory row, shared by every
// file selection dialog.
struct Press {
    TQCbase* bk_obj = nullptr;
    long bk_time = 0;

    // A difference below zero (the clock restarted at midnight) counts too.
    bool repeatedOn(TQCbase* row, long now) const
    {
        return bk_obj == row && now - bk_time <= kDoublePressMs;
    }
};
Press g_filePress;
Press g_directoryPress;

short shortOf(TQCbase* object, const char* property)
{
    short value = 0;
    object->getPropertyV(property, &value);
    return value;
}

void setColours(TQCbase* row, short back, short text)
{
    row->setProperty(_TQNbackColor(), back);
    row->setProperty(_TQNforeColor(), text);
}

} // namespace

// Buttons and fields carry the dialog; a row widget carries its row label,
// which carries the dialog.
TQCfileSelect* TQCfileSelect::dialogOf(TQCbase* widget)
{
    if (TQCbase* row = static_cast<TQCbase*>(widget->getUserData(ROW_KEY)))
        widget = row;
    return static_cast<TQCfileSelect*>(widget->getUserData(EDIT_KEY));
}

// ---------------------------------------------------------------------------
// Rows

void TQCfileSelect::_label_btn_work(TQCbase* widget)
{
    if (TQCfileSelect* dialog = dialogOf(widget))
        dialog->pressRow(widget);
}

void TQCfileSelect::pressRow(TQCbase* widget)
{
    TQCbase* row = static_cast<TQCbase*>(widget->getUserData(ROW_KEY));
    if (row == nullptr)
        return;
    scrollIntoView(widget);
    if (row->getUserLongData(FILE_KEY) != 0)
        pressFileRow(row);
    else
        pressDirectoryRow(row);
}

// The row comes into view with 40 pixels to spare below it.
void TQCfileSelect::scrollIntoView(TQCbase* widget)
{
    const long y = shortOf(widget, _TQNy());
    const long v = m_listArea->getVbarValue();
    const long h = m_listArea->getProperty(_TQNheight()).getLong();
    if (y < v)
        m_listArea->setProperty(_TQNvbarValue(), y);
    if (h + v < y + 40)
        m_listArea->setProperty(_TQNvbarValue(), std::max(0L, y - h + 40));
}

void TQCfileSelect::highlightRow(TQCbase* pressed)
{
    for (long i = 0; i < m_rowLabels.getNum(); ++i) {
        TQCbase* row = static_cast<TQCbase*>(m_rowLabels.getData(i));
        if (row == pressed)
            setColours(row, kHighlightBack, kHighlightText);
        else
            setColours(row, kRowBack, kRowText);
        if (row->getVisible())
            row->redraw();
    }
}

// A single press chooses the file; a double press accepts it.
void TQCfileSelect::pressFileRow(TQCbase* row)
{
    const long now = TQGFclocktime();
    LifeGuard guard(this);
    if (!g_filePress.repeatedOn(row, now)) {
        g_filePress = Press{row, now};
        if (!m_selectDir)
            m_fileField->setProperty(_TQNlabelString(), labelText(row).c_str());
        highlightRow(row);
        row->setFocus(1);
        if (guard.alive())
            m_okBtn->setSpecialFocus(1);
        return;
    }
    g_filePress = Press{};
    void* handler = m_replyHandler;
    if (!getPropertyEditMode())
        setVisible(0);
    if (!guard.alive())
        return;
    setStatus(STATUS_OK);
    if (handler != nullptr) {
        reinterpret_cast<ReplyHandler>(handler)(this);
        TQGIappObjectList()->execUpdate();
    }
}

// A single press highlights; a double press goes up or into the directory.
void TQCfileSelect::pressDirectoryRow(TQCbase* row)
{
    const std::string name = labelText(row);
    LifeGuard guard(this);
    highlightRow(row);
    row->setFocus(1);
    if (!guard.alive())
        return;
    const long now = TQGFclocktime();
    if (!g_directoryPress.repeatedOn(row, now)) {
        g_directoryPress = Press{row, now};
        return;
    }
    g_directoryPress = Press{};
    browseTo(name == kParentDirectory ? goUp(UP_PRESS) : enterDirectory(name));
}

// Highlights "parent directory" and gives it the focus. The dialog's own
// press does not count toward a double press: OK right after it must go up
// one level, not two.
void TQCfileSelect::pressFirstRow()
{
    TQCbase* first = getRowLabel(0);
    if (first == nullptr || !first->getOwnVisible())
        return;
    pressRow(first);
    g_directoryPress = Press{};
}

// Up and Down press the row above or below.
void TQCfileSelect::_label_btn_key_work(TQCbase* row)
{
    TQCfileSelect* dialog = dialogOf(row);
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (dialog == nullptr || keyboard == nullptr)
        return;
    const long key = keyboard->getKey();
    if (key != TQDkeyboard::KEY_UP && key != TQDkeyboard::KEY_DOWN)
        return;
    long i = 0;
    while (i < dialog->m_rowLabels.getNum() && dialog->m_rowLabels.getData(i) != row)
        ++i;
    TQCbase* target = nullptr;
    if (key == TQDkeyboard::KEY_UP && i > 0)
        target = dialog->getRowLabel(i - 1);
    else if (key == TQDkeyboard::KEY_DOWN)
        target = dialog->getRowLabel(i + 1);
    if (target != nullptr && target->getOwnVisible())
        dialog->pressRow(target);
}

// ---------------------------------------------------------------------------
// Navigation

void TQCfileSelect::browseTo(const std::string& text)
{
    setDirText(text);
    _update_list();
}

void TQCfileSelect::clearNetLevels()
{
    m_netLevel1.clear();
    m_netLevel2.clear();
}

// Above a drive comes the drive list, above that the top level; in the
// network the chosen names are given up one by one.
std::string TQCfileSelect::goUp(UpVariant variant)
{
    const std::string before = labelText(m_dirField);
    std::string text = dirText(false, true);
    if (variant != UP_BUTTON && isNetworkHost(text)) {
        text.clear();
        if (variant == UP_OK || m_netLevel1.empty() || m_netLevel2.empty()) {
            m_netMode = 0;
            clearNetLevels();
        }
    }
    text = parentDirectory(text);
    m_topLevel = 0;
    if (!text.empty())
        return text;
    if (variant == UP_OK) {
        if (before.empty())
            m_topLevel = 1;
    } else if (!m_netLevel2.empty()) {
        m_netLevel2.clear();
    } else if (!m_netLevel1.empty()) {
        m_netLevel1.clear();
    } else if (before.empty()) {
        m_topLevel = 1;
        m_netMode = 0;
        clearNetLevels();
    }
    return text;
}

// A name at the top level picks a mode, in the network's first two levels
// a network name; anywhere else it is a directory below the DIR text (the
// name alone below the drive list, so that a drive stays "C:").
std::string TQCfileSelect::enterDirectory(const std::string& name)
{
    if (name == kMyComputer || name == kMyNetwork) {
        m_topLevel = 0;
        m_netMode = name == kMyNetwork ? 1 : 0;
        clearNetLevels();
        return std::string();
    }
    if (m_netMode && m_netLevel1.empty()) {
        m_netLevel1 = name;
        m_netLevel2.clear();
        return std::string();
    }
    if (m_netMode && m_netLevel2.empty()) {
        m_netLevel2 = name;
        return std::string();
    }
    const std::string dir = labelText(m_dirField);
    return forwardSlashes(dir.empty() ? dir : dir + "/") + name;
}

void TQCfileSelect::_up_btn_work(TQCbase* button)
{
    if (TQCfileSelect* dialog = dialogOf(button))
        dialog->browseTo(dialog->goUp(UP_BUTTON));
}

void TQCfileSelect::_dir_if_work(TQCbase* field)
{
    if (TQCfileSelect* dialog = dialogOf(field))
        dialog->_update_list();
}

// Return in the FILE field: OK's own step, which acts only on an answer of
// OK; the field's Return reaches the OK button first while it holds the
// special focus.
void TQCfileSelect::_set_btn_work(TQCbase* field)
{
    if (TQCfileSelect* dialog = dialogOf(field))
        dialog->onActivate();
}

// ---------------------------------------------------------------------------
// OK

TQCbase* TQCfileSelect::highlightedDirectoryRow()
{
    for (long i = 0; i < m_rowLabels.getNum(); ++i) {
        TQCbase* row = static_cast<TQCbase*>(m_rowLabels.getData(i));
        if (row->getOwnVisible() && row->getUserLongData(FILE_KEY) == 0 &&
            shortOf(row, _TQNbackColor()) == kHighlightBack)
            return row;
    }
    return nullptr;
}

void TQCfileSelect::accept()
{
    LifeGuard guard(this);
    setVisible(0);
    if (guard.alive())
        TQCbaseDialog::onActivate();
}

// The base's OK sets the answer 1 first and takes it back while the dialog
// stays up.
void TQCfileSelect::onActivate()
{
    if (getStatus() != STATUS_OK)
        return;
    if (m_selectDir) {
        accept();
        return;
    }
    if (m_dirField->getFocus()) {
        browseTo(dirText(false, true));
        return;
    }
    if (TQCbase* row = highlightedDirectoryRow()) {
        const std::string name = labelText(row);
        LifeGuard guard(this);
        browseTo(name == kParentDirectory ? goUp(UP_OK) : enterDirectory(name));
        if (guard.alive())
            pressFirstRow();
        return;
    }
    TQCvariant file = getProperty(_TQNfileName());
    if (file.getCharPtrConst() != nullptr && file.getCharPtrConst()[0] != '\0')
        accept();
    else
        _update_list();
}

// ---------------------------------------------------------------------------
// New directory

void TQCfileSelect::_mkdir_btn_work(TQCbase* button)
{
    if (TQCfileSelect* dialog = dialogOf(button))
        dialog->makeDirectory();
}

// The same input dialog serves every use and shows the name typed last.
// The file dialog stops being modal while the nested dialogs are up.
void TQCfileSelect::makeDirectory()
{
    LifeGuard guard(this);
    if (m_mkdirDialog == nullptr) {
        m_mkdirDialog = new TQCinputDialog(this, "fs-mkdir-dlg");
        m_mkdirDialog->initialize();
        m_mkdirDialog->setInternalObject(1);
        m_mkdirDialog->setProperty(_TQNdefaultPosition(), 1);
        m_mkdirDialog->setProperty(_TQNtitleString(), "Input new directory name");
        m_mkdirDialog->setProperty(_TQNlabelString(), "");
        m_mkdirDialog->setProperty(_TQNwidth(), 500);
        m_mkdirDialog->setProperty(_TQNheight(), 120);
    }
    const bool wasModal = m_modal != 0;
    if (wasModal)
        setProperty(_TQNmodal(), 0);
    TQCinputDialog* input = m_mkdirDialog;
    LifeGuard inputGuard(input);
    input->setProperty(_TQNmodal(), 1);
    const long answer = input->popup();
    if (!guard.alive() || !inputGuard.alive())
        return;
    input->setProperty(_TQNmodal(), 0);
    if (answer == STATUS_OK) {
        if (createDirectory(newDirectoryPath()))
            _update_list();
        else
            tellCannotCreate();
    }
    if (guard.alive() && wasModal)
        setProperty(_TQNmodal(), 1);
}

// In the platform's form: the DIR text and the typed name joined by "\".
std::string TQCfileSelect::newDirectoryPath()
{
    std::string path = dirText(true, true) + "/" + trimBlanks(labelText(m_mkdirDialog));
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Made only when nothing is there yet; it counts as made only when a
// directory is there afterwards.
bool TQCfileSelect::createDirectory(const std::string& path)
{
    TQDfileSystem* fs = TQGIappFileSystem();
    if (fs == nullptr)
        return false;
    std::string name = path;
    long found = fs->check(&name[0]);
    if (found == 0) {
        if (fs->createDir(&name[0]) != 0)
            return false;
        found = fs->check(&name[0]);
    }
    return (found & TQDfileSystem::CHECK_DIR) != 0;
}

void TQCfileSelect::tellCannotCreate()
{
    std::string message = TQGFgettext("F:TQSTRCannot create directory:");
    message += labelText(m_mkdirDialog);
    message += TQGFgettext("G:TQSTR.");
    TQCmessageDialog* box = TQGIappMessageDialog();
    LifeGuard guard(box);
    box->setProperty(_TQNlabelString(), message.c_str());
    box->setProperty(_TQNwidth(), 500);
    box->setProperty(_TQNheight(), 135);
    box->setProperty(_TQNmodal(), 1);
    box->setProperty(_TQNdefaultPosition(), 1);
    box->popup();
    if (guard.alive())
        box->setProperty(_TQNmodal(), 0);
}
