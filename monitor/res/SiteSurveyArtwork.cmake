# Artwork of the Site Survey page: background, buttons, column headers, row icons.

wifi_art(IDB_SURVEY_PAGE BITMAP art/survey-page.svg.in SIZE 581 302 PARAMS "TITLE=Site Survey")
wifi_art_button(IDB_SURVEY_REFRESH IDB_SURVEY_REFRESH_HOVER Refresh "${BUTTON_BLUE}")
wifi_art_button(IDB_CONNECT IDB_CONNECT_HOVER Connect "${BUTTON_GREEN}")

# Headers over the list's columns of 90, 30 and 50 pixels.
wifi_art(IDB_HEADER_SSID BITMAP art/column-header.svg.in SIZE 90 18
         PARAMS W=90 X=6 ANCHOR=start LABEL=SSID MARK=80 EDGE=89)
wifi_art(IDB_HEADER_CHANNEL BITMAP art/column-header.svg.in SIZE 30 18
         PARAMS W=30 X=12 ANCHOR=middle LABEL=CH MARK=23 EDGE=29)
wifi_art(IDB_HEADER_SIGNAL BITMAP art/column-header.svg.in SIZE 50 18
         PARAMS W=50 X=22 ANCHOR=middle LABEL=Signal MARK=42 EDGE=49)

# Row icons on pure red, the image list's mask colour.
wifi_art(IDB_ROW_OPEN BITMAP art/row-icon.svg.in SIZE 16 16 BACKGROUND "#ff0000"
         PARAMS OPEN=inline LOCKED=none ADHOC=none)
wifi_art(IDB_ROW_PROTECTED BITMAP art/row-icon.svg.in SIZE 16 16 BACKGROUND "#ff0000"
         PARAMS OPEN=none LOCKED=inline ADHOC=none)
wifi_art(IDB_ROW_ADHOC BITMAP art/row-icon.svg.in SIZE 16 16 BACKGROUND "#ff0000"
         PARAMS OPEN=none LOCKED=none ADHOC=inline)
