// The texts of Windows Sockets error codes, as the last-error text shows them.
#include "TQDwinsocket.h"

namespace {

struct ErrorText {
    int code;
    const char* text;
};

const ErrorText kErrorTexts[] = {
    {10004, "WSAEINTR - Interrupted"},
    {10009, "WSAEBADF - Bad file number"},
    {10014, "WSAEFAULT - Bad address"},
    {10022, "WSAEINVAL - Invalid argument"},
    {10024, "WSAEMFILE - Too many open files"},
    {10035, "WSAEWOULDBLOCK - Socket marked as non-blocking"},
    {10036, "WSAEINPROGRESS - Blocking call in progress"},
    {10037, "WSAEALREADY - Command already completed"},
    {10038, "WSAENOTSOCK - Descriptor is not a socket"},
    {10039, "WSAEDESTADDRREQ - Destination address required"},
    {10040, "WSAEMSGSIZE - Data size too large"},
    {10041, "WSAEPROTOTYPE - Protocol is of wrong type for this socket"},
    {10042, "WSAENOPROTOOPT - Protocol option not supported for this socket type"},
    {10043, "WSAEPROTONOSUPPORT - Protocol is not supported"},
    {10044, "WSAESOCKTNOSUPPORT - Socket type not supported by this address family"},
    {10045, "WSAEOPNOTSUPP - Option not supported"},
    {10046, "WSAEPFNOSUPPORT - "},
    {10047, "WSAEAFNOSUPPORT - Address family not supported by this protocol"},
    {10048, "WSAEADDRINUSE - Address is in use"},
    {10049, "WSAEADDRNOTAVAIL - Address not available from local machine"},
    {10050, "WSAENETDOWN - Network subsystem is down"},
    {10051, "WSAENETUNREACH - Network cannot be reached"},
    {10052, "WSAENETRESET - Connection has been dropped"},
    {10053, "WSAECONNABORTED - "},
    {10054, "WSAECONNRESET - "},
    {10055, "WSAENOBUFS - No buffer space available"},
    {10056, "WSAEISCONN - Socket is already connected"},
    {10057, "WSAENOTCONN - Socket is not connected"},
    {10058, "WSAESHUTDOWN - Socket has been shut down"},
    {10059, "WSAETOOMANYREFS - "},
    {10060, "WSAETIMEDOUT - Command timed out"},
    {10061, "WSAECONNREFUSED - Connection refused"},
    {10062, "WSAELOOP - "},
    {10063, "WSAENAMETOOLONG - "},
    {10064, "WSAEHOSTDOWN - "},
    {10065, "WSAEHOSTUNREACH - "},
    {10066, "WSAENOTEMPTY - "},
    {10067, "WSAEPROCLIM - "},
    {10068, "WSAEUSERS - "},
    {10069, "WSAEDQUOT - "},
    {10070, "WSAESTALE - "},
    {10071, "WSAEREMOTE - "},
    {10091, "WSASYSNOTREADY - Network subsystem not ready"},
    {10092, "WSAVERNOTSUPPORTED - Version not supported"},
    {10093, "WSANOTINITIALISED - WSAStartup() has not been successfully called"},
    {11001, "WSAHOST_NOT_FOUND - Host not found"},
    {11002, "WSATRY_AGAIN - Host not found or SERVERFAIL"},
    {11003, "WSANO_RECOVERY - Non-recoverable error"},
    {11004, "WSANO_DATA - (or WSANO_ADDRESS) - No data record of requested type"},
};

} // namespace

const char* TQGFwinsocketErrorText(int code)
{
    if (code == 0)
        return "No error occurred!";
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code == code)
            return entry.text;
    }
    return "Unknown error";
}
