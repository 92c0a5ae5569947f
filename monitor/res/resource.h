// resource.h - every resource, command, message and timer id of the monitor, by name and number.
// Also read by windres: keep it to #define lines.
#ifndef WIFIMON_RESOURCE_H
#define WIFIMON_RESOURCE_H

// Frame and application icon.
#define IDR_MAINFRAME 128

// Tray menu; its first submenu holds the commands below.
#define IDR_TRAY_MENU 138

// Tray icons, Windows XP set.
#define IDI_TRAY_XP_FULL 140      // signal above 75 %
#define IDI_TRAY_DISABLED 141     // adapter unusable (both sets)
#define IDI_TRAY_XP_LOW 142       // signal 0-25 %, scanning
#define IDI_TRAY_XP_FAIR 143      // signal 26-50 %
#define IDI_TRAY_XP_GOOD 144      // signal 51-75 %

// Tray icons, other Windows.
#define IDI_TRAY_OTHER_FAIR 368   // signal 26-50 %
#define IDI_TRAY_OTHER_GOOD 369   // signal 51-75 %
#define IDI_TRAY_OTHER_FULL 370   // signal above 75 %
#define IDI_TRAY_OTHER_OFF 371    // this set's adapter-unusable look; the frame shows 141 instead
#define IDI_TRAY_OTHER_LOW 372    // signal 0-25 %, scanning

// Dialog of the About command (its window comes with the About dialog).
#define IDD_ABOUT 146

// Tray menu commands.
#define ID_TRAY_OPEN 32771
#define ID_TRAY_SWITCH 32772
#define ID_TRAY_ABOUT 32775
#define ID_TRAY_OFF 32777

// Frame messages (WM_USER + 0x1000, + 0x1001).
#define WM_MONITOR_REEVALUATE 5120
#define WM_MONITOR_SWITCH_ZERO_CONTROL 5121

// Timers.
#define TIMER_FRAME_POLL 199
#define TIMER_LINK_REFRESH 111

// The monitor window and its pages.
// Dialog templates.
#define IDD_MONITOR 102
#define IDD_LINK_INFO 135
#define IDD_SITE_SURVEY 136
#define IDD_PROFILES 137

// Monitor window controls.
#define IDC_TAB_LINK 1094
#define IDC_TAB_SURVEY 1095
#define IDC_TAB_PROFILES 1096
#define IDC_CLOSE 2
#define IDC_ENTER_SINK 1136  // hidden default button: Enter does nothing
#define IDC_ENTER_SINK_SURVEY 1138

// Link Information page.
#define IDC_SIGNAL_METER 1035
#define IDC_QUALITY_METER 1036
#define IDC_MORE_INFO 1111
#define IDC_STATISTICS 1061
#define IDC_SAVE_TO_PROFILE 1114
#define IDC_STATS_REFRESH 1115
#define IDC_HEADLINE 1106
#define IDC_SENTENCE 1107
#define IDC_AP_PICTURE 1116
#define IDC_INTERNET_PICTURE 1117
#define IDC_ADHOC_PICTURE 1118
#define IDC_INFO_LEFT 1073
#define IDC_INFO_RIGHT 1074
#define IDC_STATS_LEFT 1070
#define IDC_STATS_RIGHT 1071

// Site Survey page.
#define IDC_SURVEY_LIST 1016
#define IDC_SURVEY_DETAILS 1039
#define IDC_SURVEY_REFRESH 1010
#define IDC_SURVEY_CONNECT 1116
#define IDC_HEADER_SSID 1011
#define IDC_HEADER_CHANNEL 1136
#define IDC_HEADER_SIGNAL 1137
#define IDC_SCAN_ANIMATION 1125

// Profiles page.
#define IDC_PROFILE_LIST 1038
#define IDC_PROFILE_DETAILS 1017
#define IDC_PROFILE_CONNECT 1002
#define IDC_PROFILE_NEW 1003
#define IDC_PROFILE_EDIT 1004
#define IDC_PROFILE_IMPORT 1006
#define IDC_PROFILE_EXPORT 1008
#define IDC_PROFILE_DELETE 1009

// Bitmaps.
#define IDB_BG_ACTIVE 278
#define IDB_BG_INACTIVE 358
#define IDB_BG_SETUP 311
#define IDB_TAB_LINK_ON 182
#define IDB_TAB_LINK_OFF 305
#define IDB_TAB_SURVEY_ON 185
#define IDB_TAB_SURVEY_OFF 302
#define IDB_TAB_PROFILES_ON 304
#define IDB_TAB_PROFILES_OFF 303
#define IDB_CLOSE 222
#define IDB_CLOSE_HOVER 224
#define IDB_LINK_STATUS_UNKNOWN 310
#define IDB_SURVEY_PAGE 147
#define IDB_PROFILES_PAGE 149
#define IDB_MORE_INFO 279
#define IDB_MORE_INFO_PRESSED 286

#define IDB_METER_BAR 298
#define IDCUR_HAND 163  // hand cursor over bitmap buttons

// Animations (resource type "Gif").
#define IDR_GIF_LINK_UP 336
#define IDR_GIF_NO_LINK 337
#define IDR_GIF_INTERNET_DOWN 341
#define IDR_GIF_INTERNET_UP 346
#define IDR_GIF_SCANNING 340

// Timers of the pages.
#define TIMER_SURVEY_SCAN 100
#define TIMER_SURVEY_TICK 112

#endif
