// The application title: the program's file name without extension, first letter as it is.
#pragma once

#include <string>
#include <string_view>

#include "launch/lead_bytes.h"

namespace app {

// From the program's full path (ANSI, already converted from the OEM character set): the text
// after the last "\", cut at its first ".", lower-case after the first character. A double-byte
// character is never split: its second byte is neither a separator nor lower-cased.
std::string application_title(std::string_view path, const launch::LeadBytes& lead);

}  // namespace app
