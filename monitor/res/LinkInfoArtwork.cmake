# Artwork of the Link Information page: its views, buttons, and the About dialog's logo.

set(LINK_PAGE art/link-page.svg.in)
wifi_art(IDB_LINK_STATUS_UNKNOWN BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=unknown)
wifi_art(IDB_LINK_INFRA_UP BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=infra-up)
wifi_art(IDB_LINK_INFRA_DOWN BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=infra-down)
wifi_art(IDB_LINK_ADHOC_UP BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=adhoc-up)
wifi_art(IDB_LINK_ADHOC_DOWN BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=adhoc-down)
wifi_art(IDB_LINK_NOT_BOUND BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=not-bound)
wifi_art(IDB_LINK_INFORMATION BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=info)
wifi_art(IDB_LINK_STATISTICS BITMAP ${LINK_PAGE} SIZE 581 302 PARAMS VIEW=stats)

# Page buttons, normal and pressed (Refresh: normal and hover), with their captions painted in.
wifi_art_button(IDB_MORE_INFO IDB_MORE_INFO_PRESSED "More Information" "${BUTTON_BLUE}")
wifi_art_button(IDB_BACK_INFO IDB_BACK_INFO_PRESSED Back "${BUTTON_BLUE}")
wifi_art_button(IDB_STATISTICS IDB_STATISTICS_PRESSED Statistics "${BUTTON_BLUE}")
wifi_art_button(IDB_STATUS IDB_STATUS_PRESSED Status "${BUTTON_BLUE}")
wifi_art_button(IDB_SAVE_TO_PROFILE IDB_SAVE_TO_PROFILE_PRESSED "Save To Profile" "${BUTTON_BLUE}")
wifi_art_button(IDB_STATS_REFRESH IDB_STATS_REFRESH_HOVER Refresh "${BUTTON_BLUE}")

wifi_art(IDB_ABOUT_LOGO BITMAP art/logo.svg SIZE 64 64)
