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
set(NORMAL "FILL=#2b6cc4")
set(PRESSED "FILL=#133f7d")
wifi_art(IDB_MORE_INFO BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=More Information")
wifi_art(IDB_MORE_INFO_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=More Information")
wifi_art(IDB_BACK_INFO BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=Back")
wifi_art(IDB_BACK_INFO_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=Back")
wifi_art(IDB_STATISTICS BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=Statistics")
wifi_art(IDB_STATISTICS_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=Statistics")
wifi_art(IDB_STATUS BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=Status")
wifi_art(IDB_STATUS_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=Status")
wifi_art(IDB_SAVE_TO_PROFILE BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=Save To Profile")
wifi_art(IDB_SAVE_TO_PROFILE_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=Save To Profile")
wifi_art(IDB_STATS_REFRESH BITMAP art/button.svg.in SIZE 105 23 PARAMS ${NORMAL} "LABEL=Refresh")
wifi_art(IDB_STATS_REFRESH_HOVER BITMAP art/button.svg.in SIZE 105 23 PARAMS ${PRESSED} "LABEL=Refresh")

wifi_art(IDB_ABOUT_LOGO BITMAP art/logo.svg SIZE 64 64)
