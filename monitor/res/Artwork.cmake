# The monitor's artwork, one line per resource (name from resource.h, kind, source, options).
# See cmake/Artwork.cmake for the options.

# Tray palette: unlit bar, signal steps from low to full, and the greyed unusable look.
set(UNLIT "#c9d0d8")
set(LOW "#e4572e")
set(FAIR "#f3a712")
set(GOOD "#9bc53d")
set(FULL "#2e9e4f")
set(OFF "#b5bcc4")

wifi_art(IDR_MAINFRAME ICON art/app.svg)

wifi_art(IDI_TRAY_DISABLED ICON art/tray-bars.svg.in PARAMS B1=${OFF} B2=${OFF} B3=${OFF} B4=${OFF} CROSS=visible)
wifi_art(IDI_TRAY_XP_LOW ICON art/tray-bars.svg.in PARAMS B1=${LOW} B2=${UNLIT} B3=${UNLIT} B4=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_XP_FAIR ICON art/tray-bars.svg.in PARAMS B1=${FAIR} B2=${FAIR} B3=${UNLIT} B4=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_XP_GOOD ICON art/tray-bars.svg.in PARAMS B1=${GOOD} B2=${GOOD} B3=${GOOD} B4=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_XP_FULL ICON art/tray-bars.svg.in PARAMS B1=${FULL} B2=${FULL} B3=${FULL} B4=${FULL} CROSS=hidden)

wifi_art(IDI_TRAY_OTHER_LOW ICON art/tray-fan.svg.in PARAMS A0=${LOW} A1=${UNLIT} A2=${UNLIT} A3=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_OTHER_FAIR ICON art/tray-fan.svg.in PARAMS A0=${FAIR} A1=${FAIR} A2=${UNLIT} A3=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_OTHER_GOOD ICON art/tray-fan.svg.in PARAMS A0=${GOOD} A1=${GOOD} A2=${GOOD} A3=${UNLIT} CROSS=hidden)
wifi_art(IDI_TRAY_OTHER_FULL ICON art/tray-fan.svg.in PARAMS A0=${FULL} A1=${FULL} A2=${FULL} A3=${FULL} CROSS=hidden)
wifi_art(IDI_TRAY_OTHER_OFF ICON art/tray-fan.svg.in PARAMS A0=${OFF} A1=${OFF} A2=${OFF} A3=${OFF} CROSS=visible)
