#include "terminaltext.h"

#include "platform/quotedtext.h"

namespace vorlan {

void printLine(std::ostream& out, std::string_view text) { out << escapeControls(text) << std::endl; }

} // namespace vorlan
