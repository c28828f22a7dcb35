// File selection dialog: construction, the properties and their hooks, the
// parts and their layout, showing, the chosen path and the shared
// instance. The listing and the row actions and commands have files of
// their own.
#include "_TQCfileSelect.h"

#include "_TQCfileSelect_internal.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCindexVariantData.h"
#include "_TQCinputDialog.h"
#include "_TQCscrForm.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQCvkflabel.h"
#include "_TQDappDev.h"
#include "_TQDcodeConvert.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <cstring>
#include <filesystem>
#include <system_error>

TQ_TYPE_SERVER_FRAME(TQCfileSelect, TQCbaseDialog);

using namespace tqfileselect;

const char* const TQCfileSelect::EDIT_KEY = "FS EDIT";
const char* const TQCfileSelect::ROW_KEY = "this";
const char* const TQCfileSelect::FILE_KEY = "FILE";

namespace {

// The longest text the fields take.
const unsigned short kFieldLength = 512;
const char* const kDialogIcon = "$(TQDIR)/sys/pixmaps/bi13.xpm";
const char* const kUpIcon = "$(TQDIR)/sys/pixmaps/bi15.xpm";
const char* const kMkdirIcon = "$(TQDIR)/sys/pixmaps/bi19.xpm";
// Smallest size the layout keeps.
const unsigned short kLeastWidth = 50;
const unsigned short kLeastHeight = 60;

// Read as UTF-8 and given in the application's encoding: the narrow
// getcwd would give the ANSI code page's bytes, or "?" for what it lacks.
std::string workingDirectory()
{
    std::error_code failed;
    const std::string utf8 = std::filesystem::current_path(failed).u8string();
    if (failed)
        return std::string();
    TQCstring text(utf8.c_str(), TQENC_UTF8);
    const char* own = text.getString(-2);
    if (own == nullptr || std::strlen(own) >= kDirBufferSize)
        return std::string();
    return forwardSlashes(own);
}

// The stored copy a get hook hands out, replaced by the new text.
void replaceCopy(char*& stored, char** value, const std::string& text)
{
    delete[] stored;
    stored = TQGFstrdup(text.c_str());
    *value = stored;
}

// A title (text, left, no frame, no margins) or, with a null text, a
// separator line; then shown.
TQCvlabel* styleLabel(TQCvlabel* label, const char* text)
{
    if (text == nullptr) {
        label->setProperty(_TQNshadowThickness(), 1);
        label->setProperty(_TQNshadowType(), 1);
    } else {
        label->setProperty(_TQNlabelString(), text);
        label->setProperty(_TQNalignmentH(), 0);
        label->setProperty(_TQNshadowType(), -1);
        TQGFsetMargin(label, 0);
    }
    label->setVisible(1);
    return label;
}

} // namespace

TQCfileSelect::TQCfileSelect(TQCbase* parent, const char* name)
    : TQCbaseDialog(parent, name), m_iconLabels(16), m_rowLabels(16), m_selectDir(0),
      m_listPending(1), m_topLevel(0), m_netMode(0)
{
    m_no = 0;
    m_width = 250;
    m_height = 300;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, dirName, "");
        TQ_WATCH(r, fileName, "");
        TQ_WATCH(r, maskFileName, "");
        TQ_WATCH_FLAG(r, selectDir, 0, bool3);
        TQ_WATCH(r, workBackColor, -10);
        r.changeDefault<TQCflagOf<m_noSlot>>(_TQNno(), 0);
        r.changeDefault<&TQCfileSelect::m_width>(_TQNwidth(), 250);
        r.changeDefault<&TQCfileSelect::m_height>(_TQNheight(), 300);
        for (const char* withdrawn : {_TQNno(), _TQNnoString(), _TQNshadowThickness()})
            r.withdraw(withdrawn);
    });
}

TQCfileSelect::~TQCfileSelect()
{
    for (char* text : {m_dirName, m_fileName, m_maskFileName})
        delete[] text;
}

// ---------------------------------------------------------------------------
// Parts

long TQCfileSelect::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(false);
    m_workForm->setInstanceName("FS-area");
    buildFields();
    buildButtons();
    buildListArea();

    applyMadeValues();
    // Worked out where the dialog is made, so no made value: a dialog saved
    // with an empty directory opens in the loading program's directory.
    setProperty(_TQNdirName(), workingDirectory().c_str());
    setProperty(_TQNmaskFileName(), "");
    setProperty(_TQNfileName(), "");
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

void TQCfileSelect::getMadeValues(TQCindexVariantData* values)
{
    TQCbaseDialog::getMadeValues(values);
    values->setData(_TQNlabelPixmap(), TQCvariant(kDialogIcon));
    values->setData(_TQNtitleString(), TQCvariant("FileSelection"));
}

// The three fields share their look; each finds the dialog through its
// user data.
void TQCfileSelect::buildFields()
{
    const long W = m_width;
    const long H = m_height;
    m_separator1 = styleLabel(makePart<TQCvlabel>(m_workForm, "FS-sp1"), nullptr);
    TQGFsetGeometry(m_separator1, 0, 30, W - 2, 2);
    TQCvlabel* fileTitle = styleLabel(makePart<TQCvlabel>(m_workForm, "fs-dtitle"), "FILE:");
    TQGFsetGeometry(fileTitle, 5, 7, 40, 16);
    m_separator2 = styleLabel(makePart<TQCvlabel>(m_workForm, "FS-sp2"), nullptr);
    TQGFsetGeometry(m_separator2, 0, H - 100, W - 2, 2);
    m_dirTitle = styleLabel(makePart<TQCvlabel>(m_workForm, "fs-dtitle"), "DIR:");
    TQGFsetGeometry(m_dirTitle, 5, H - 93, 40, 16);
    m_maskTitle = styleLabel(makePart<TQCvlabel>(m_workForm, "fs-dtitle3"), "TYPE:");
    TQGFsetGeometry(m_maskTitle, 5, H - 68, 40, 16);

    struct Field {
        TQCvifield** field;
        const char* name;
        short y;
        unsigned short width;
        const char* text;
        const char* procName;
        TQCprocedureFunction proc;
    };
    for (const Field& f :
         {Field{&m_fileField, "fs_dir_if", 5, static_cast<unsigned short>(W - 52), "", "aifop",
                _set_btn_work},
          Field{&m_dirField, "fs_dir_if", static_cast<short>(H - 95),
                static_cast<unsigned short>(W - 77), "", "dirop", _dir_if_work},
          Field{&m_maskField, "fs_mask_if", static_cast<short>(H - 70),
                static_cast<unsigned short>(W - 77), "*", "dirop", _dir_if_work}}) {
        TQCvifield* field = makePart<TQCvifield>(m_workForm, f.name);
        TQGFsetGeometry(field, 45, f.y, f.width, 20);
        field->setProperty(_TQNshadowThickness(), 1);
        field->setProperty(_TQNshadowType(), 1);
        field->setProperty(_TQNmaxLength(), kFieldLength);
        field->setProperty(_TQNinterCur(), 1);
        field->setProperty(_TQNfillSpace(), 0);
        field->setProperty(_TQNlabelString(), f.text);
        field->setUserData(EDIT_KEY, this);
        addInternalProcedure(field, f.procName, f.procName, f.proc, TQEV_ACTIVATE);
        field->setVisible(1);
        *f.field = field;
    }
}

void TQCfileSelect::buildButtons()
{
    struct Button {
        TQCvbtn** button;
        short y;
        const char* icon;
        const char* procName;
        TQCprocedureFunction proc;
    };
    for (const Button& b :
         {Button{&m_upButton, static_cast<short>(m_height - 95), kUpIcon, "upop", _up_btn_work},
          Button{&m_mkdirButton, static_cast<short>(m_height - 70), kMkdirIcon, "mkdirop",
                 _mkdir_btn_work}}) {
        TQCvbtn* button = makePart<TQCvbtn>(m_workForm, "pe-end-btn");
        TQGFsetGeometry(button, m_width - 27, b.y, 20, 20);
        button->setProperty(_TQNforeColor(), "black");
        button->setProperty(_TQNlabelPixmap(), b.icon);
        button->setProperty(_TQNshadowThickness(), 1);
        TQGFsetMargin(button, 0);
        button->setUserData(EDIT_KEY, this);
        addInternalProcedure(button, b.procName, b.procName, b.proc, TQEV_ACTIVATE);
        button->setVisible(1);
        *b.button = button;
    }
}

void TQCfileSelect::buildListArea()
{
    TQCscrForm* area = makePart<TQCscrForm>(m_workForm, "fs-area2");
    TQGFsetGeometry(area, 5, 36, m_width - 12, m_height - 140);
    area->setProperty(_TQNworkHeight(), 3500);
    area->setProperty(_TQNhbarVisible(), 0);
    area->setProperty(_TQNshadowType(), 1);
    area->setProperty(_TQNbarShadowColor(), -12);
    area->setProperty(_TQNbackColor(), m_workBackColor);
    area->setProperty(_TQNscrollHeight(), 18);
    area->setProperty(_TQNincrement(), 30);
    area->setProperty(_TQNpageIncrement(), 100);
    area->setProperty(_TQNpixmapStyle(), 1);
    area->setVisible(1);
    m_listArea = area;
}

TQCvkflabel* TQCfileSelect::getRowLabel(long i)
{
    return i >= 0 && i < m_rowLabels.getNum() ? static_cast<TQCvkflabel*>(m_rowLabels.getData(i))
                                              : nullptr;
}

TQCvlabel* TQCfileSelect::getIconLabel(long i)
{
    return i >= 0 && i < m_iconLabels.getNum() ? static_cast<TQCvlabel*>(m_iconLabels.getData(i))
                                               : nullptr;
}

// ---------------------------------------------------------------------------
// Layout

void TQCfileSelect::onGuiPolicyChange(long policy)
{
    if (!partsBuilt())
        return;
    LifeGuard guard(this);
    styleWithWorkForm(policy);
    if (guard.alive())
        m_listArea->setProperty(_TQNshadowThickness(),
                                (policy & TQCguiPolicy::LOOK_A) != 0 ? 1 : 2);
}

// The size fields themselves are raised, so that the window takes the
// raised size too.
void TQCfileSelect::_adjust()
{
    if (!partsBuilt())
        return;
    if (m_width < kLeastWidth)
        m_width = kLeastWidth;
    if (m_height + workFormExtra() < kLeastHeight)
        m_height = kLeastHeight;
    long d = 0;
    adjustWorkForm(&d);
    const long W = m_width;
    const long H = m_height + d;
    m_fileField->setProperty(_TQNwidth(), W - 52);
    TQGFsetGeometry(m_separator1, 0, 30, W - 2, 2);
    TQGFsetGeometry(m_separator2, 0, H - 100, W - 2, 2);
    m_dirTitle->setProperty(_TQNy(), H - 93);
    m_maskTitle->setProperty(_TQNy(), H - 68);
    TQGFsetGeometry(m_dirField, 45, H - 95, W - 77, 20);
    TQGFsetGeometry(m_maskField, 45, H - 70, W - 77, 20);
    TQGFsetGeometry(m_upButton, W - 27, H - 95, 20, 20);
    TQGFsetGeometry(m_mkdirButton, W - 27, H - 70, 20, 20);
    m_listArea->setProperty(_TQNwidth(), W - 12);
    m_listArea->setProperty(_TQNheight(), m_height > 140 ? H - 140 : 1);
    m_listArea->setProperty(_TQNpageIncrement(), m_height > 158 ? H - 158 : 1);
}

void TQCfileSelect::onResize(TQCrect* rect)
{
    if (rect != nullptr && partsBuilt()) {
        TQCrect raised = *rect;
        if (raised.width < kLeastWidth)
            raised.width = kLeastWidth;
        if (raised.height + workFormExtra() < kLeastHeight)
            raised.height = kLeastHeight;
        TQCbaseDialog::onResize(&raised);
        return;
    }
    TQCbaseDialog::onResize(rect);
}

void TQCfileSelect::setWorkTQNwidth(unsigned short w)
{
    _adjust();
    TQCbaseDialog::setWorkTQNwidth(partsBuilt() ? m_width : w);
}

void TQCfileSelect::setWorkTQNheight(unsigned short h)
{
    _adjust();
    TQCbaseDialog::setWorkTQNheight(partsBuilt() ? m_height : h);
}

// ---------------------------------------------------------------------------
// Properties

std::string TQCfileSelect::dirText(bool leading, bool trailing)
{
    return forwardSlashes(trimBlanks(labelText(m_dirField), leading, trailing));
}

void TQCfileSelect::setDirText(const std::string& text)
{
    m_dirField->setProperty(_TQNlabelString(), text.c_str());
}

// The "." forms stand for the working directory, except in the builder.
void TQCfileSelect::setWorkTQNdirName(char* text)
{
    if (!partsBuilt())
        return;
    std::string dir = text != nullptr ? text : "";
    if (!getPropertyEditMode() && !dir.empty() && dir[0] == '.')
        dir = expandDirName(dir, workingDirectory());
    setDirText(forwardSlashes(dir));
    if (getVisible())
        _update_list();
}

void TQCfileSelect::getWorkTQNdirName(char** value)
{
    if (partsBuilt())
        replaceCopy(m_dirName, value, dirText(true, true));
}

void TQCfileSelect::setWorkTQNfileName(char* text)
{
    if (partsBuilt())
        m_fileField->setProperty(_TQNlabelString(),
                                 forwardSlashes(text != nullptr ? text : "").c_str());
}

void TQCfileSelect::getWorkTQNfileName(char** value)
{
    if (partsBuilt())
        replaceCopy(m_fileName, value, forwardSlashes(trimBlanks(labelText(m_fileField))));
}

void TQCfileSelect::setWorkTQNmaskFileName(char* text)
{
    if (!partsBuilt())
        return;
    m_maskField->setProperty(_TQNlabelString(), text != nullptr ? text : "");
    if (getVisible())
        _update_list();
}

void TQCfileSelect::getWorkTQNmaskFileName(char** value)
{
    if (partsBuilt())
        replaceCopy(m_maskFileName, value, labelText(m_maskField));
}

// Choosing a directory leaves nothing to type as the file.
void TQCfileSelect::setWorkTQNselectDir(TQCbool on)
{
    if (!partsBuilt())
        return;
    m_fileField->setProperty(_TQNdet(), on ? 0 : 1);
    m_fileField->setProperty(_TQNbackColor(), on ? -10 : -11);
}

void TQCfileSelect::setWorkTQNworkBackColor(short color)
{
    if (!partsBuilt())
        return;
    recolourWorkForm(color);
    m_listArea->setProperty(_TQNbackColor(), color);
}

// ---------------------------------------------------------------------------
// Showing

void TQCfileSelect::update()
{
    if (m_listPending && partsBuilt() && getVisible())
        _update_list();
    TQCbaseDialog::update();
}

// A new listing starts at the top with "parent directory" pressed, so that
// OK goes up until another row is pressed.
void TQCfileSelect::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCbaseDialog::onVisibleChange(on);
    if (!guard.alive() || !on || !partsBuilt())
        return;
    listFromTop();
    pressFirstRow();
    if (guard.alive())
        specialFocusToButtons();
}

void TQCfileSelect::listFromTop()
{
    _update_list();
    m_listArea->setProperty(_TQNhbarValue(), 0);
    m_listArea->setProperty(_TQNvbarValue(), 0);
}

// OK first, then the button the focus-button choice names.
void TQCfileSelect::specialFocusToButtons()
{
    LifeGuard guard(this);
    m_okBtn->setSpecialFocus(1);
    if (!guard.alive() || !getVisible())
        return;
    if (TQCvbtn* button = getDefaultButton())
        button->setSpecialFocus(1);
}

void TQCfileSelect::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCbaseDialog::onParentVisibleChange(on);
    if (!guard.alive() || !on || !partsBuilt())
        return;
    listFromTop();
    m_listPending = 1;
    needUpdate();
}

// ---------------------------------------------------------------------------
// The chosen path

char* TQCfileSelect::getFileName()
{
    // A directory and a file name of the fields' longest, the "/" between
    // them and the terminator.
    static char buf[2 * kFieldLength + 2];
    TQCvariant file = getProperty(_TQNfileName());
    TQCvariant dir = getProperty(_TQNdirName());
    const char* fileText = file.getCharPtrConst();
    const char* dirText = dir.getCharPtrConst();
    composeFileName(buf, sizeof buf, dirText != nullptr ? dirText : "",
                    fileText != nullptr ? fileText : "", m_selectDir != 0);
    return buf;
}

TQCfileSelect* TQGIappFileSelect()
{
    static TQCfileSelect* __the_app_file_select = nullptr;
    if (__the_app_file_select != nullptr)
        return __the_app_file_select;
    __the_app_file_select = new TQCfileSelect(nullptr, "app-fselect");
    __the_app_file_select->initialize();
    __the_app_file_select->setPropertyV(_TQNwidth(), static_cast<unsigned short>(300));
    __the_app_file_select->setPropertyV(_TQNheight(), static_cast<unsigned short>(400));
    return __the_app_file_select;
}
