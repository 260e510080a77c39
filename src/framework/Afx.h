#pragma once

#include <windows.h>

class CWinApp;
class CWinThread;

// The application object (null until one is constructed).
CWinApp* AfxGetApp();
// The thread object of the running thread: the application object, as the
// framework runs on one thread.
CWinThread* AfxGetThread();

// The module the program was started from (set by AfxWinMain; the module of
// the executable before that).
HINSTANCE AfxGetInstanceHandle();
// The module resources are loaded from (the instance unless changed).
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding resource lpszName of type lpszType: the resource module
// when it has it, else the instance module (which is also the answer when
// neither has it).
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// The framework's program entry: initialises the application object, runs
// InitInstance and, when it returns TRUE, Run; then ExitInstance, whose
// result it returns as the process exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
