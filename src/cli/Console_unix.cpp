// Linux: terminals take the tool's UTF-8 as it is.
#include "cli/Console.h"

#include <cstdio>
#include <unistd.h>

TConsole::TConsole()
    : m_errorIsTerminal(isatty(fileno(stderr)) != 0)
{
}

TConsole::~TConsole() = default;
