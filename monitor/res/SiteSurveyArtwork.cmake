# Artwork of the Site Survey page.

wifi_art(IDB_SURVEY_PAGE BITMAP art/page-background.svg.in SIZE 581 302 PARAMS "TITLE=Site Survey")
