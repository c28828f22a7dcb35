// Inter-application messages through the registry, global atoms and the
// application window.
#include "TQDwinMessage.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQClistData.h"

#include <cstring>
#include <string>

namespace {

const char kDirectoryKey[] = "SoftWare\\Quorvane\\TQTEMP";
const char kReceiverSuffix[] = "#THIS#";
// What a global atom can hold.
const std::size_t kMaxText = 255;
const int kReceiveBuffer = 4096;

// The channels of this process that opened the directory, in the order made.
TQClistData& liveChannels()
{
    static TQClistData* channels = new TQClistData;
    return *channels;
}

HKEY openDirectory()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDirectoryKey, 0, const_cast<char*>(""),
                        REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return key;
}

std::string receiverValue(const char* name)
{
    return std::string(name) + kReceiverSuffix;
}

bool readValue(HKEY key, const std::string& name, DWORD* value)
{
    DWORD type = 0;
    DWORD size = sizeof *value;
    return RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value),
                            &size)
               == ERROR_SUCCESS
           && type == REG_DWORD && size == sizeof *value;
}

void writeValue(HKEY key, const std::string& name, DWORD value)
{
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
}

// Window handles and addresses are 32 bits on this target.
DWORD asValue(const void* pointer)
{
    return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(pointer));
}

} // namespace

TQDwinMessage::TQDwinMessage() : key(openDirectory())
{
    if (key != nullptr)
        liveChannels().add(this);
}

TQDwinMessage::~TQDwinMessage()
{
    if (key == nullptr)
        return;
    liveChannels().del(this);
    HKEY directory = static_cast<HKEY>(key);
    const char* name = getName();
    DWORD window = 0;
    DWORD receiver = 0;
    // A later channel of the same name, in this process or another, keeps
    // its entries.
    if (name[0] != '\0' && readValue(directory, name, &window)
        && readValue(directory, receiverValue(name), &receiver)
        && window == asValue(TQGFgetAppWindow()) && receiver == asValue(this)) {
        RegDeleteValueA(directory, name);
        RegDeleteValueA(directory, receiverValue(name).c_str());
    }
    RegCloseKey(directory);
}

void TQDwinMessage::initialize()
{
    const char* name = getName();
    // An empty name would stand for the key's default value.
    if (key == nullptr || name[0] == '\0')
        return;
    HKEY directory = static_cast<HKEY>(key);
    writeValue(directory, name, asValue(TQGFgetAppWindow()));
    writeValue(directory, receiverValue(name), asValue(this));
}

void TQDwinMessage::sendMessage(char* text)
{
    deliver(text);
}

long TQDwinMessage::extSendMessage(const char*, const char* name, const char* text)
{
    if (name == nullptr || name[0] == '\0' || text == nullptr)
        return -1;
    std::size_t length = std::strlen(text);
    if (length == 0 || length > kMaxText)
        return -1;
    HKEY directory = openDirectory();
    if (directory == nullptr)
        return -1;
    DWORD window = 0;
    DWORD receiver = 0;
    bool published = readValue(directory, name, &window)
                     && readValue(directory, receiverValue(name), &receiver);
    RegCloseKey(directory);
    if (!published)
        return -1;

    ATOM atom = GlobalAddAtomA(text);
    if (atom == 0)
        return -1;
    // Posted, not sent: a busy receiver takes the text once it pumps, and
    // the receiver alone deletes the atom.
    if (PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), WM_USER,
                     receiver, atom))
        return 0;
    GlobalDeleteAtom(atom);
    return -1;
}

long TQDwinMessage::extSendNewMessage(const char* host, const char* name, const char* text)
{
    return extSendMessage(host, name, text);
}

long TQDwinMessage::receiveMessage(std::uintptr_t wParam, std::intptr_t lParam)
{
    ATOM atom = static_cast<ATOM>(lParam);
    char text[kReceiveBuffer];
    UINT length = GlobalGetAtomNameA(atom, text, kReceiveBuffer - 1);
    GlobalDeleteAtom(atom);
    if (length == 0)
        return 0;
    text[length] = '\0';
    TQDwinMessage* receiver = reinterpret_cast<TQDwinMessage*>(wParam);
    if (!_is_exist(receiver))
        return 0;
    receiver->sendMessage(text);
    return 1;
}

unsigned char TQDwinMessage::_is_exist(TQDwinMessage* channel)
{
    TQClistData& channels = liveChannels();
    for (long i = 0; i < channels.getNum(); ++i) {
        if (channels.getData(i) == channel)
            return 1;
    }
    return 0;
}

TQ_PLATFORM_FACTORY(TQDmessage, TQDwinMessage, _winclient_msg_create, installWinMessageFactory)

void TQGFwinMessageInitialize()
{
    installWinMessageFactory();
    TQDmessage::_setup_ext_send_msg_proc(reinterpret_cast<void*>(TQDwinMessage::extSendMessage),
                                         reinterpret_cast<void*>(TQDwinMessage::extSendNewMessage));
}

namespace {

struct SendProceduresAtStartUp {
    SendProceduresAtStartUp() { TQGFwinMessageInitialize(); }
} sendProceduresAtStartUpRun;

} // namespace
