# Artwork of the Profiles page.

wifi_art(IDB_PROFILES_PAGE BITMAP art/page-background.svg.in SIZE 581 302 PARAMS "TITLE=Profiles")
