#pragma once

// The standard input, output and error output of a process started with some of them closed.
class StandardStreams
{
public:
    // Opens each of descriptors 0, 1 and 2 that is closed on the null device, before anything
    // else can open a file and be given its number (log lines would go into it), and makes a
    // write to a pipe whose reader is gone fail instead of ending the process. The first
    // thing main() does.
    static void Prepare();
};
