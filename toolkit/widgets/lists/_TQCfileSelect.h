// The file selection dialog: above the command bar a FILE field, the list of
// the current directory's entries (its directories, then the files that
// pass the mask), a DIR field, a TYPE (mask) field, an up button and a
// new-directory button. It browses drives, directories and the network,
// and answers 1 from popup() once a file (or, with selectDir, a directory)
// is chosen; getFileName() then gives the path. The application shares one
// instance, TQGIappFileSelect().
#ifndef _TQCFILESELECT_H
#define _TQCFILESELECT_H

#include "_TQCbaseDialog.h"

#include <string>

class TQCinputDialog;
class TQCscrForm;
class TQCvifield;
class TQCvkflabel;

class TQCfileSelect : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCfileSelect, TQCbaseDialog, 1001, 1000)
    TQCfileSelect(TQCbase* parent, const char* name);
    // Frees the property copies; the rows belong to the widget tree.
    ~TQCfileSelect() override;

    // The base dialog, then the fields, labels, buttons and list area on
    // the work form "FS-area"; the DIR field shows the working directory,
    // the TYPE and FILE fields are empty. 0.
    long initialize() override;
    // The dialog's icon and title.
    void getMadeValues(TQCindexVariantData* values) override;
    // A size below 50 x 60 is raised to it before the base lays it out.
    void onResize(TQCrect* rect) override;
    // Shown: the listing is rebuilt from the top with "parent directory"
    // pressed, so that OK goes up; OK keeps the Return key.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    void onGuiPolicyChange(long policy) override;
    // Rebuilds a listing left pending, then the window's update.
    void update() override;
    void adjustForm() override { _adjust(); }
    // OK: accepts the choice, or goes up or into the highlighted directory.
    void onActivate() override;

    TQ_PROPERTY_OWN_HOOKS(dirName, char*)
    TQ_PROPERTY_OWN_HOOKS(fileName, char*)
    TQ_PROPERTY_OWN_HOOKS(maskFileName, char*)
    TQ_PROPERTY_WORK_HOOK(selectDir, TQCbool)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
    void setWorkTQNwidth(unsigned short w) override;
    void setWorkTQNheight(unsigned short h) override;

    // The path chosen, in a buffer the next call overwrites: the file name
    // alone while the directory is empty, the directory alone with
    // selectDir, else directory "/" file name (also after a drive: C:/a.wav).
    char* getFileName();

    // Fills the list area from the DIR field's text, the mode and the mask;
    // nothing while the dialog is hidden.
    void _update_list();
    // Lays the parts out for the dialog's size.
    void _adjust();

    // Internal procedures, each given the widget that fired.
    static void _dir_if_work(TQCbase* field);
    static void _label_btn_work(TQCbase* widget);
    static void _label_btn_key_work(TQCbase* row);
    static void _up_btn_work(TQCbase* button);
    static void _mkdir_btn_work(TQCbase* button);
    static void _set_btn_work(TQCbase* field);

    // The parts; null before initialize().
    TQCvifield* getDirField() const { return m_dirField; }
    TQCvifield* getFileField() const { return m_fileField; }
    TQCvifield* getMaskField() const { return m_maskField; }
    TQCscrForm* getListArea() const { return m_listArea; }
    TQCvbtn* getUpButton() const { return m_upButton; }
    TQCvbtn* getMkdirButton() const { return m_mkdirButton; }
    // Made by the first new-directory command.
    TQCinputDialog* getMkdirDialog() const { return m_mkdirDialog; }
    // Row i of the listing, made by a listing that reached it; null else.
    TQCvkflabel* getRowLabel(long i);
    TQCvlabel* getIconLabel(long i);
    long getRowCount() const { return m_rowLabels.getNum(); }
    // The browsing mode: the top level lists "My Computer" and "My
    // Network"; network mode browses the names below the network.
    bool isTopLevel() const { return m_topLevel != 0; }
    bool isNetMode() const { return m_netMode != 0; }

    // Row user data: the dialog, the row label, and 1 for a file row.
    static const char* const EDIT_KEY;
    static const char* const ROW_KEY;
    static const char* const FILE_KEY;

private:
    // The three ways of going up a level: a double press on "parent
    // directory", the up button, OK on a highlighted "parent directory".
    enum UpVariant { UP_PRESS, UP_BUTTON, UP_OK };

    bool partsBuilt() const { return m_listArea != nullptr; }
    void buildFields();
    void buildButtons();
    void buildListArea();
    // The DIR field's text with the chosen blanks removed and "/" for "\".
    std::string dirText(bool leading, bool trailing);
    void setDirText(const std::string& text);
    // Shows text as the DIR field's and lists it.
    void browseTo(const std::string& text);
    // Lists and scrolls the list area back to its origin.
    void listFromTop();

    // Listing steps.
    void hideRows();
    TQClistData* directoryNames(const char* dir);
    TQClistData* fileNames(const char* dir);
    long showDirectoryRows(TQClistData* names);
    long showFileRows(TQClistData* names, long directoryRows);
    void makeRow();
    void fillRow(long i, const char* name, short icon, bool isFile);

    // Row actions.
    void pressRow(TQCbase* widget);
    void scrollIntoView(TQCbase* widget);
    void highlightRow(TQCbase* row);
    void pressFileRow(TQCbase* row);
    void pressDirectoryRow(TQCbase* row);
    void pressFirstRow();
    std::string goUp(UpVariant variant);
    std::string enterDirectory(const std::string& name);
    void clearNetLevels();
    TQCbase* highlightedDirectoryRow();
    void accept();
    void makeDirectory();
    std::string newDirectoryPath();
    bool createDirectory(const std::string& path);
    void tellCannotCreate();
    void specialFocusToButtons();

    static TQCfileSelect* dialogOf(TQCbase* widget);

    char* m_dirName = nullptr;
    char* m_fileName = nullptr;
    char* m_maskFileName = nullptr;
    TQClistData m_iconLabels;
    TQClistData m_rowLabels;
    TQCvifield* m_dirField = nullptr;
    TQCvifield* m_fileField = nullptr;
    TQCvifield* m_maskField = nullptr;
    TQCscrForm* m_listArea = nullptr;
    TQCvlabel* m_separator1 = nullptr;
    TQCvlabel* m_separator2 = nullptr;
    TQCvlabel* m_dirTitle = nullptr;
    TQCvlabel* m_maskTitle = nullptr;
    TQCvbtn* m_upButton = nullptr;
    TQCvbtn* m_mkdirButton = nullptr;
    TQCinputDialog* m_mkdirDialog = nullptr;
    std::string m_netLevel1;
    std::string m_netLevel2;
    TQCbool m_selectDir : 1;
    unsigned char m_listPending : 1;
    unsigned char m_topLevel : 1;
    unsigned char m_netMode : 1;
    TQ_BIT_FIELD_SLOT(m_selectDir)
};

// The application's file selection dialog "app-fselect", 300 x 400, made
// on the first call; it keeps its directory, mask and file name between
// uses.
TQCfileSelect* TQGIappFileSelect();

void* TQCfileSelect_create(void* parent);
void TQCfileSelect_delete(void* object);

#endif
