// The shared file selection dialog on real windows under Xvfb, over folders
// and files made in a temporary folder: the listing with its mask, names
// beyond ASCII, hidden files and an unreadable folder; browsing up to the
// top level; choosing through the real modal loop by presses on rows,
// Return and Cancel posted on timers; and the new-directory command with
// its message. Each scenario runs in a process of its own.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TQDwinScrFrameDev.h"
#include "TempDir.h"
#include "_TQCfileSelect.h"
#include "_TQCfileSelect_internal.h"
#include "_TQCinitializeManager.h"
#include "_TQCinputDialog.h"
#include "_TQCmessageDialog.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQCvkflabel.h"
#include "_TQDfileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const DWORD kPatience = 5000;
const int kRow = 18;

std::string textOf(TQCbase* object, const char* property = "labelString")
{
    TQCvariant value = object->getProperty(property);
    return value.getCharPtrConst() != nullptr ? value.getCharPtrConst() : "";
}

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

void touch(const std::string& path)
{
    std::ofstream(path) << "x";
}

// The toolkit's start-up with the shared dialog listing folder; its list
// area is 300 - 12 wide and its rows lie on the scrolled frame's window.
struct FileScene {
    explicit FileScene(const char* what, const std::string& folder)
    {
        armWatchdog(90000, what);
        startGuiScenario(6);
        dialog = TQGIappFileSelect();
        browse(folder);
        dialog->setPropertyV("maskFileName", "");
    }
    void browse(const std::string& folder) { dialog->setPropertyV("dirName", folder.c_str()); }
    TQDwinScrFrameDev* frame()
    {
        TQDdev* dev = dialog->getListArea()->getScrFrame()->getowndev();
        return static_cast<TQDwinScrFrameDev*>(dev->cast("TQDwinScrFrameDev"));
    }
    // The texts of the shown rows, in order; each must stand at its slot.
    Names rows()
    {
        Names shown;
        for (long i = 0; i < dialog->getRowCount(); ++i) {
            TQCbase* row = dialog->getRowLabel(i);
            if (!row->getOwnVisible())
                continue;
            requireInChild(numberOf(row, "y") == kRow * i &&
                               numberOf(dialog->getIconLabel(i), "y") == kRow * i,
                           "row i and its icon lie at y 18 x i");
            shown.push_back(textOf(row));
        }
        return shown;
    }
    // A press and release on row i, posted to the window the rows are on.
    void pressRow(long i)
    {
        HWND work = frame()->getHWND();
        int y = static_cast<int>(kRow * i + kRow / 2);
        POINT screen = {100, y};
        ClientToScreen(work, &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageA(work, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, y));
        PostMessageA(work, WM_LBUTTONUP, 0, MAKELPARAM(100, y));
    }
    bool highlighted(long i)
    {
        return windowPixel(frame()->getViewport(), 200, kRow * i + kRow / 2) ==
               GetSysColor(COLOR_HIGHLIGHT);
    }
    std::string dirText() { return textOf(dialog->getDirField()); }
    std::string fileText() { return textOf(dialog->getFileField()); }

    TQCfileSelect* dialog;
};

// popup() with the plan's steps armed; the watchdog must not fire.
long popupWith(TQCbaseDialog* dialog, const std::function<void(DialogScript&)>& plan)
{
    DialogScript user(dialog, 20000);
    plan(user);
    long answer = dialog->popup();
    requireInChild(!user.watchdogFired(), "the loop ended before the watchdog");
    return answer;
}

// A Unix command run by the shell in folder. Wine hands out no handle of a
// Unix program to wait on, so the shell leaves a mark once the command has
// succeeded; the mark is waited for and taken away.
void shellInFolder(const std::string& folder, const std::string& unixCommand)
{
    std::string command = "/bin/sh -c \"" + unixCommand + " && touch shell-done\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    requireInChild(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.c_str(), &startup, &process) != 0,
                   "the shell runs");
    std::string mark = folder + "\\shell-done";
    requireInChild(pumpMessagesUntil(
                       [&] { return GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES; },
                       20000),
                   unixCommand.c_str());
    DeleteFileA(mark.c_str());
}

void listingScenario()
{
    TempDir temp;
    const std::string folder = tqfileselect::forwardSlashes(temp.path());
    for (const char* dir : {"alpha", "beta", "many"})
        CreateDirectoryA(temp.file(dir).c_str(), nullptr);
    for (const char* file : {"x.wav", "Y.WAV", "x.wavy", "x.wav.bak", "note.txt", ".hidden.wav",
                             "alpha/a.wav", "alpha/b.txt"})
        touch(temp.file(file));
    for (int i = 0; i < 49; ++i)
        touch(temp.file("many/f" + std::to_string(100 + i)));
    // A name of the ANSI code page beyond ASCII, made without the toolkit.
    std::wstring wide(temp.path().begin(), temp.path().end());
    CloseHandle(CreateFileW((wide + L"\\\u00e9t\u00e9.wav").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, 0, nullptr));
    // A link to itself: even root cannot list it.
    shellInFolder(temp.path(), "ln -s loop loop");

    FileScene scene("the listing scenario hung", folder);
    scene.dialog->setPropertyV("maskFileName", "wav");
    scene.dialog->setVisible(1);
    pumpPendingMessages(kPatience);
    const std::string ete = "\xC3\xA9t\xC3\xA9.wav";
    requireInChild(scene.rows() == Names{"parent directory", "alpha", "beta", "many",
                                         ".hidden.wav", "Y.WAV", "x.wav", "x.wavy", ete},
                   "parent directory, the folders, then the files the mask lets through, "
                   "hidden ones too, and the name beyond ASCII as its characters");
    requireInChild(scene.highlighted(0), "showing presses parent directory");

    scene.pressRow(8);
    pumpPendingMessages(kPatience);
    requireInChild(scene.fileText() == ete, "a press on a file row puts it into FILE");
    requireInChild(scene.highlighted(8) && !scene.highlighted(0),
                   "the pressed row shows the highlight colour, and no other");
    TQDfileSystem* fs = TQGIappFileSystem();
    std::string path = scene.dialog->getFileName();
    requireInChild(path == folder + "/" + ete && fs->check(&path[0]) == TQDfileSystem::CHECK_FILE,
                   "the chosen path finds the file");

    scene.dialog->setPropertyV("maskFileName", "");
    scene.browse(folder + "/many");
    requireInChild(scene.rows().size() == 50, "49 files and parent directory");
    scene.browse(folder + "/alpha");
    requireInChild(scene.rows() == Names{"parent directory", "a.wav", "b.txt"},
                   "a shorter listing reuses the first rows");
    for (long i = 3; i < 50; ++i)
        requireInChild(!scene.dialog->getRowLabel(i)->getOwnVisible() &&
                           !scene.dialog->getIconLabel(i)->getOwnVisible(),
                       "the rows left over are hidden");
    requireInChild(numberOf(scene.dialog->getListArea(), "workHeight") == 144,
                   "3 rows of 18 and 90 to spare");

    scene.browse(folder + "/loop");
    requireInChild(scene.rows() == Names{"parent directory"},
                   "a folder that cannot be read lists parent directory alone");
    // Through Wine the link cannot be removed, so the folder could not be.
    shellInFolder(temp.path(), "rm loop");
    passInChild();
}

void browsingScenario()
{
    TempDir temp;
    const std::string folder = tqfileselect::forwardSlashes(temp.path());
    CreateDirectoryA(temp.file("alpha").c_str(), nullptr);
    FileScene scene("the browsing scenario hung", folder + "/alpha");
    GuiTestClock clock(12 * 3600 * 1000L);
    TQCfileSelect* dialog = scene.dialog;
    dialog->setPropertyV("fileName", "typed.wav");
    std::vector<std::string> dirs;
    Names drives, top, network;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        auto noteDir = [&] { dirs.push_back(scene.dirText()); };
        u.click(dialog->getOkButton(), 300);
        u.at(500, [&, noteDir] {
            noteDir();
            dialog->setPropertyV("dirName", "C:/wav");
        });
        u.click(dialog->getUpButton(), 700);
        u.at(800, noteDir);
        u.click(dialog->getUpButton(), 900);
        u.at(1000, [&, noteDir] {
            noteDir();
            drives = scene.rows();
        });
        u.at(1100, [&] {
            long c = std::find(drives.begin(), drives.end(), "C:") - drives.begin();
            scene.pressRow(c);
        });
        u.click(dialog->getOkButton(), 1200);
        u.at(1300, noteDir);
        u.click(dialog->getUpButton(), 1400);
        u.click(dialog->getUpButton(), 1500);
        u.at(1600, [&] { top = scene.rows(); });
        u.at(1700, [&] { scene.pressRow(2); });
        u.at(1800, [&] { scene.pressRow(2); });
        u.at(1900, [&] { network = scene.rows(); });
        u.click(dialog->getCancelButton(), 2100);
    });
    requireInChild(dirs.size() == 4 && dirs[0] == folder,
                   "right after showing, OK goes up one level from the folder it was given");
    requireInChild(dirs[1] == "C:" && dirs[2] == "", "up from C:/wav gives C:, then nothing");
    requireInChild(std::find(drives.begin(), drives.end(), "C:") != drives.end(),
                   "nothing lists the drives");
    requireInChild(dirs[3] == "C:", "OK on a drive row goes to the drive itself");
    requireInChild(top == Names{"parent directory", "My Computer", "My Network"},
                   "above the drives lies the top level");
    requireInChild(dialog->isNetMode() && network == Names{"parent directory"},
                   "a double press enters My Network, which lists nothing under Wine");
    requireInChild(answer == 0 && !dialog->getVisible(), "Cancel answers 0");
    passInChild();
}

void choosingScenario()
{
    TempDir temp;
    const std::string folder = tqfileselect::forwardSlashes(temp.path());
    for (const char* file : {"x.wav", "y.wav"})
        touch(temp.file(file));
    FileScene scene("the choosing scenario hung", folder);
    GuiTestClock clock(12 * 3600 * 1000L);
    TQCfileSelect* dialog = scene.dialog;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(300, [&] { scene.pressRow(1); });
        u.at(500, [&] {
            clock.advance(249);
            scene.pressRow(1);
        });
    });
    requireInChild(answer == 1 && dialog->getFileName() == folder + "/x.wav",
                   "presses 249 ms apart on a file row accept it");

    std::string afterSecond, afterUp;
    bool stayed = false;
    answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(300, [&] {
            clock.advance(1000);
            scene.pressRow(2);
        });
        u.at(500, [&] {
            clock.advance(250);
            scene.pressRow(2);
        });
        u.at(700, [&] {
            afterSecond = scene.fileText();
            stayed = dialog->getVisible();
            PostMessageA(scene.frame()->getHWND(), WM_KEYDOWN, VK_UP, 1);
        });
        u.at(900, [&] { afterUp = scene.fileText(); });
        u.key(VK_RETURN, 1100);
    });
    requireInChild(stayed && afterSecond == "y.wav",
                   "presses 250 ms apart are two single presses that fill FILE");
    requireInChild(afterUp == "x.wav", "Up presses the row above");
    requireInChild(answer == 1 && dialog->getFileName() == folder + "/x.wav",
                   "Return accepts the file in FILE");
    passInChild();
}

// Each name is typed into the input dialog, which the new-directory button
// brings up; a failure shows the shared message dialog.
void newDirectoryScenario()
{
    TempDir temp;
    const std::string folder = tqfileselect::forwardSlashes(temp.path());
    touch(temp.file("x.wav"));
    FileScene scene("the new directory scenario hung", folder);
    TQGIappInitializeManager()->execInitializeProcs();
    TQCfileSelect* dialog = scene.dialog;
    TQCmessageDialog* box = TQGIappMessageDialog();
    Names messages;
    std::vector<long> boxSize;
    std::vector<short> firstRowBack;
    Names rowsAfter;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        DWORD t = 300;
        for (const char* name : {"x.wav", "x.wav\\sub", "made"}) {
            u.click(dialog->getMkdirButton(), t);
            u.at(t + 300, [&, name] {
                TQCinputDialog* input = dialog->getMkdirDialog();
                input->setPropertyV("labelString", name);
                DialogScript::keyNow(input, VK_RETURN);
            });
            u.at(t + 600, [&] {
                if (!box->getVisible())
                    return;
                messages.push_back(textOf(box));
                boxSize = {numberOf(box, "width"), numberOf(box, "height")};
                DialogScript::clickNow(box->getOkButton());
            });
            u.at(t + 800, [&] {
                firstRowBack.push_back(0);
                dialog->getRowLabel(0)->getPropertyV("backColor", &firstRowBack.back());
            });
            t += 1000;
        }
        u.at(t, [&] { rowsAfter = scene.rows(); });
        u.click(dialog->getCancelButton(), t + 200);
    });
    requireInChild(messages == Names{"Cannot create directory:\nx.wav",
                                     "Cannot create directory:\nx.wav\\sub"},
                   "a file of the name, and a name below a file, cannot be made");
    requireInChild(boxSize == std::vector<long>{500, 135}, "the message dialog is 500 x 135");
    requireInChild(firstRowBack == std::vector<short>{-7, -7, -11},
                   "a failure leaves the listing as it was; a made directory lists anew");
    TQDfileSystem* fs = TQGIappFileSystem();
    std::string made = temp.file("made");
    requireInChild(fs->check(&made[0]) == TQDfileSystem::CHECK_DIR &&
                       rowsAfter == Names{"parent directory", "made", "x.wav"},
                   "the new directory is made and listed");
    requireInChild(answer == 0, "Cancel answers 0");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FileSelectOnWindowDeathTest, ListsFoldersThenMaskedFilesOfARealFolder,
                      listingScenario(), "")

TQ_FRESH_PROCESS_TEST(FileSelectOnWindowDeathTest, UpGoesToTheDriveThenTheDrivesThenTheTopLevel,
                      browsingScenario(), "")

TQ_FRESH_PROCESS_TEST(FileSelectOnWindowDeathTest, DoublePressAndReturnAcceptThroughTheModalLoop,
                      choosingScenario(), "")

TQ_FRESH_PROCESS_TEST(FileSelectOnWindowDeathTest, NewDirectoryIsMadeOrTheMessageSaysWhyNot,
                      newDirectoryScenario(), "")
