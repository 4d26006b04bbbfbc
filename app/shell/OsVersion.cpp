#include "app/shell/OsVersion.h"

#include <cstring>

OSVERSIONINFOEXA COsVersion::s_record;
bool COsVersion::s_filled = false;

namespace {

BOOL AskVersion(OSVERSIONINFOEXA* record)
{
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // GetVersionExA is deprecated but is what we want
#endif
    return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(record));
}

}  // namespace

COsVersion::COsVersion()
{
    if (s_filled) return;
    // Ask with the plain record first: systems before NT 5 refuse the
    // extended size.
    std::memset(&s_record, 0, sizeof s_record);
    s_record.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!AskVersion(&s_record)) return;
    s_filled = true;
    if (s_record.dwPlatformId == VER_PLATFORM_WIN32_NT && s_record.dwMajorVersion >= 5) {
        std::memset(&s_record, 0, sizeof s_record);
        s_record.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
        AskVersion(&s_record);
    }
}

bool COsVersion::IsNt5OrLater() const
{
    return s_filled && s_record.dwPlatformId == VER_PLATFORM_WIN32_NT && s_record.dwMajorVersion >= 5;
}
