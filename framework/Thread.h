// Worker threads started and left to run: the caller keeps no handle and
// does not wait for them.
#pragma once
#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID param);

// Starts `proc(param)` on a new thread at normal priority with the default
// stack; false when the thread could not be created.
bool AfxBeginThread(AFX_THREADPROC proc, LPVOID param);
