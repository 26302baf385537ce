// The terminal the command-line tool writes to, as each system needs it prepared: whether standard error is a
// terminal (progress is shown only there), and on Windows a console that shows the tool's UTF-8 text legibly.
#pragma once

class TConsole
{
public:
    TConsole();
    ~TConsole(); // gives the console back as it was

    TConsole(const TConsole&) = delete;
    TConsole& operator=(const TConsole&) = delete;

    bool ErrorIsTerminal() const { return m_errorIsTerminal; }

private:
    bool m_errorIsTerminal = false;
};
