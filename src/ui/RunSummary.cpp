#include "ui/RunSummary.h"

#include <stdio.h>
#include <string.h>

#include "platform/platform.h"
#include "analysis/Conditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"
#include "ui/resource.h"

enum {
    SUMMARY_TEXT_SIZE = CONDITIONS_TEXT_SIZE + 256,
    SUMMARY_MAX_LINES = 6,   // a longer text ends cut; the conditions dialog shows it whole
    SUMMARY_GAP = 3          // dialog units between the line and the controls around it
};

// The template's places, in client pixels: the line's top, left and width, the buttons' tops and the
// dialog's and the outer frame's heights.
static int lineTop, lineLeft, lineWidth, runTop, exitTop, frameHeight, windowHeight;
static int shownShift = -1;   // how far the buttons are moved now; -1 before the first layout

static RECT clientRect(HWND dialog, int control)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, control), &rect);
    MapWindowPoints(NULL, dialog, (POINT*)&rect, 2);
    return rect;
}

void prepareRunSummary(HWND dialog)
{
    RECT line = clientRect(dialog, IDC_RUN_SUMMARY);
    lineTop = line.top;
    lineLeft = line.left;
    lineWidth = line.right - line.left;
    runTop = clientRect(dialog, IDC_RUN).top;
    exitTop = clientRect(dialog, IDC_EXIT).top;
    RECT frame = clientRect(dialog, IDC_MAIN_FRAME);
    frameHeight = frame.bottom - frame.top;
    RECT window;
    GetWindowRect(dialog, &window);
    windowHeight = window.bottom - window.top;
    shownShift = -1;
}

int logPathReadable(const char* path)
{
    FILE* file = path[0] ? openRegularFile(path) : NULL;
    if (!file) return 0;
    return fclose(file) == 0;   // only opened to find out; nothing was read
}

static void appendLine(char* text, size_t size, const char* line)
{
    if (text[0]) appendText(text, size, "\n");
    appendText(text, size, line);
}

// "追加：推移グラフ・詳しい成績・対戦相手別の成績", the options that are on; nothing when none is.
static void appendOutputs(char* text, size_t size)
{
    const struct { const int* option; const char* name; } outputs[] = {
        { &settings.trendCharts, SUMMARY_TREND_CHARTS },
        { &settings.details, SUMMARY_DETAILS },
        { &settings.rivals, SUMMARY_RIVALS },
    };
    char line[128] = "";
    for (const auto& output : outputs) {
        if (!*output.option) continue;
        appendText(line, sizeof line, line[0] ? "・" : SUMMARY_OUTPUTS);
        appendText(line, sizeof line, output.name);
    }
    if (line[0]) appendLine(text, size, line);
}

// "別のID：B、C", the further IDs; nothing without them.
static void appendAlsoIds(char* text, size_t size)
{
    if (!settings.alsoIds[0]) return;
    char line[ALSO_ID_LIST_SIZE * 2];
    copyText(line, sizeof line, SUMMARY_ALSO_IDS);
    for (const char* item = settings.alsoIds; *item;) {
        size_t length = strcspn(item, ";");
        char id[ID_SIZE];
        copyTextN(id, sizeof id, item, length);
        if (item != settings.alsoIds) appendText(line, sizeof line, "、");
        appendText(line, sizeof line, id);
        item += length + (item[length] == ';');
    }
    appendLine(text, size, line);
}

// The height in pixels the text takes in the line's width, at most SUMMARY_MAX_LINES lines.
static int textHeight(HWND line, const char* text)
{
    HDC context = GetDC(line);
    if (!context) return 0;
    HGDIOBJ previous = SelectObject(context, (HGDIOBJ)SendMessageA(line, WM_GETFONT, 0, 0));
    TEXTMETRICA metrics;
    GetTextMetricsA(context, &metrics);
    RECT rect = { 0, 0, lineWidth, 0 };
    DrawTextA(context, text, -1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(context, previous);
    ReleaseDC(line, context);
    int most = metrics.tmHeight * SUMMARY_MAX_LINES;
    return rect.bottom < most ? rect.bottom : most;
}

static void moveTop(HWND dialog, int control, int top)
{
    RECT rect = clientRect(dialog, control);
    SetWindowPos(GetDlgItem(dialog, control), NULL, rect.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shows text in the line (hides it when empty) and moves the buttons below it, the frame and the
// dialog's bottom with them.
static void layOut(HWND dialog, const char* text)
{
    HWND line = GetDlgItem(dialog, IDC_RUN_SUMMARY);
    SetWindowTextA(line, text);
    int shift = 0, height = 0;
    if (text[0]) {
        RECT gap = { 0, 0, 0, SUMMARY_GAP };
        MapDialogRect(dialog, &gap);
        height = textHeight(line, text);
        shift = lineTop + height + gap.bottom - runTop;
        if (shift < 0) shift = 0;
    }
    if (shift != shownShift) {
        SetWindowPos(line, NULL, lineLeft, lineTop, lineWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
        moveTop(dialog, IDC_RUN, runTop + shift);
        moveTop(dialog, IDC_EXIT, exitTop + shift);
        RECT frame = clientRect(dialog, IDC_MAIN_FRAME);
        SetWindowPos(GetDlgItem(dialog, IDC_MAIN_FRAME), NULL, 0, 0, frame.right - frame.left, frameHeight + shift,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT window;
        GetWindowRect(dialog, &window);
        SetWindowPos(dialog, NULL, 0, 0, window.right - window.left, windowHeight + shift,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        shownShift = shift;
        InvalidateRect(dialog, NULL, TRUE);
    }
    ShowWindow(line, text[0] ? SW_SHOWNA : SW_HIDE);
}

// Appends what the next run uses beyond the ID, the log and the rates, a line for each kind.
static void appendSettings(char* text, size_t size)
{
    char line[CONDITIONS_TEXT_SIZE];
    formatConditions(line, sizeof line);
    if (line[0]) appendLine(text, size, line);
    appendAlsoIds(text, size);
    if (settings.skipBroken) appendLine(text, size, SUMMARY_SKIP_BROKEN);
    appendOutputs(text, size);
}

void showRunSummary(HWND dialog)
{
    char text[SUMMARY_TEXT_SIZE] = "";
    if (!logPathReadable(settings.logPath)) appendLine(text, sizeof text, SUMMARY_LOG_MISSING);
    appendSettings(text, sizeof text);
    layOut(dialog, text);
}

void showRunProgress(HWND dialog, int percent)
{
    char text[SUMMARY_TEXT_SIZE];
    snprintf(text, sizeof text, SUMMARY_PROGRESS, percent);
    appendSettings(text, sizeof text);
    layOut(dialog, text);
}
