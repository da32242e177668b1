// The folder the running program stands in, as its installers' paths are formed from it.
#pragma once

#include <string_view>

#include "launch/lead_bytes.h"

namespace launch {

// `path` up to and including its last "\" or ":" that ends a character; empty when none does.
std::string_view program_folder(std::string_view path, const LeadBytes& lead);

}  // namespace launch
