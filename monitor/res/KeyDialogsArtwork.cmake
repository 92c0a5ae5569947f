# Artwork of the key dialogs of a surveyed network: backgrounds with their painted labels (rows as
# in geometry::KeyDialogRow), Connect and Cancel.

wifi_art(IDB_KEY_WEP BITMAP art/key-dialog.svg.in SIZE 581 422
         PARAMS "CAPTION=This network is protected with WEP" "HEADING=Wireless Security - WEP"
                "HINT=Type a passphrase to make the key from, or the key itself in hexadecimal digits."
                "LABEL0=Security" "LABEL1=Key Length" "LABEL2=Passphrase" "LABEL3=WEP Key")
wifi_art(IDB_KEY_WPA BITMAP art/key-dialog.svg.in SIZE 581 422
         PARAMS "CAPTION=This network is protected with WPA" "HEADING=Wireless Security - WPA-Personal"
                "HINT=Type the network's passphrase: 8 to 63 characters."
                "LABEL0=Security" "LABEL1=Cipher" "LABEL2=Passphrase" "LABEL3=")
wifi_art(IDB_KEY_WPA2 BITMAP art/key-dialog.svg.in SIZE 581 422
         PARAMS "CAPTION=This network is protected with WPA2" "HEADING=Wireless Security - WPA2-Personal"
                "HINT=Type the network's passphrase: 8 to 63 characters."
                "LABEL0=Security" "LABEL1=Passphrase" "LABEL2=" "LABEL3=")
wifi_art_button(IDB_KEY_CONNECT IDB_KEY_CONNECT_HOVER Connect "${BUTTON_BLUE}")
wifi_art_button(IDB_KEY_CANCEL IDB_KEY_CANCEL_HOVER Cancel "${BUTTON_GREY}")
