// Ctrl-C while a command that can be stopped runs: counted rather than ending the process, so that the command
// ends the way it decides (a batch finishes its running step first). The count is read on the command's thread.
#pragma once

class TInterrupts
{
public:
    TInterrupts(); // counts SIGINT from now on
    ~TInterrupts(); // and no longer: Ctrl-C ends the process again

    TInterrupts(const TInterrupts&) = delete;
    TInterrupts& operator=(const TInterrupts&) = delete;

    int Count() const;
};
