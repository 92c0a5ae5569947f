# Artwork of the Link Information page.

wifi_art(IDB_LINK_STATUS_UNKNOWN BITMAP art/page-background.svg.in SIZE 581 302 PARAMS "TITLE=Link Information")
wifi_art(IDB_MORE_INFO BITMAP art/button.svg.in SIZE 105 23 PARAMS "FILL=#2b6cc4" "LABEL=More Information")
wifi_art(IDB_MORE_INFO_PRESSED BITMAP art/button.svg.in SIZE 105 23 PARAMS "FILL=#133f7d" "LABEL=More Information")
