// The program's options: every word of the command line that is not one
// of them is ignored.
#pragma once

// Whether the command line asks for the projector mode (--projector).
bool ReadProjectorOption(const wchar_t* commandLine);

// The monitor that `--monitor N` asks for, 1 for the primary; 0 when the
// command line asks for none or N is not a whole number from 1 on.
int ReadMonitorOption(const wchar_t* commandLine);
