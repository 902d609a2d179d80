#include "failure_reports.h"

#include "app.h"
#include "language.h"

int ReportOutOfMemory(HWND owner) {
    static bool reported = false;
    if (!reported) {
        reported = true;
        MessageBoxW(owner, kOutOfMemoryText, kProgramTitle, MB_OK | MB_ICONERROR);
    }
    return kExitFailed;
}

int ReportStartFailure() {
    MessageBoxW(nullptr, kStartFailedText, kProgramTitle, MB_OK | MB_ICONERROR);
    return kExitFailed;
}
