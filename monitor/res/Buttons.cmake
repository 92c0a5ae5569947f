# The windows' 105 x 23 buttons (art/button.svg.in), declared in pairs: the first bitmap normal,
# the second pressed or hovered, the caption painted into both, in one of the button colours.
set(BUTTON_BLUE "#2b6cc4;#133f7d")
set(BUTTON_GREEN "#2e9e4f;#1d6b34")
set(BUTTON_GREY "#6d7f99;#4a5d78")

function(wifi_art_button name second label colours)
  list(GET colours 0 normal)
  list(GET colours 1 pressed)
  wifi_art(${name} BITMAP art/button.svg.in SIZE 105 23 PARAMS "FILL=${normal}" "LABEL=${label}")
  wifi_art(${second} BITMAP art/button.svg.in SIZE 105 23 PARAMS "FILL=${pressed}" "LABEL=${label}")
endfunction()
