// Compiled into each program on its own, so that Tallvox.exe asks the server
// it was built for while test programs ask the loopback interface.
#include "app/update/UpdateServer.h"

#ifndef TALLVOX_UPDATE_URL
#error "TALLVOX_UPDATE_URL must name the version file the update check reads"
#endif

namespace {

constexpr bool StartsWithHttps(const char* url) {
    const char prefix[] = "https://";
    for (int i = 0; prefix[i]; ++i)
        if (url[i] != prefix[i]) return false;
    return true;
}

}  // namespace

// The answer decides whether the user is sent to a download page: it must
// come from the server it claims to come from.
static_assert(StartsWithHttps(TALLVOX_UPDATE_URL), "the version file is read over https only");

const char kUpdateVersionFileUrl[] = TALLVOX_UPDATE_URL;
