// UserCertificates.h - the current user's certificates with a private key, by name.
#pragma once

#include <string>
#include <vector>

// Appends the display name of every certificate in the current user's "MY" store that has a
// private key (the key-provider property), in store order: the subject's first common name, else
// the friendly name in the ANSI code page; certificates with neither are skipped. A store that
// cannot be opened appends nothing.
void EnumUserCertificates(std::vector<std::string>& names);
