// Once per run, in the background: is there a newer Tallvox than this one?
#pragma once
#include <windows.h>

#include <string>

extern const char kOwnVersion[];
// Where the one-line version file and the download page live.
std::string UpdateVersionFileUrl();
std::string UpdateDownloadPageUrl();

// Starts CheckForUpdate on a worker thread and returns at once.
void StartUpdateCheck();
// The thread: asks the user when the server names another version.
UINT CheckForUpdate(LPVOID);

// True when the version file at `url` answers with data (no cached copy).
bool ProbeUpdateServer(const std::string& url);
// True when the first line of the file at `url` is not `ownVersion`.
bool IsNewVersion(const std::string& url, const std::string& ownVersion);
