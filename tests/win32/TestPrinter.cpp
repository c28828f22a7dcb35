// The test printer: a driver description of our own for Wine's PostScript
// driver, the printer on LPT1: and the spooler's file for that port.
#include "TestPrinter.h"

#include <winspool.h>

#include <cstdio>
#include <cstring>

namespace {

const char kPrinter[] = "TqTestPrinter";
const char kDriver[] = "Wine PostScript Driver";
const char kPort[] = "LPT1:";
const char kSpoolerKey[] = "Software\\Wine\\Printing\\Spooler";

// A colour A4 printer at 300 dots per inch that can print all of the sheet.
const char kDescription[] =
    "*PPD-Adobe: \"4.3\"\n"
    "*FormatVersion: \"4.3\"\n"
    "*FileVersion: \"1.0\"\n"
    "*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n"
    "*PCFileName: \"TQTEST.PPD\"\n"
    "*Manufacturer: \"Tq\"\n"
    "*Product: \"(Tq test printer)\"\n"
    "*ModelName: \"Tq test printer\"\n"
    "*ShortNickName: \"Tq test printer\"\n"
    "*NickName: \"Tq test printer\"\n"
    "*PSVersion: \"(3010.000) 0\"\n"
    "*LanguageLevel: \"3\"\n"
    "*ColorDevice: True\n"
    "*DefaultColorSpace: RGB\n"
    "*LandscapeOrientation: Plus90\n"
    "*TTRasterizer: Type42\n"
    "*DefaultResolution: 300dpi\n"
    "*OpenUI *PageSize: PickOne\n"
    "*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
    "*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n"
    "*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
    "*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n"
    "*ImageableArea A4/A4: \"0 0 595 842\"\n"
    "*DefaultPaperDimension: A4\n"
    "*PaperDimension A4/A4: \"595 842\"\n";

bool printerExists()
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kPrinter), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}

bool fail(std::string* why, const char* what)
{
    *why = std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

// The driver copies its description from the driver folder.
bool installDriver(std::string* why)
{
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                    sizeof folder, &needed))
        return fail(why, "no printer driver folder");
    std::string description = std::string(folder) + "\\tqtest.ppd";
    std::FILE* out = std::fopen(description.c_str(), "wb");
    if (out == nullptr)
        return fail(why, "cannot write the driver description");
    std::fputs(kDescription, out);
    std::fclose(out);

    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriver);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(description.c_str());
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDefaultDataType = const_cast<char*>("RAW");
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES))
        return fail(why, "AddPrinterDriverEx failed");
    return true;
}

} // namespace

bool installTestPrinter(std::string* why)
{
    if (!printerExists()) {
        if (!installDriver(why))
            return false;
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(kPrinter);
        info.pPortName = const_cast<char*>(kPort);
        info.pDriverName = const_cast<char*>(kDriver);
        // Wine's PostScript processor takes no raw data; the plain one does.
        info.pPrintProcessor = const_cast<char*>("winprint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (printer == nullptr)
            return fail(why, "AddPrinter failed");
        ClosePrinter(printer);
    }
    if (!SetDefaultPrinterA(kPrinter))
        return fail(why, "SetDefaultPrinter failed");
    return true;
}

bool sendPrinterOutputTo(const std::string& path)
{
    typedef char*(CDECL * UnixName)(const WCHAR*);
    // Through void* so that the cast from FARPROC draws no warning.
    UnixName unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr)
        return false;
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unix = unixName(wide);
    if (unix == nullptr)
        return false;
    HKEY key = nullptr;
    bool done = RegCreateKeyA(HKEY_CURRENT_USER, kSpoolerKey, &key) == ERROR_SUCCESS &&
                RegSetValueExA(key, kPort, 0, REG_SZ, reinterpret_cast<const BYTE*>(unix),
                               static_cast<DWORD>(std::strlen(unix) + 1)) == ERROR_SUCCESS;
    if (key != nullptr)
        RegCloseKey(key);
    HeapFree(GetProcessHeap(), 0, unix);
    return done;
}

int PrintDialogAnswer::s_button = IDCANCEL;
DWORD PrintDialogAnswer::s_deadline = 0;
bool PrintDialogAnswer::s_answered = false;

PrintDialogAnswer::PrintDialogAnswer(int button, DWORD watchdogMs)
{
    s_button = button;
    s_deadline = GetTickCount() + watchdogMs;
    s_answered = false;
    m_timer = SetTimer(nullptr, 0, 100, tick);
}

PrintDialogAnswer::~PrintDialogAnswer()
{
    KillTimer(nullptr, m_timer);
}

namespace {

BOOL CALLBACK findDialog(HWND window, LPARAM found)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

// The button goes to the dialog once; past the deadline every dialog of the
// thread is cancelled.
void CALLBACK PrintDialogAnswer::tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr)
        return;
    bool late = static_cast<long>(GetTickCount() - s_deadline) > 0;
    if (s_answered && !late)
        return;
    int button = late ? IDCANCEL : s_button;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    s_answered = !late;
}
