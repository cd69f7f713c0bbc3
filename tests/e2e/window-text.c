/* Writes the controls of a top-level window, one per line as its id, a tab and its text, to
   C:\vornix-e2e\window-text.txt (code page 932): window-text.exe TITLE. The checks read a message
   box's text and the dialog's boxes this way. Exit code 1 when no window has that title.
   window-text.exe TITLE ID TEXT first sets the text of the control with that id, for text the
   keyboard of the display can't type (Japanese). window-text.exe TITLE owner writes one line
   instead: "owner", a tab, the title of the window's owner, a tab and 1 when the owner is enabled
   (an empty title and 1 without an owner). window-text.exe TITLE focus ID puts the keyboard focus
   into the control with that id as the Tab key would (WM_NEXTDLGCTL: an edit box's text is
   selected, a push button becomes the default one); window-text.exe TITLE centre ID writes
   "centre", a tab, x, a tab and y: the middle of that control in screen coordinates.
   window-text.exe TITLE watch ID OTHER SECONDS looks at the
   window every 10 ms for that long (or until it is gone) and writes a line whenever the text of
   control ID (its line breaks as "|") or whether control OTHER is enabled changed: the text, a tab
   and 1 or 0 (a look during which OTHER changed is left out); for what changes faster than the
   other calls could see. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

/* WM_GETTEXT, not GetWindowText, which would not ask a control of another process. */
static BOOL CALLBACK writeText(HWND control, LPARAM out)
{
    char text[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &length);
    fprintf((FILE*)out, "%d\t%s\r\n", GetDlgCtrlID(control), text);
    return TRUE;
}

/* The title is taken from the wide command line: the narrow one that WinMain gets loses the first
   byte of a double-byte character. */
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    HWND window = arguments && count > 1 ? FindWindowW(NULL, arguments[1]) : NULL;
    FILE* out;
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    if (!window) return 1;
    if (count == 4 && lstrcmpW(arguments[2], L"focus") == 0) {
        DWORD_PTR result = 0;
        HWND control = GetDlgItem(window, _wtoi(arguments[3]));
        return !control || !SendMessageTimeoutW(window, WM_NEXTDLGCTL, (WPARAM)control, TRUE, SMTO_ABORTIFHUNG, 5000, &result);
    }
    if (count == 4 && lstrcmpW(arguments[2], L"centre") == 0) {
        RECT box;
        HWND control = GetDlgItem(window, _wtoi(arguments[3]));
        if (!control || !GetWindowRect(control, &box)) return 1;
        out = fopen("C:\\vornix-e2e\\window-text.txt", "wb");
        if (!out) return 1;
        fprintf(out, "centre\t%ld\t%ld\r\n", (box.left + box.right) / 2, (box.top + box.bottom) / 2);
        return fclose(out) != 0;
    }
    if (count == 6 && lstrcmpW(arguments[2], L"watch") == 0) {
        char text[1024], last[1024] = "\001", *c;
        int enabled, lastEnabled = -1;
        DWORD start = GetTickCount(), length = (DWORD)_wtoi(arguments[5]) * 1000;
        if (!(out = fopen("C:\\vornix-e2e\\window-watch.txt", "wb"))) return 1;
        for (; IsWindow(window) && GetTickCount() - start < length; Sleep(10)) {
            enabled = IsWindowEnabled(GetDlgItem(window, _wtoi(arguments[4]))) != 0;
            text[0] = '\0';
            SendMessageTimeoutA(GetDlgItem(window, _wtoi(arguments[3])), WM_GETTEXT, sizeof text, (LPARAM)text,
                                SMTO_ABORTIFHUNG, 5000, NULL);
            if (enabled != (IsWindowEnabled(GetDlgItem(window, _wtoi(arguments[4]))) != 0)) continue;   /* changed meanwhile */
            for (c = text; *c; c++) *c = *c == '\r' || *c == '\n' ? '|' : *c;
            if (strcmp(text, last) == 0 && enabled == lastEnabled) continue;
            fprintf(out, "%s\t%d\r\n", text, enabled);
            fflush(out);
            strcpy(last, text);
            lastEnabled = enabled;
        }
        return fclose(out) != 0;
    }
    if (count > 3) {
        DWORD_PTR result = 0;
        HWND control = GetDlgItem(window, _wtoi(arguments[2]));
        if (!control || !SendMessageTimeoutW(control, WM_SETTEXT, 0, (LPARAM)arguments[3], SMTO_ABORTIFHUNG, 5000, &result))
            return 1;
    }
    out = fopen("C:\\vornix-e2e\\window-text.txt", "wb");
    if (!out) return 1;
    if (count == 3 && lstrcmpW(arguments[2], L"owner") == 0) {
        HWND owner = GetWindow(window, GW_OWNER);
        char title[1024] = "";
        if (owner) GetWindowTextA(owner, title, sizeof title);
        fprintf(out, "owner\t%s\t%d\r\n", title, owner ? IsWindowEnabled(owner) != 0 : 1);
        fclose(out);
        return 0;
    }
    EnumChildWindows(window, writeText, (LPARAM)out);
    fclose(out);
    return 0;
}
