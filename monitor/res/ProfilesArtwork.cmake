# Artwork of the Profiles page: background and the six buttons (normal, hover and pressed).

wifi_art(IDB_PROFILES_PAGE BITMAP art/profiles-page.svg SIZE 581 302)
# Connect is the Site Survey page's button too, declared the same way there.
wifi_art_button(IDB_CONNECT IDB_CONNECT_HOVER Connect "${BUTTON_GREEN}")

set(PROFILE_BUTTON "FILL=#2b6cc4")
set(PROFILE_BUTTON_HOVER "FILL=#133f7d")
foreach(button NEW:New EDIT:Edit IMPORT:Import EXPORT:Export DELETE:Delete)
  string(REPLACE ":" ";" parts ${button})
  list(GET parts 0 id)
  list(GET parts 1 label)
  wifi_art(IDB_PROFILE_${id} BITMAP art/small-button.svg.in SIZE 78 23 PARAMS ${PROFILE_BUTTON} "LABEL=${label}")
  wifi_art(IDB_PROFILE_${id}_HOVER BITMAP art/small-button.svg.in SIZE 78 23 PARAMS ${PROFILE_BUTTON_HOVER} "LABEL=${label}")
endforeach()
