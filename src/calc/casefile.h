#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "calc/casecontents.h"

namespace vorlan {

/** The largest fluid table a case carries, in bytes: far above any table of 451 records, and two fit a case file. */
inline constexpr std::size_t kMaxCarriedTable = 256 * 1024;

/** A case file that cannot be read or written; the text names the file and the key. */
class CaseFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** Reads a ".vorlan" case file (JSON, format "vorlan-case", version 1). Throws CaseFileError. */
CaseContents readCaseFile(const std::string& path);

/** Writes a case file atomically: a failure leaves an existing file intact. Throws CaseFileError. */
void writeCaseFile(const std::string& path, const CaseContents& contents);

} // namespace vorlan
