#pragma once

#include <string>

namespace vorlan {

/** The directory of the running program file, without a trailing separator; symbolic links are resolved. */
std::string QuestaDirectory();

} // namespace vorlan
