// vorlan-batch [--data DIR] [--profile N] CASE...: calculates each case file as a press of
// Calculate would and prints one JSON line per case, with the details, cross-check and warnings of
// each solved case and, with --profile, its temperature profile in N segments. Exit status: 0 all
// solved, 1 a calculation failed, 2 a usage error or a case file that could not be read.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "batchanalysis.h"
#include "batchreport.h"
#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "terminaltext.h"

namespace {

/** Reads the segment count of --profile, 1 to 100000. */
bool parseSegments(const std::string& text, int& segments)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), segments);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && segments >= 1 && segments <= 100000;
}

int usage()
{
    std::fputs("usage: vorlan-batch [--data DIR] [--profile N] CASE...\n"
               "Calculates each .vorlan case file and prints one JSON line per case.\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    std::vector<std::string> cases;
    int profileSegments = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--data") {
            if (++i == argc)
                return usage();
            dataFolder = argv[i];
        } else if (argument == "--profile") {
            if (++i == argc || !parseSegments(argv[i], profileSegments))
                return usage();
        } else if (argument == "--help" || argument == "-h") {
            usage();
            return 0;
        } else if (argument.starts_with("--")) {
            return usage();
        } else {
            cases.push_back(argument);
        }
    }
    if (cases.empty())
        return usage();

    vorlan::Exchanger exchanger(dataFolder);
    if (!exchanger.materialsError().empty())
        vorlan::printLine(std::cerr, "vorlan-batch: " + exchanger.materialsError());
    int status = 0;
    for (const std::string& path : cases) {
        vorlan::CaseContents contents;
        try {
            contents = vorlan::readCaseFile(path);
        } catch (const vorlan::CaseFileError& error) {
            vorlan::printLine(std::cerr, std::string("vorlan-batch: ") + error.what());
            status = 2;
            continue;
        }
        const vorlan::CalcOutcome outcome = exchanger.Command1_Click(vorlan::snapshotOf(contents));
        vorlan::printLine(std::cout,
            vorlan::batchReport(path, outcome, vorlan::analysisKeys(contents, outcome, dataFolder, profileSegments)));
        if (!outcome.record && status == 0)
            status = 1;
    }
    return status;
}
