// The program entry: start-up, the optional start-up run, the main dialog and the message loop.
#include <windows.h>

#include "platform/platform.h"
#include "settings/AppPaths.h"
#include "settings/StartUp.h"
#include "ui/MainDialog.h"
#include "ui/RunAnalysisCommand.h"
#include "ui/resource.h"

// Runs until WM_QUIT and returns its wParam. Accelerators are translated for the main dialog before
// the dialog manager sees a message, so Ctrl+A and Ctrl+Q act whichever control has the focus.
static int runMessageLoop(HWND dialog, HACCEL accelerators)
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, NULL, 0, 0)) != 0) {
        if (got == -1) return 0;
        if (accelerators && TranslateAcceleratorA(dialog, accelerators, &message)) continue;
        if (IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}

// With "-e" the stored settings are analysed before any window exists; with "-q" as well the process
// then ends with the run's outcome as its exit code, as vornix-cli's, and the settings file is left
// as it was.
static int programEntry(HINSTANCE instance)
{
    startUp();
    if (launchOptions.runAtStart) {
        int outcome = runAnalysisCommand(NULL);
        if (launchOptions.quitAfterRun) exitProcess(outcome);
    }
    HWND dialog = CreateDialogParamA(instance, RESOURCE_MAIN_DIALOG, NULL, mainDialogProc, 0);
    if (!dialog) return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, RESOURCE_ACCELERATORS);
    return runMessageLoop(dialog, accelerators);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    return programEntry(instance);
}
