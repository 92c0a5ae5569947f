# Artwork of the profile editor: page backgrounds (labels painted where each page places its
# controls), the window backgrounds of the editor, buttons and the network list's headers.

wifi_art(IDB_BG_SUMMARY BITMAP art/window-background.svg.in SIZE 581 437
         PARAMS "CAPTION=Check the profile and save it" "SCREEN=#3d86e8" "WAVES=#c9dcf5" CROSS=hidden)

wifi_art(IDB_NETWORKS_PAGE BITMAP art/editor-available-networks.svg SIZE 574 271)
wifi_art(IDB_IP_SETTINGS BITMAP art/editor-ip-settings.svg SIZE 574 271)
wifi_art(IDB_WIRELESS_MODE BITMAP art/editor-wireless-mode.svg SIZE 574 271)
wifi_art(IDB_ADHOC_SETTINGS BITMAP art/editor-adhoc-settings.svg SIZE 574 271)
wifi_art(IDB_SECURITY_MODE BITMAP art/editor-security-mode.svg SIZE 574 271)
wifi_art(IDB_WEP_PAGE BITMAP art/editor-wep.svg SIZE 574 271)
wifi_art(IDB_WPA_PERSONAL_PAGE BITMAP art/editor-wpa-personal.svg SIZE 574 271)
wifi_art(IDB_WPA2_PERSONAL_PAGE BITMAP art/editor-wpa2-personal.svg SIZE 574 271)
wifi_art(IDB_ENTERPRISE_TLS BITMAP art/editor-enterprise-tls.svg SIZE 574 271)
wifi_art(IDB_ENTERPRISE_PEAP BITMAP art/editor-enterprise-peap.svg SIZE 574 271)
wifi_art(IDB_RADIUS_TLS BITMAP art/editor-radius-tls.svg SIZE 574 271)
wifi_art(IDB_RADIUS_PEAP BITMAP art/editor-radius-peap.svg SIZE 574 271)
wifi_art(IDB_SUMMARY_PAGE BITMAP art/editor-summary.svg SIZE 574 271)
wifi_art(IDB_DONE_PAGE BITMAP art/editor-done.svg SIZE 578 405)
wifi_art(IDB_DONE_PAGE_SURVEY BITMAP art/editor-done-survey.svg SIZE 578 405)

# A button: its size, caption, fill, and the colour of the page around it.
function(editor_art_button name w h label fill back)
  math(EXPR iw "${w} - 1")
  math(EXPR ih "${h} - 1")
  math(EXPR cx "${w} / 2")
  math(EXPR ty "${h} / 2 + 4")
  wifi_art(${name} BITMAP art/editor-button.svg.in SIZE ${w} ${h}
           PARAMS W=${w} H=${h} IW=${iw} IH=${ih} CX=${cx} TY=${ty} FONT=12 "LABEL=${label}" FILL=${fill} BACK=${back})
endfunction()

set(PRIMARY "#2b6cc4")
set(PRIMARY_HOVER "#133f7d")
set(SECONDARY "#6d7f99")
set(SECONDARY_HOVER "#46566d")
set(PAGE_EDGE "#e9eff7")  # below the white panel of a chain page
set(PANEL "#ffffff")
set(DONE_FLOOR "#eef3f9")

editor_art_button(IDB_EDITOR_NEXT 84 23 "Next" ${PRIMARY} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_NEXT_HOVER 84 23 "Next" ${PRIMARY_HOVER} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_BACK 84 23 "Back" ${SECONDARY} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_BACK_HOVER 84 23 "Back" ${SECONDARY_HOVER} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_SAVE 84 23 "Save" ${PRIMARY} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_SAVE_HOVER 84 23 "Save" ${PRIMARY_HOVER} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_EXIT 84 23 "Exit" ${SECONDARY} ${PAGE_EDGE})
editor_art_button(IDB_EDITOR_EXIT_HOVER 84 23 "Exit" ${SECONDARY_HOVER} ${PAGE_EDGE})
editor_art_button(IDB_DONE_CONNECT 160 28 "Connect to Network" ${PRIMARY} ${DONE_FLOOR})
editor_art_button(IDB_DONE_CONNECT_HOVER 160 28 "Connect to Network" ${PRIMARY_HOVER} ${DONE_FLOOR})
editor_art_button(IDB_DONE_RETURN 190 28 "Return to Profiles screen" ${SECONDARY} ${DONE_FLOOR})
editor_art_button(IDB_DONE_RETURN_HOVER 190 28 "Return to Profiles screen" ${SECONDARY_HOVER} ${DONE_FLOOR})

editor_art_button(IDB_NETWORKS_CONNECT 170 26 "Connect" ${PRIMARY} ${PANEL})
editor_art_button(IDB_NETWORKS_CONNECT_HOVER 170 26 "Connect" ${PRIMARY_HOVER} ${PANEL})
editor_art_button(IDB_NETWORKS_REFRESH 170 26 "Refresh" ${PRIMARY} ${PANEL})
editor_art_button(IDB_NETWORKS_REFRESH_HOVER 170 26 "Refresh" ${PRIMARY_HOVER} ${PANEL})
editor_art_button(IDB_NETWORKS_MANUAL 170 26 "Manual Setup" ${PRIMARY} ${PANEL})
editor_art_button(IDB_NETWORKS_MANUAL_HOVER 170 26 "Manual Setup" ${PRIMARY_HOVER} ${PANEL})
editor_art_button(IDB_NETWORKS_EXIT 170 26 "Exit" ${SECONDARY} ${PANEL})
editor_art_button(IDB_NETWORKS_EXIT_HOVER 170 26 "Exit" ${SECONDARY_HOVER} ${PANEL})

# The headers of the available networks list, each as wide as its column (93, 25, 38, 65, 110) and
# over it. The list draws the line between two columns on the right one's first pixel: each header
# but the first carries its separator there.
function(editor_art_header name w label sep)
  math(EXPR cx "${w} / 2")
  wifi_art(${name} BITMAP art/list-header.svg.in SIZE ${w} 20 PARAMS W=${w} SEP=${sep} CX=${cx} "LABEL=${label}")
endfunction()

editor_art_header(IDB_NETWORKS_HEADER_SSID 93 "SSID" -1)
editor_art_header(IDB_NETWORKS_HEADER_CHANNEL 25 "CH" 0)
editor_art_header(IDB_NETWORKS_HEADER_SIGNAL 38 "Signal" 0)
editor_art_header(IDB_NETWORKS_HEADER_SECURITY 65 "Security" 0)
editor_art_header(IDB_NETWORKS_HEADER_MAC 110 "MAC Address" 0)
