#ifndef VORNIX_RESOURCE_H
#define VORNIX_RESOURCE_H
// Every control and command id of the Windows program, grouped by role, and the names of its
// resources. Shared by the resource script and the C++ sources.

// Resources are named, not numbered; Windows finds a name without regard to letter case, so the
// dialog template "IDD_MAIN" is found as "IDD_Main".
#define RESOURCE_MAIN_DIALOG "IDD_Main"
#define RESOURCE_ABOUT_DIALOG "IDD_ABOUT"
#define RESOURCE_CONDITIONS_DIALOG "IDD_CONDITIONS"
#define RESOURCE_ALSO_IDS_DIALOG "IDD_ALSO_IDS"
#define RESOURCE_ACCELERATORS "IDR_ACCELERATOR"
#define RESOURCE_ICON "IDI_ICON"

// Static texts and group boxes (never addressed)
#define IDC_STATIC_TEXT 1000

// The main dialog's outer frame, and its line of what the next run uses (and of a run's progress);
// a click on the line opens the 分析条件 dialog
#define IDC_MAIN_FRAME 1001
#define IDC_RUN_SUMMARY 1002

// Ends the program (button "終了", menu "終了", Ctrl+Q, Esc); "閉じる" in the About box
#define IDC_EXIT 2

// The ID box: a combo box whose edit part holds the player ID
#define IDC_ID_COMBO 1101

// Buttons
#define IDC_BROWSE 1201
#define IDC_RUN 1202
#define IDC_CLEAR_IDS 1204

// Edit boxes
#define IDC_LOG_PATH 1301
#define IDC_MIN_RATE 1302
#define IDC_MAX_RATE 1303

// Check boxes
#define IDC_SAVE_ON_EXIT 1401
#define IDC_REPORT_ON_DESKTOP 1402

// Colour scheme radio buttons, in scheme order 0 to 3
#define IDC_SCHEME_STANDARD 1501
#define IDC_SCHEME_WHITE 1502
#define IDC_SCHEME_BLACK 1503
#define IDC_SCHEME_BLUE 1504

// Menu commands
#define IDM_COPY 1601
#define IDM_CUT 1602
#define IDM_PASTE 1603
#define IDM_SELECT_ALL 1604
#define IDM_SAVE 1611
#define IDM_RESTORE 1612
#define IDM_DEFAULTS 1613
#define IDM_CLEAR_ID_LIST 1614
#define IDM_USER_GUIDE 1621
#define IDM_ABOUT 1622
#define IDM_TREND_CHARTS 1623
#define IDM_DETAILS 1624
#define IDM_RIVALS 1625
#define IDM_CONDITIONS 1626
#define IDM_ALSO_IDS 1627

// The 分析条件 dialog (its OK and キャンセル are the dialog manager's IDOK and IDCANCEL, so that
// Enter and Esc reach them)
#define IDC_CONDITION_FIRST_DAY 1701
#define IDC_CONDITION_LAST_DAY 1702
#define IDC_CONDITION_LOBBIES 1711
#define IDC_CONDITION_LOBBY_NOTE 1712
#define IDC_CONDITION_LENGTH_ALL 1721   // 対局: すべて, 東風戦, 半荘戦, in this order
#define IDC_CONDITION_LENGTH_TONPU 1722
#define IDC_CONDITION_LENGTH_HANCHAN 1723
#define IDC_CONDITION_SEATS_ALL 1731    // 人数: すべて, 4人打ち, 3人打ち, in this order
#define IDC_CONDITION_SEATS_FOUR 1732
#define IDC_CONDITION_SEATS_THREE 1733
#define IDC_CONDITION_SKIP_BROKEN 1741
#define IDC_CONDITION_CLEAR 1751

// The 別のID dialog (OK and キャンセル as in the 分析条件 dialog)
#define IDC_ALSO_IDS 1801

#endif
