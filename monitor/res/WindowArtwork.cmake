# Artwork of the monitor window: backgrounds, tabs, close cross, meter, hand cursor, animations.

set(TAB_ON "FILL=#f4f7fb" "EDGE=#9fb6d3" "INK=#133f7d")
set(TAB_OFF "FILL=#2b5a99" "EDGE=#4c7cc0" "INK=#dbe6f4")

wifi_art(IDB_BG_ACTIVE BITMAP art/window-background.svg.in SIZE 581 437
         PARAMS "CAPTION=Your wireless adapter is ready" "SCREEN=#3d86e8" "WAVES=#7ed957" CROSS=hidden)
wifi_art(IDB_BG_INACTIVE BITMAP art/window-background.svg.in SIZE 581 437
         PARAMS "CAPTION=No wireless adapter found" "SCREEN=#8a96a6" "WAVES=#6d7f99" CROSS=visible)
wifi_art(IDB_BG_SETUP BITMAP art/window-background.svg.in SIZE 581 437
         PARAMS "CAPTION=Set up a connection profile" "SCREEN=#3d86e8" "WAVES=#c9dcf5" CROSS=hidden)

wifi_art(IDB_TAB_LINK_ON BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_ON} "LABEL=Link Information")
wifi_art(IDB_TAB_LINK_OFF BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_OFF} "LABEL=Link Information")
wifi_art(IDB_TAB_SURVEY_ON BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_ON} "LABEL=Site Survey")
wifi_art(IDB_TAB_SURVEY_OFF BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_OFF} "LABEL=Site Survey")
wifi_art(IDB_TAB_PROFILES_ON BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_ON} "LABEL=Profiles")
wifi_art(IDB_TAB_PROFILES_OFF BITMAP art/tab.svg.in SIZE 130 30 PARAMS ${TAB_OFF} "LABEL=Profiles")

wifi_art(IDB_CLOSE BITMAP art/close.svg.in SIZE 20 20 PARAMS "RING=#1e58a6")
wifi_art(IDB_CLOSE_HOVER BITMAP art/close.svg.in SIZE 20 20 PARAMS "RING=#d62828")
wifi_art(IDB_METER_BAR BITMAP art/meter-bar.svg SIZE 88 13 BACKGROUND "#000000")
wifi_art(IDCUR_HAND CURSOR art/hand.svg SIZE 32 HOTSPOT 11 2)

wifi_art(IDR_GIF_LINK_UP GIF art/access-point.svg.in SIZE 80 80 FRAMES 4 DELAY 25 PARAMS UP=inline DOWN=none "LED=#7ed957")
wifi_art(IDR_GIF_NO_LINK GIF art/access-point.svg.in SIZE 80 80 FRAMES 4 DELAY 25 PARAMS UP=none DOWN=inline "LED=#8a96a6")
wifi_art(IDR_GIF_SCANNING GIF art/scanning.svg.in SIZE 48 48 FRAMES 8 DELAY 12)
wifi_art(IDR_GIF_INTERNET_UP GIF art/globe.svg.in SIZE 64 64 FRAMES 3 DELAY 40 PARAMS UP=inline DOWN=none "SEA=#2b6cc4")
wifi_art(IDR_GIF_INTERNET_DOWN GIF art/globe.svg.in SIZE 64 64 FRAMES 2 DELAY 50 PARAMS UP=none DOWN=inline "SEA=#8a96a6")

