#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/casesnapshot.h"
#include "properties/userfluid.h"

namespace vorlan {

/** A case file that cannot be read or written; the text names the file and the key. */
class CaseFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * A case as the main window holds it: the texts of its boxes exactly as typed (decimal comma),
 * keyed by control name ("Text1", "Combo4", and "Form2.Text1", "Form2.Text2" for the fouling
 * factors), and the four choices of its option buttons.
 */
struct CaseContents {
    std::map<std::string, std::string, std::less<>> texts;
    bool internalOutletGiven = true; ///< Option3; otherwise Option4 (internal mass flow given)
    bool externalOutletGiven = false; ///< Option7, only with Option4; otherwise Option8
    bool lengthGiven = true; ///< Option5; otherwise Option6 (capacity given)
    bool counterCurrent = true; ///< Option1; otherwise Option2 (co-current)
    /**
     * The fluid "User defined" the case was saved with, when a fluid box reads it; none in a case
     * saved without it. Not part of what the window shows: two cases are the same by their boxes.
     */
    std::optional<UserFluid> userFluid;

    /** The option buttons these choices select. */
    std::vector<std::string> selectedOptions() const;
    /** The text of the named box, or "" when the case holds none. */
    std::string text(std::string_view control) const;
};

/** Reads a ".vorlan" case file (JSON, format "vorlan-case", version 1). Throws CaseFileError. */
CaseContents readCaseFile(const std::string& path);

/** Writes a case file atomically: a failure leaves an existing file intact. Throws CaseFileError. */
void writeCaseFile(const std::string& path, const CaseContents& contents);

/** The case a snapshot holds: the text of every box of a case and the choices of its option buttons. */
CaseContents caseFromSnapshot(const CaseSnapshot& snapshot);

/** The snapshot of a case: every text, and its choices as the selected option buttons. */
CaseSnapshot snapshotOf(const CaseContents& contents);

/** The case-file key of a box ("internalPipe.massFlow" for Text8). */
std::string caseKeyOf(Box box);

/** The box of a case-file key ("exchanger.length"); throws std::invalid_argument for a key that names none. */
Box boxOfCaseKey(std::string_view key);

} // namespace vorlan
