// vorlan-batch [--data DIR] [--profile N] [--leg M] CASE...: calculates each case file as a press
// of Calculate would and prints one JSON line per case, with the details, cross-check, warnings and
// hairpin layout (legs of M metres) of each solved case and, with --profile, its temperature
// profile in N segments. --sweep KEY=FROM:TO:N [--log] [--csv] calculates one case at each point
// of a range of one box, named by its case-file key; --find-fouling [--split S] [--tolerance P]
// finds the fouling of a running exchanger from its measured outlets; --hairpins N [--parallel
// SIDE:n] solves the case built of N hairpins of legs of M metres, all in series or one side split
// into n parallel banks; --design searches the standard pipes and arrangements that do the case's
// duty within the allowed pressure drops and velocities; --fluids lists the fluids and
// --import-fluid FILE --name NAME imports a table as a fluid of the user's folder. Exit status: 0 all solved, 1 a
// calculation failed, 2 a usage error or a case file that could not be read.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "batchanalysis.h"
#include "batchdesign.h"
#include "batchfluids.h"
#include "batchhairpins.h"
#include "batchimport.h"
#include "batchreport.h"
#include "batchstudies.h"
#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "optionnumber.h"
#include "platform/appdir.h"
#include "platform/calcerror.h"
#include "platform/messages.h"
#include "properties/carriedtable.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "properties/pipecatalogue.h"
#include "properties/userfluid.h"
#include "terminaltext.h"

namespace {

using vorlan::parseNumberIn;

/** Reads the segment count of --profile, 1 to 100000. */
bool parseSegments(const std::string& text, int& segments)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), segments);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && segments >= 1 && segments <= 100000;
}

/** The first fluid whose table the case carries while the user's folder holds another one; empty for none. */
std::string differingCarriedTable(
    const vorlan::CaseContents& contents, const std::string& dataFolder, const std::string& userFolder)
{
    for (const auto& [fluid, text] : contents.fluidTables)
        if (vorlan::carriedTableState(dataFolder, userFolder, fluid, text) == vorlan::CarriedTableState::Differs)
            return fluid;
    return {};
}

int usage()
{
    std::fputs("usage: vorlan-batch [--data DIR] [--user-fluids DIR] [--profile N] [--leg M] CASE...\n"
               "       vorlan-batch [--data DIR] [--user-fluids DIR] --fluids\n"
               "       vorlan-batch [--user-fluids DIR] --import-fluid FILE --name NAME [--columns LIST]\n"
               "                    [--units LIST] [--replace]\n"
               "       vorlan-batch [--data DIR] [--leg M] --sweep KEY=FROM:TO:N [--log] [--csv] CASE\n"
               "       vorlan-batch [--data DIR] --find-fouling [--split S] [--tolerance P] CASE\n"
               "       vorlan-batch [--data DIR] --hairpins N [--leg M] [--parallel internal:n|annulus:n] CASE\n"
               "       vorlan-batch [--data DIR] --design [--allowed-drop KPA[,KPA]] [--leg M | --leg-ft FT]\n"
               "                    [--velocity-pipe LOW:HIGH] [--velocity-annulus LOW:HIGH]\n"
               "                    [--velocity-gas LOW:HIGH] [--standards \"NAME;NAME\"] [--max-banks N]\n"
               "                    [--max-hairpins N] [--cost] [--top K] CASE\n"
               "Calculates each .vorlan case file and prints one JSON line per case (a fluid table the\n"
               "case carries is used when neither the data folder nor your fluids have it); --sweep\n"
               "calculates the case at N values of one box, KEY its key in the case file (exchanger.length,\n"
               "internalPipe.massFlow, options.internalFouling...), a CSV table with --csv;\n"
               "--find-fouling finds the fouling that matches the measured outlets, S of it inside\n"
               "(0 to 1, default 0.5), the two sides' duties at most P % apart (default 5); --hairpins\n"
               "solves the case built of N hairpins of legs of M metres (default 6), all in series or\n"
               "with the internal pipe's or the annulus's stream split into n parallel banks; --fluids\n"
               "lists every fluid with the temperature range of each of its pressures.\n"
               "--design searches pairs of standard pipes (data/pipes.csv) and their arrangements of\n"
               "hairpins that do the case's duty at its flows: a line of the target, then one per design,\n"
               "the feasible ones best first (--top K: only the best K). Allowed pressure drop KPA [kPa]\n"
               "for both streams, or the internal stream's then the annulus stream's (default 68.95,\n"
               "10 psi); legs of M metres or FT feet (default 20 ft); velocity ranges [m/s] of liquids\n"
               "in the pipe (default 0.5:3) and the annulus (0.3:2) and of gases (5:30); the standards\n"
               "to try (default all); at most N parallel banks (1 to 8, default 4) and N hairpins\n"
               "(default 50); --cost adds each design's purchase-cost estimate.\n"
               "--import-fluid reads a CSV or text table and writes it as the fluid NAME into your\n"
               "fluid folder (--user-fluids, default $XDG_DATA_HOME/vorlan/fluids or\n"
               "~/.local/share/vorlan/fluids); --replace replaces a fluid of yours of that name.\n"
               "  --columns temperature=1,pressure=2,density=3,specific-heat=4,conductivity=5,\n"
               "            viscosity=6[,enthalpy=7]   (column numbers from 1; this order is the default;\n"
               "            without enthalpy it is integrated from the specific heat)\n"
               "  --units QUANTITY=UNIT,...   (the rest in degC, bar, kg/m3, kJ/kg-K, W/m-K, Pa-s, kJ/kg)\n"
               "            temperature: degC K degF      pressure: bar kPa psi\n"
               "            density: kg/m3 lb/ft3         specific-heat: kJ/kg-K J/kg-K Btu/lb-F\n"
               "            conductivity: W/m-K Btu/h-ft-F   viscosity: Pa-s mPa-s cP lb/ft-h\n"
               "            enthalpy: kJ/kg Btu/lb\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    std::string userFolder = vorlan::defaultUserFluidFolder();
    vorlan::ImportCommand import;
    std::vector<std::string> cases;
    vorlan::LineOptions options;
    std::string sweep;
    bool logarithmic = false, csv = false, fouling = false, searchOptions = false, fluids = false;
    vorlan::FoulingSearch search;
    vorlan::HairpinArrangement hairpins;
    bool network = false, parallel = false;
    vorlan::DesignConstraints constraints;
    bool designing = false, designOptions = false, legGiven = false;
    long top = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--data") {
            if (++i == argc)
                return usage();
            dataFolder = argv[i];
        } else if (argument == "--user-fluids") {
            if (++i == argc)
                return usage();
            userFolder = argv[i];
        } else if (argument == "--import-fluid" || argument == "--name" || argument == "--columns"
            || argument == "--units") {
            if (++i == argc)
                return usage();
            (argument == "--import-fluid"     ? import.file
                    : argument == "--name"    ? import.name
                    : argument == "--columns" ? import.columns
                                              : import.units)
                = argv[i];
        } else if (argument == "--replace") {
            import.replace = true;
        } else if (argument == "--profile") {
            if (++i == argc || !parseSegments(argv[i], options.profileSegments))
                return usage();
        } else if (argument == "--leg") {
            if (++i == argc || !parseNumberIn(argv[i], 1e-3, 1e4, options.legLength))
                return usage();
            legGiven = true;
        } else if (argument == "--leg-ft") {
            constexpr double foot = 0.3048; // [m]
            double feet = 0;
            if (++i == argc || !parseNumberIn(argv[i], 1e-3 / foot, 1e4 / foot, feet))
                return usage();
            options.legLength = feet * foot;
            legGiven = true;
        } else if (argument == "--sweep") {
            if (++i == argc)
                return usage();
            sweep = argv[i];
        } else if (argument == "--log") {
            logarithmic = true;
        } else if (argument == "--csv") {
            csv = true;
        } else if (argument == "--fluids") {
            fluids = true;
        } else if (argument == "--find-fouling") {
            fouling = true;
        } else if (argument == "--split") {
            if (++i == argc || !parseNumberIn(argv[i], 0, 1, search.internalShare))
                return usage();
            searchOptions = true;
        } else if (argument == "--tolerance") {
            if (++i == argc || !parseNumberIn(argv[i], 1e-6, 100, search.tolerance))
                return usage();
            searchOptions = true;
        } else if (argument == "--hairpins") {
            if (++i == argc || !vorlan::parseCountIn(argv[i], 1, vorlan::kMaxHairpins, hairpins.hairpins))
                return usage();
            network = true;
        } else if (argument == "--parallel") {
            if (++i == argc || !vorlan::parseParallel(argv[i], hairpins))
                return usage();
            parallel = true;
        } else if (argument == "--design") {
            designing = true;
        } else if (argument == "--allowed-drop") {
            if (++i == argc || !vorlan::parseAllowedDrops(argv[i], constraints))
                return usage();
            designOptions = true;
        } else if (argument == "--velocity-pipe" || argument == "--velocity-annulus" || argument == "--velocity-gas") {
            vorlan::VelocityRange& range = argument == "--velocity-pipe" ? constraints.liquidInPipe
                : argument == "--velocity-annulus"                       ? constraints.liquidInAnnulus
                                                                         : constraints.gas;
            if (++i == argc || !vorlan::parseVelocityRange(argv[i], range))
                return usage();
            designOptions = true;
        } else if (argument == "--standards") {
            if (++i == argc || !vorlan::parseStandards(argv[i], constraints.standards))
                return usage();
            designOptions = true;
        } else if (argument == "--max-banks" || argument == "--max-hairpins") {
            const bool banks = argument == "--max-banks";
            if (++i == argc
                || !vorlan::parseCountIn(argv[i], 1, banks ? 8 : vorlan::kMaxHairpins,
                    banks ? constraints.maxBanks : constraints.maxHairpins))
                return usage();
            designOptions = true;
        } else if (argument == "--cost") {
            constraints.estimateCost = true;
            designOptions = true;
        } else if (argument == "--top") {
            if (++i == argc || !vorlan::parseCountIn(argv[i], 1, 1'000'000, top))
                return usage();
            designOptions = true;
        } else if (argument == "--help" || argument == "-h") {
            usage();
            return 0;
        } else if (argument.starts_with("--")) {
            vorlan::printLine(std::cerr, "vorlan-batch: unknown option " + argument);
            return usage();
        } else {
            cases.push_back(argument);
        }
    }
    const bool importing = !import.file.empty() || !import.name.empty() || !import.columns.empty()
        || !import.units.empty() || import.replace;
    if (importing)
        return cases.empty() && sweep.empty() && !fouling && !fluids && !import.file.empty() && !import.name.empty()
            ? vorlan::importFluid(import, dataFolder, userFolder)
            : usage();
    if (fluids)
        return cases.empty() && sweep.empty() && !fouling ? vorlan::listFluids(dataFolder, userFolder) : usage();
    const int studies = int(!sweep.empty()) + int(fouling) + int(network) + int(designing);
    if (cases.empty() || (studies > 0 && cases.size() != 1) || studies > 1 || ((logarithmic || csv) && sweep.empty())
        || (searchOptions && !fouling) || (parallel && !network) || (designOptions && !designing)
        || ((network || designing) && options.profileSegments > 0))
        return usage();
    hairpins.legLength = options.legLength;
    if (legGiven)
        constraints.legLength = options.legLength;
    std::vector<vorlan::StandardPipe> catalogue;
    if (designing) {
        try {
            catalogue = vorlan::readPipeCatalogue(dataFolder);
        } catch (const vorlan::CalcError& error) {
            vorlan::printLine(std::cerr, std::string("vorlan-batch: ") + error.what());
            return 2;
        }
        if (const std::string problem = vorlan::standardsProblem(catalogue, constraints.standards); !problem.empty()) {
            vorlan::printLine(std::cerr, "vorlan-batch: " + problem);
            return usage();
        }
    }
    options.dataFolder = dataFolder;
    options.userFluidFolder = userFolder;

    vorlan::Exchanger exchanger(dataFolder, userFolder);
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
        // A case that keeps another definition of "User defined" than the data folder's would be
        // calculated with a fluid its author did not mean; the window offers to write the case's.
        const std::string userFluidPath = vorlan::fluidFilePath(dataFolder, std::string(vorlan::kUserDefinedFluid));
        if (contents.userFluid && !vorlan::userFluidFileHolds(userFluidPath, *contents.userFluid)) {
            vorlan::printLine(std::cerr,
                "vorlan-batch: " + path + ": " + vorlan::msg::UserFluidDiffers + userFluidPath
                    + " (open the case in Vorlan to write its definition)");
            status = 2;
            continue;
        }
        // A table the case carries is read when neither folder has its fluid; another table of
        // that name among the user's fluids would be read instead, which its author did not mean.
        if (const std::string differing = differingCarriedTable(contents, dataFolder, userFolder); !differing.empty()) {
            vorlan::printLine(std::cerr,
                "vorlan-batch: " + path + ": " + vorlan::msg::CarriedTableDiffers
                    + vorlan::fluidFilePath(userFolder, differing)
                    + " (open the case in Vorlan to write its table, or move your table away)");
            status = 2;
            continue;
        }
        if (!sweep.empty())
            return vorlan::sweepCase(exchanger, path, contents, sweep, logarithmic, csv, options);
        if (fouling)
            return vorlan::findCaseFouling(exchanger, path, contents, search);
        if (network)
            return vorlan::solveCaseHairpins(exchanger, path, contents, hairpins);
        if (designing)
            return vorlan::searchCaseDesigns(exchanger, path, contents, catalogue, constraints, top);
        const vorlan::CalcOutcome outcome = exchanger.calculate(contents);
        vorlan::printLine(std::cout,
            vorlan::batchReport(
                path, outcome, vorlan::analysisKeys(outcome, options.profileSegments, options.legLength)));
        if (!outcome.solution && status == 0)
            status = 1;
    }
    return status;
}
