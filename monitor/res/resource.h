// resource.h - every resource, command and timer id of the monitor, by name and number (the window
// messages are in Messages.h).
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
#define ID_TRAY_NOTIFICATIONS 32778  // balloons about the link on and off

// String table.
#define IDS_VERSION 6  // the monitor version, "2.1.1.1"

// Cursors.
#define IDCUR_HAND 163  // hand cursor over bitmap buttons

// Timers.
#define TIMER_FRAME_POLL 199
#define TIMER_LINK_REFRESH 111
#define TIMER_SURVEY_SCAN 100  // the Site Survey and available networks pages' scan; the final page's poll
#define TIMER_SURVEY_TICK 112
#define TIMER_DONE_POLL 100
#define TIMER_REGISTRY_EDITOR 113  // the Profiles page waits for the registry editor it started

// Dialog templates.
#define IDD_MONITOR 102
#define IDD_LINK_INFO 135
#define IDD_SITE_SURVEY 136
#define IDD_PROFILES 137
#define IDD_DELETE_PROFILE 154
#define IDD_PROFILE_NAME 155
#define IDD_SURVEY_WEP 180
#define IDD_SURVEY_WPA 319
#define IDD_SURVEY_WPA2 320
#define IDD_IP_SETTINGS 166
#define IDD_SECURITY_MODE 167
#define IDD_PROFILE_SUMMARY 170
#define IDD_WEP 171
#define IDD_ADHOC_SETTINGS 173
#define IDD_WIRELESS_MODE 174
#define IDD_PROFILE_DONE 176
#define IDD_RADIUS 313
#define IDD_WPA_PERSONAL 314
#define IDD_WPA2_PERSONAL 315
#define IDD_WPA_ENTERPRISE 316
#define IDD_AVAILABLE_NETWORKS 317

// Controls every skinned page or dialog may carry.
#define IDC_OK 1
#define IDC_CANCEL 2
#define IDC_BACK 2      // editor pages
#define IDC_NEXT 1048   // editor pages
#define IDC_ENTER_SINK 1136  // hidden default button: Enter does nothing
#define IDC_ENTER_SINK_SURVEY 1138

// Monitor window controls.
#define IDC_TAB_LINK 1094
#define IDC_TAB_SURVEY 1095
#define IDC_TAB_PROFILES 1096
#define IDC_CLOSE 2

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
#define IDC_INFO_LEFT 1073   // the four detail lists are children of the monitor window
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

// Key dialogs of a surveyed network (Connect is 1, Cancel 2).
#define IDC_WEP_SECURITY 1076
#define IDC_WEP_KEY_LENGTH 1077
#define IDC_WEP_PASSPHRASE 1007
#define IDC_WEP_KEY 1032
#define IDC_WPA_SECURITY 1118
#define IDC_WPA_CIPHER 1119
#define IDC_WPA_PASSPHRASE 1120
#define IDC_WPA2_SECURITY 1122
#define IDC_WPA2_PASSPHRASE 1124

// Profiles page.
#define IDC_PROFILE_LIST 1038
#define IDC_PROFILE_DETAILS 1017
#define IDC_PROFILE_CONNECT 1002
#define IDC_PROFILE_NEW 1003
#define IDC_PROFILE_EDIT 1004
#define IDC_PROFILE_IMPORT 1006
#define IDC_PROFILE_EXPORT 1008
#define IDC_PROFILE_DELETE 1009

// About dialog.
#define IDC_ABOUT_VERSION 1140
#define IDC_ABOUT_DRIVER 1141
#define IDC_ABOUT_OK 1013

// Name prompt.
#define IDC_PROFILE_NAME 1037

// Profile editor pages.
#define IDC_IP_DHCP 1041
#define IDC_IP_STATIC 1042
#define IDC_IP_ADDRESS 1026
#define IDC_IP_MASK 1022
#define IDC_IP_GATEWAY 1023
#define IDC_IP_DNS1 1025
#define IDC_IP_DNS2 1024
#define IDC_MODE_INFRASTRUCTURE 1018
#define IDC_MODE_ADHOC 1019
#define IDC_MODE_SSID 1040
#define IDC_ADHOC_CHANNEL 1051
#define IDC_ADHOC_NETWORK_MODE 1049
#define IDC_SECURITY_MODE 1053
#define IDC_WEP_PAGE_KEY_LENGTH 1046
#define IDC_WEP_PAGE_PASSPHRASE 1007
#define IDC_WEP_PAGE_KEY 1032
#define IDC_WEP_PAGE_TX_KEY 1033
#define IDC_WEP_PAGE_AUTHENTICATION 1034
#define IDC_PSK_CIPHER 1110
#define IDC_PSK_PASSPHRASE 1007
#define IDC_TLS_METHOD 1034
#define IDC_TLS_LOGIN 1112
#define IDC_TLS_SERVER 1113
#define IDC_TLS_CERTIFICATE 1114
#define IDC_TLS_CIPHER 1111
#define IDC_PEAP_METHOD 1035
#define IDC_PEAP_LOGIN 1115
#define IDC_PEAP_PASSWORD 1119
#define IDC_PEAP_SERVER 1116
#define IDC_PEAP_CERTIFICATE 1118
#define IDC_PEAP_INNER 1120
#define IDC_PEAP_CIPHER 1117
#define IDC_SUMMARY_LIST 1045
#define IDC_SUMMARY_SAVE 1048
#define IDC_SUMMARY_EXIT 1031
#define IDC_DONE_RETURN 1099
#define IDC_DONE_CONNECT 1048
#define IDC_NETWORKS_LIST 1108
#define IDC_NETWORKS_CONNECT 1100
#define IDC_NETWORKS_REFRESH 1010
#define IDC_NETWORKS_MANUAL 1103
#define IDC_NETWORKS_EXIT 1102
#define IDC_NETWORKS_HEADER_SSID 1011
#define IDC_NETWORKS_HEADER_CHANNEL 1136
#define IDC_NETWORKS_HEADER_SIGNAL 1137
#define IDC_NETWORKS_HEADER_SECURITY 1012
#define IDC_NETWORKS_HEADER_MAC 1139
#define IDC_NETWORKS_ANIMATION 1125

// Bitmaps of the monitor window.
#define IDB_BG_ACTIVE 278
#define IDB_BG_INACTIVE 358
#define IDB_BG_SETUP 311
#define IDB_BG_SUMMARY 373
#define IDB_TAB_LINK_ON 182
#define IDB_TAB_LINK_OFF 305
#define IDB_TAB_SURVEY_ON 185
#define IDB_TAB_SURVEY_OFF 302
#define IDB_TAB_PROFILES_ON 304
#define IDB_TAB_PROFILES_OFF 303
#define IDB_CLOSE 222
#define IDB_CLOSE_HOVER 224
#define IDB_METER_BAR 298

// Link Information page bitmaps.
#define IDB_LINK_STATUS_UNKNOWN 310
#define IDB_LINK_INFRA_UP 213
#define IDB_LINK_INFRA_DOWN 148
#define IDB_LINK_ADHOC_UP 334
#define IDB_LINK_ADHOC_DOWN 367
#define IDB_LINK_NOT_BOUND 211
#define IDB_LINK_INFORMATION 201
#define IDB_LINK_STATISTICS 200
#define IDB_MORE_INFO 279
#define IDB_MORE_INFO_PRESSED 286
#define IDB_BACK_INFO 281
#define IDB_BACK_INFO_PRESSED 280
#define IDB_STATISTICS 296
#define IDB_STATISTICS_PRESSED 293
#define IDB_STATUS 297
#define IDB_STATUS_PRESSED 295
#define IDB_SAVE_TO_PROFILE 292
#define IDB_SAVE_TO_PROFILE_PRESSED 291
#define IDB_STATS_REFRESH 288
#define IDB_STATS_REFRESH_HOVER 287

// Site Survey page bitmaps.
#define IDB_SURVEY_PAGE 147
#define IDB_SURVEY_REFRESH 290
#define IDB_SURVEY_REFRESH_HOVER 289
#define IDB_CONNECT 285        // also the Profiles page's Connect
#define IDB_CONNECT_HOVER 284
#define IDB_HEADER_SSID 355
#define IDB_HEADER_CHANNEL 356
#define IDB_HEADER_SIGNAL 357
#define IDB_ROW_OPEN 344      // infrastructure network without privacy
#define IDB_ROW_PROTECTED 345 // infrastructure network with privacy
#define IDB_ROW_ADHOC 343

// Key dialog bitmaps.
#define IDB_KEY_WEP 327
#define IDB_KEY_WPA 338
#define IDB_KEY_WPA2 342
#define IDB_KEY_CONNECT 328
#define IDB_KEY_CONNECT_HOVER 329
#define IDB_KEY_CANCEL 273
#define IDB_KEY_CANCEL_HOVER 272

// Profiles page bitmaps.
#define IDB_PROFILES_PAGE 149
#define IDB_PROFILE_NEW 239
#define IDB_PROFILE_NEW_HOVER 266
#define IDB_PROFILE_EDIT 236
#define IDB_PROFILE_EDIT_HOVER 261
#define IDB_PROFILE_IMPORT 238
#define IDB_PROFILE_IMPORT_HOVER 265
#define IDB_PROFILE_EXPORT 237
#define IDB_PROFILE_EXPORT_HOVER 263
#define IDB_PROFILE_DELETE 235
#define IDB_PROFILE_DELETE_HOVER 260

// About dialog.
#define IDB_ABOUT_LOGO 359

// Profile editor bitmaps.
#define IDB_EDITOR_BACK 257
#define IDB_EDITOR_BACK_HOVER 270
#define IDB_EDITOR_NEXT 248
#define IDB_EDITOR_NEXT_HOVER 267
#define IDB_EDITOR_SAVE 253
#define IDB_EDITOR_SAVE_HOVER 269
#define IDB_EDITOR_EXIT 362
#define IDB_EDITOR_EXIT_HOVER 366
#define IDB_DONE_RETURN 252
#define IDB_DONE_RETURN_HOVER 268
#define IDB_DONE_CONNECT 274
#define IDB_DONE_CONNECT_HOVER 259
#define IDB_IP_SETTINGS 215
#define IDB_WIRELESS_MODE 220
#define IDB_ADHOC_SETTINGS 219
#define IDB_SECURITY_MODE 216
#define IDB_WEP_PAGE 217
#define IDB_WPA_PERSONAL_PAGE 315
#define IDB_WPA2_PERSONAL_PAGE 316
#define IDB_ENTERPRISE_TLS 317
#define IDB_ENTERPRISE_PEAP 332
#define IDB_RADIUS_TLS 314
#define IDB_RADIUS_PEAP 333
#define IDB_SUMMARY_PAGE 214
#define IDB_DONE_PAGE 218
#define IDB_DONE_PAGE_SURVEY 353
#define IDB_NETWORKS_PAGE 320
#define IDB_NETWORKS_CONNECT 323
#define IDB_NETWORKS_CONNECT_HOVER 322
#define IDB_NETWORKS_REFRESH 321
#define IDB_NETWORKS_REFRESH_HOVER 324
#define IDB_NETWORKS_MANUAL 319
#define IDB_NETWORKS_MANUAL_HOVER 318
#define IDB_NETWORKS_EXIT 254
#define IDB_NETWORKS_EXIT_HOVER 262
#define IDB_NETWORKS_HEADER_SSID 363
#define IDB_NETWORKS_HEADER_CHANNEL 365
#define IDB_NETWORKS_HEADER_SIGNAL 364
#define IDB_NETWORKS_HEADER_SECURITY 361
#define IDB_NETWORKS_HEADER_MAC 360

// Animations (resource type "Gif").
#define IDR_GIF_LINK_UP 336
#define IDR_GIF_NO_LINK 337
#define IDR_GIF_INTERNET_DOWN 341
#define IDR_GIF_INTERNET_UP 346
#define IDR_GIF_SCANNING 340

#endif
