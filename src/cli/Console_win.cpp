// Windows: a console shows text in its own output code page (an OEM page such as 437 or 850), in which the tool's
// UTF-8 file names and texts would come out garbled. While the tool runs, the console takes UTF-8; its page is
// restored at the end, also when Ctrl-C ends the tool (signal --watch), so the console is left as it was found.
#include "cli/Console.h"

#include <windows.h>

namespace {

UINT gSavedOutputPage = 0;

BOOL WINAPI RestoreOnInterrupt(DWORD)
{
    if (gSavedOutputPage)
        SetConsoleOutputCP(gSavedOutputPage);
    return FALSE; // the default handler then ends the process, as Ctrl-C always does
}

bool IsConsole(DWORD handle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(handle), &mode) != 0;
}

} // namespace

TConsole::TConsole()
    : m_errorIsTerminal(IsConsole(STD_ERROR_HANDLE))
{
    if (!IsConsole(STD_OUTPUT_HANDLE) && !m_errorIsTerminal)
        return;
    gSavedOutputPage = GetConsoleOutputCP();
    SetConsoleCtrlHandler(RestoreOnInterrupt, TRUE);
    SetConsoleOutputCP(CP_UTF8);
}

TConsole::~TConsole()
{
    if (!gSavedOutputPage)
        return;
    SetConsoleOutputCP(gSavedOutputPage);
    SetConsoleCtrlHandler(RestoreOnInterrupt, FALSE);
}
