// The directory tree: a tree list of the computer, its drives, their
// directories and, when asked, their files, read through the file-system
// service as branches open. A closed drive is not read at all and a closed
// directory only far enough to know whether it holds anything. The open and
// selected state of every node is kept by path, so that a rebuilt branch
// opens again what was open inside it; the rows can be written to a text
// and read back.
#ifndef _TQCDIRTREE_H
#define _TQCDIRTREE_H

#include <string>

#include "_TQCindexData.h"
#include "_TQCtreeList.h"

class TQCdirTree : public TQCtreeList {
public:
    TQ_CLASS_FRAME(TQCdirTree, TQCtreeList, 1000, 1000)
    TQCdirTree(TQCbase* parent, const char* name);
    ~TQCdirTree() override;

    // A node's state as the entry of its path keeps it.
    enum { NODE_OPEN = 1, NODE_SELECTED = 8, NODE_FILE = 16 };

    // Writing dirName selects that path; reading dirName or fileName gives
    // the selected row's path, empty when none is. fileName, maskFileName
    // and selectDir are only kept: the next rebuild reads them.
    TQ_PROPERTY_OWN_HOOKS(dirName, char*)
    virtual void setWorkTQNfileName(char*) {}
    virtual void getWorkTQNfileName(char** path);
    TQ_PROPERTY_HOOKS(maskFileName, char*)
    TQ_PROPERTY_HOOKS(selectDir, TQCbool)

    // Writes the node name of directory dir ("/" for a drive, both empty
    // for the top node) at row pos, on level level, and, with withChildren,
    // what lies under it; overwrite writes over every row in the way instead
    // of inserting before shallower ones. Gives the next free row.
    virtual long _adjust_dir(const char* dir, const char* name, long level, long pos,
                             long withChildren, unsigned char overwrite);
    // An empty tree builds its top node at its first layout.
    void _adjust() override;
    // Rebuilds the branch of the first row whose open mark just changed,
    // then lays the rows out.
    void _lb_adjust() override;

    // Opens the way to the path ("\" or "/" between its words), selects its
    // row and, with open, opens that too: 0, or -1 for a null path or a word
    // that no shown row carries.
    long setSelectedDirName(const char* path, unsigned char open);
    // The selected row's path, "/" when none is; kept as dirName.
    char* getSelectedDirName();
    // Forgets every open and selected state and shows the top row alone.
    void reset();
    // Seven fields a row (path, text, icon, state, level, selected, shown),
    // a comma in the first three written "\,"; rows joined by line feeds.
    TQCstring getDirInf();
    // Reads such a text back onto the rows from the first on; rows beyond
    // it stay as they are. -1, the tree as it was, for a malformed text.
    long setDirInf(TQCstring text);
    void setRootDirTitle(const char* title);
    void setTopTitle(const char* title);

private:
    static std::string pathOf(TQCbase* row);
    long nodeFlags(const std::string& path);
    void setNodeFlags(const std::string& path, long flags);
    void clearSelectedFlags();
    TQCbase* writeRow(const char* text, long level, long pos, unsigned char overwrite);
    void showEntryMark(TQCbase* row, const std::string& path);
    long writeFiles(const char* dir, TQClistData* names, long level, long pos, bool open,
                    unsigned char overwrite);
    bool passesMask(const char* name) const;
    void recordShownRows();
    void unmarkBranch(long pos);
    void rebuildBranch(long pos);
    void openRow(TQCbase* row);
    void rebuildAll();

    TQCindexData m_nodes;
    char* m_dirName;
    char* m_fileName;
    char* m_maskFileName;
    char* m_rootTitle;
    char* m_topTitle;
    TQCbool m_selectDir : 1;
    TQ_BIT_FIELD_SLOT(m_selectDir)
};

void* TQCdirTree_create(void* parent);
void TQCdirTree_delete(void* object);

#endif
