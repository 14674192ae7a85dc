/* What the resource script and the Windows program share: the resources'
   numbers, the menu's commands and the about box's texts. Plain macros, since
   windres reads this file too. */
#ifndef ZARVELIN_RC_H
#define ZARVELIN_RC_H

#define IDS_QUIT_PROMPT 1
#define IDR_MAIN_MENU 101
#define IDR_ACCELERATORS 102
#define IDW_CLICK 104
#define IDW_BUST 105
#define IDI_ZARVELIN 106
#define IDD_ABOUT 109
#define IDD_SETUP 110
/* The additions' table box, after the described resources. */
#define IDD_TABLE 111
#define IDC_TABLE_TEXT 1040

/* The set-up dialog's controls. */
#define IDC_NAME_1 1003
#define IDC_NAME_2 1004
#define IDC_NAME_3 1005
#define IDC_NAME_4 1006
#define IDC_SEAT_1_HUMAN 1019
#define IDC_SEAT_1_COMPUTER 1020
#define IDC_SEAT_2_HUMAN 1022
#define IDC_SEAT_2_COMPUTER 1023
#define IDC_SEAT_3_HUMAN 1025
#define IDC_SEAT_3_COMPUTER 1026
#define IDC_SEAT_3_EMPTY 1027
#define IDC_SEAT_4_HUMAN 1028
#define IDC_SEAT_4_COMPUTER 1029
#define IDC_SEAT_4_EMPTY 1030
#define IDC_PACE_SLOW 1031
#define IDC_PACE_QUICK 1032
#define IDC_COLUMNS_TO_WIN 1033

#define IDM_NEW_GAME 40001
#define IDM_EXIT 40002
#define IDM_ABOUT 40003
/* The additions' commands, after the described ones. */
#define IDM_HOW_TO_PLAY 40004
#define IDM_HINT 40005
#define IDM_RECORDS 40006
#define IDM_SOUND 40007
#define IDM_LEVEL_EASY 40008
#define IDM_LEVEL_STANDARD 40009
#define IDM_LEVEL_EXPERT 40010
#define IDM_TAKE_TURNS_STARTING 40011
#define IDM_SCORE_SHEET 40012

#define QUIT_PROMPT_TEXT "Are you sure you want to quit this game?"

#define ABOUT_CAPTION "About Zarvelin"
#define ABOUT_TITLE "ZARVELIN"
#define ABOUT_CREDIT_1 "Zarvelin version 1.0"
#define ABOUT_CREDIT_2 "by the Zarvelin project"
#define ABOUT_CREDITS_NOTE \
    "Written by the Zarvelin project team. The computer opponent plays every roll exactly."
#define ABOUT_RULES_INTRO "For complete information on how to play this game, please check out the web page:"
#define ABOUT_RULES_PAGE "rules.html, beside zarvelin.exe"

#endif
