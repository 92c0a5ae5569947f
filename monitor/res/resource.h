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

#endif
