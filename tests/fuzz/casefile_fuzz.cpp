// The case-file reader on any bytes: a case or a CaseFileError. A case read is written and read
// back unchanged.
#include <cstdlib>

#include "calc/casefile.h"
#include "fuzzfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzzFile(data, size, "case.vorlan");
    vorlan::CaseContents contents;
    try {
        contents = vorlan::readCaseFile(path);
    } catch (const vorlan::CaseFileError&) {
        return 0;
    }
    const std::string copy = fuzzFolder() + "/copy.vorlan";
    vorlan::writeCaseFile(copy, contents);
    const vorlan::CaseContents again = vorlan::readCaseFile(copy);
    // Texts that are not valid UTF-8 are written with replacement characters: compare the choices.
    if (again.flowMode() != contents.flowMode() || again.lengthGiven != contents.lengthGiven
        || again.counterCurrent != contents.counterCurrent)
        std::abort();
    return 0;
}
