// vorlan-batch run as a user runs it: its JSON lines and its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "platform/datafile.h"
#include "properties/userfluid.h"
#include "support/tempfolder.h"

namespace {

struct BatchRun {
    int status = -1;
    std::vector<nlohmann::json> lines;
};

BatchRun runBatch(const std::string& arguments)
{
    const std::string command = std::string(VORLAN_BATCH) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    BatchRun run;
    std::string output;
    std::array<char, 4096> buffer {};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    run.status = WEXITSTATUS(pclose(pipe));
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
        run.lines.push_back(nlohmann::json::parse(line));
    return run;
}

/** Everything the tool prints, standard output and standard error together, as raw bytes. */
std::string batchOutput(const std::string& arguments)
{
    const std::string command = std::string(VORLAN_BATCH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer {};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    pclose(pipe);
    return output;
}

/** True when the bytes hold a control character other than the line break ending each line. */
bool holdsControlCharacters(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F)
            return true;
        if (c == 0xC2 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) < 0xA0)
            return true; // C1 control in UTF-8
    }
    return false;
}

std::string caseText(const std::string& internalPressure)
{
    return R"({ "format": "vorlan-case", "version": 1,
  "internalPipe": {"outsideDiameter": "25", "thickness": "2", "material": "Copper", "fluid": "Water", "pressure": ")"
        + internalPressure + R"(",
                   "inletTemperature": "80", "given": "outletTemperature", "outletTemperature": "60", "massFlow": ""},
  "externalPipe": {"outsideDiameter": "50", "thickness": "3", "fluid": "Water", "pressure": "1",
                   "inletTemperature": "20", "given": "massFlow", "outletTemperature": "", "massFlow": "0,5"},
  "exchanger": {"given": "length", "length": "10", "capacity": "", "configuration": "countercurrent"} })";
}

TEST(Batch, SolvedCasePrintsWriteBacksAndTheWholeRecord)
{
    vorlan::test::TempFolder folder;
    const std::string path = folder.write("good case.vorlan", caseText("1"));
    const BatchRun run = runBatch("'" + path + "'");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const auto& line = run.lines[0];
    EXPECT_EQ(line["case"], path);
    EXPECT_EQ(line["ok"], true);
    const auto& writeBack = line["writeBack"];
    EXPECT_EQ(writeBack.size(), 3u);
    EXPECT_TRUE(writeBack.contains("exchanger.capacity"));
    EXPECT_TRUE(writeBack.contains("internalPipe.massFlow"));
    EXPECT_TRUE(writeBack.contains("externalPipe.outletTemperature"));
    const auto& record = line["record"];
    EXPECT_EQ(record["internalPipe"].size() + record["externalPipe"].size() + record["exchanger"].size(), 28u);
    EXPECT_EQ(record["exchanger"]["configuration"], "countercurrent");
    EXPECT_EQ(record["internalPipe"]["outsideDiameter"], 25);
    // The record's duty, written back to three decimals.
    const float q = record["exchanger"]["capacity"].get<float>();
    const std::string capacity = writeBack["exchanger.capacity"];
    EXPECT_NEAR(
        std::stod(capacity.substr(0, capacity.find(',')) + "." + capacity.substr(capacity.find(',') + 1)), q, 0.0005);
}

TEST(Batch, ExitStatusTellsFailedCalculationsFromUnreadableFiles)
{
    vorlan::test::TempFolder folder;
    const std::string good = folder.write("good.vorlan", caseText("1"));
    const std::string bad = folder.write("bad.vorlan", caseText("3"));
    const std::string broken = folder.write("broken.vorlan", "{");

    const BatchRun failed = runBatch(good + " " + bad);
    EXPECT_EQ(failed.status, 1);
    ASSERT_EQ(failed.lines.size(), 2u);
    EXPECT_EQ(failed.lines[1]["ok"], false);
    EXPECT_EQ(failed.lines[1]["message"], "Invalid pressure of internal fluid");
    EXPECT_TRUE(failed.lines[1]["writeBack"].empty());

    EXPECT_EQ(runBatch(good + " " + broken).status, 2);
    EXPECT_EQ(runBatch("").status, 2);
    EXPECT_EQ(runBatch("--data").status, 2);
    EXPECT_EQ(runBatch("--frobnicate " + good).status, 2);
    EXPECT_TRUE(batchOutput("--frobnicate " + good).starts_with("vorlan-batch: unknown option --frobnicate\nusage: "));

    const BatchRun noData = runBatch("--data " + folder.path() + " " + good);
    EXPECT_EQ(noData.status, 1);
    ASSERT_EQ(noData.lines.size(), 1u);
    EXPECT_EQ(noData.lines[0]["message"], "Invalid data");
}

TEST(Batch, ACaseKeepingAnotherUserFluidIsNotCalculatedWithTheFolders)
{
    // The case keeps "User defined" as water-like constants; a data folder without that definition
    // refuses it (status 2), one holding it calculates.
    vorlan::test::TempFolder folder;
    for (const char* file : {"Water.dat", "condmat.dat"})
        std::filesystem::copy_file(
            std::filesystem::path(VORLAN_BATCH).parent_path() / "data" / file, folder.path() + "/" + file);
    std::string text = caseText("1");
    text.insert(text.rfind('}'), R"(, "userFluid": {"density": "1000", "specificHeat": "4,18", "conductivity": "0,6",
        "viscosity": "0,001"})");
    const std::string kept = folder.write("kept.vorlan", text);
    const std::string data = "--data " + folder.path() + " ";
    EXPECT_EQ(runBatch(data + kept).status, 2);
    EXPECT_NE(batchOutput(data + kept).find("another definition of the fluid"), std::string::npos);
    vorlan::writeDataFile(folder.path() + "/User defined.dat", vorlan::userFluidRecords({1000, 4.18f, 0.6f, 0.001}));
    EXPECT_EQ(runBatch(data + kept).status, 0);
}

TEST(Batch, ACarriedTableIsUsedWhereNoFolderHasTheFluid)
{
    // Water's table carried as the fluid "Mine": read when neither folder has Mine, the case solved
    // as with water; another table of that name among the user's fluids refuses the case (status 2).
    vorlan::test::TempFolder folder;
    const std::filesystem::path shipped = std::filesystem::path(VORLAN_BATCH).parent_path() / "data";
    for (const char* file : {"Water.dat", "condmat.dat"})
        std::filesystem::copy_file(shipped / file, folder.path() + "/" + file);
    const std::string water = folder.read("Water.dat");
    std::string text = caseText("1");
    text.replace(text.find("\"Water\""), 7, "\"Mine\"");
    text.insert(text.rfind('}'), ", \"fluidTables\": " + nlohmann::json {{"Mine", water}}.dump());
    const std::string carried = folder.write("carried.vorlan", text);
    const std::string plain = folder.write("plain.vorlan", caseText("1"));
    const std::string options = "--data " + folder.path() + " --user-fluids " + folder.path() + "/fluids ";
    const BatchRun run = runBatch(options + carried + " " + plain);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0]["record"]["internalPipe"]["fluid"], "Mine");
    EXPECT_EQ(run.lines[0]["record"]["exchanger"], run.lines[1]["record"]["exchanger"]); // solved as with water

    std::filesystem::create_directory(folder.path() + "/fluids");
    folder.write("fluids/Mine.dat", water.substr(0, water.size() / 2));
    EXPECT_EQ(runBatch(options + carried).status, 2);
    EXPECT_NE(batchOutput(options + carried).find("carries another table of its fluid"), std::string::npos);
    folder.write("fluids/Mine.dat", water);
    EXPECT_EQ(runBatch(options + carried).status, 0);
}

TEST(Batch, FluidsListsEveryFluidWithItsBlocks)
{
    // A data folder with water alone: the water line gives its blocks as data/README.md lists them
    // (1 bar: 1..98 degC, 98 rows; 20 bar: 1..209 degC), every other fluid says why it cannot be read.
    vorlan::test::TempFolder folder;
    std::filesystem::copy_file(
        std::filesystem::path(VORLAN_BATCH).parent_path() / "data" / "Water.dat", folder.path() + "/Water.dat");
    const BatchRun run = runBatch("--data " + folder.path() + " --user-fluids " + folder.path() + "/none --fluids");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 16u + 53u);
    const nlohmann::json& water = run.lines[0];
    EXPECT_EQ(water["fluid"], "Water");
    EXPECT_EQ(water["group"], "standard");
    ASSERT_EQ(water["blocks"].size(), 5u);
    EXPECT_EQ(water["blocks"][0], nlohmann::json::parse(R"({"pressure": 1, "first": 1, "last": 98, "rows": 98})"));
    EXPECT_EQ(water["blocks"][4]["last"], 209);
    int unreadable = 0;
    for (const nlohmann::json& line : run.lines)
        unreadable += line.contains("error");
    EXPECT_EQ(unreadable, 68);
    EXPECT_EQ(run.lines[16 + 18 + 12]["fluid"], "Steam"); // after the refrigerants and the solvents
    EXPECT_EQ(run.lines[16 + 18 + 12]["group"], "Gases and steam");
    EXPECT_EQ(runBatch("--fluids case.vorlan").status, 2);
}

TEST(Batch, ImportFluidWritesTheTableOrListsItsProblems)
{
    const vorlan::test::TempFolder folder;
    const std::string user = " --user-fluids " + folder.path() + "/fluids";
    // Oil at 1 and 2 bar given in degF, psi and cP; 14.50377 psi is 1 bar, 29.00755 psi 2 bar.
    const std::string table = "T [F];p [psi];rho;cp;k;mu [cP]\n"
                              "68;14.50377;870;1,9;0,13;30\n"
                              "212;14.50377;800;2,2;0,12;3\n"
                              "68;29.00755;870;1,9;0,13;30\n"
                              "%s;29.00755;800;2,2;0,12;3\n";
    const auto import = [&](const char* lastTemperature, const std::string& options) {
        std::string text = table;
        text.replace(text.find("%s"), 2, lastTemperature);
        return runBatch("--import-fluid " + folder.write("oil.csv", text) + " --name \"My oil\"" + user
            + " --units temperature=degF,pressure=psi,viscosity=cP" + options);
    };
    const BatchRun refused = import("50", "");
    EXPECT_EQ(refused.status, 1);
    ASSERT_EQ(refused.lines.size(), 1u);
    EXPECT_EQ(refused.lines[0]["file"], nullptr);
    EXPECT_EQ(refused.lines[0]["problems"][0]["row"], 5);
    EXPECT_NE(refused.lines[0]["problems"][0]["problem"].get<std::string>().find("50 °F is not above the 68 °F"),
        std::string::npos);

    const BatchRun written = import("212", "");
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.lines[0]["file"], folder.path() + "/fluids/My oil.dat");
    EXPECT_EQ(written.lines[0]["blocks"][1],
        nlohmann::json::parse(R"({"pressure": 2, "first": 20, "last": 100, "rows": 2})"));
    EXPECT_EQ(import("212", "").status, 1); // the name is taken
    EXPECT_EQ(import("212", " --replace").status, 0);
    EXPECT_EQ(import("212", " --columns density=x").status, 2);
    EXPECT_EQ(import("212", " --units viscosity=poise").status, 2);

    const BatchRun listed = runBatch("--fluids" + user);
    ASSERT_EQ(listed.lines.size(), 16u + 53u + 1u);
    EXPECT_EQ(listed.lines.back()["fluid"], "My oil");
    EXPECT_EQ(listed.lines.back()["group"], "user");
}

TEST(Batch, NothingFromAFileReachesTheTerminalAsAControlCharacter)
{
    vorlan::test::TempFolder folder;
    std::string text = caseText("1");
    const auto withKey = [&](const std::string& key) {
        std::string hostile = text;
        hostile.replace(hostile.find("\"length\": "), 8, "\"" + key + "\"");
        return hostile;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* shown; // what stands in the output for the hostile part
    } rows[] = {
        {"clear screen and title in a key", withKey("\\u001b[2J\\u001b]0;owned\\u0007"),
            "\\u001B[2J\\u001B]0;owned\\u0007"},
        {"8-bit CSI (U+009B) in a key", withKey("\\u009b31m"), "\\u009B31m"},
        {"DEL in a key", withKey("x\\u007f"), "x\\u007F"},
        {"escape in a fluid name",
            [&] {
                std::string hostile = text;
                hostile.replace(hostile.find("\"Water\""), 7, "\"\\u001b[31mWater\"");
                return hostile;
            }(),
            "\\u001B[31mWater"},
    };
    for (const auto& row : rows) {
        const std::string path = folder.write("hostile.vorlan", row.bytes);
        const std::string output = batchOutput(path);
        EXPECT_FALSE(holdsControlCharacters(output)) << row.name << ": " << output;
        EXPECT_NE(output.find(row.shown), std::string::npos) << row.name << ": " << output;
    }
}

TEST(Batch, HostileFluidNamesReadNothingOutsideTheDataFolder)
{
    // A sentinel beside the data folder, named so that each traversal would read it.
    vorlan::test::TempFolder folder;
    const std::string data = folder.path() + "/data";
    std::filesystem::create_directory(data);
    for (const char* file : {"Water.dat", "condmat.dat"})
        std::filesystem::copy_file(
            std::filesystem::path(VORLAN_BATCH).parent_path() / "data" / file, data + "/" + file);
    const std::string sentinel = "SENTINEL-c0ffee";
    folder.write("x.dat", sentinel + ",1,1,1,1,1,1\r\n");
    folder.write("x", sentinel + "\r\n");
    const char* names[] = {"../x", "..\\\\x", "../x\\u0000", "../x.dat\\u0000", "..", "Water\\u0000"};
    for (const char* name : names) {
        std::string text = caseText("1");
        text.replace(text.find("\"Water\""), 7, std::string("\"") + name + "\"");
        const std::string path = folder.write("case.vorlan", text);
        const std::string output = batchOutput("--data " + data + " " + path);
        EXPECT_EQ(output.find(sentinel), std::string::npos) << name << ": " << output;
        const nlohmann::json line = nlohmann::json::parse(output.substr(0, output.find('\n')));
        EXPECT_EQ(line["ok"], false) << name;
        EXPECT_EQ(line["message"], "Invalid data") << name;
        EXPECT_NE(line["detail"].get<std::string>().find("cannot name a file of the data folder"), std::string::npos)
            << name << ": " << line["detail"];
    }
}

TEST(Batch, SolvedCaseCarriesItsAnalysisAndOnRequestItsProfile)
{
    vorlan::test::TempFolder folder;
    const std::string good = folder.write("good.vorlan", caseText("1"));
    const std::string bad = folder.write("bad.vorlan", caseText("3"));
    const BatchRun run = runBatch("--profile 50 " + good + " " + bad);
    ASSERT_EQ(run.lines.size(), 2u);
    const auto& line = run.lines[0];
    for (const char* key : {"case", "ok", "writeBack", "record", "details", "crossCheck", "warnings", "profile"})
        EXPECT_TRUE(line.contains(key)) << key;
    EXPECT_EQ(line["details"]["internal"]["regime"], "turbulent");
    EXPECT_TRUE(line["warnings"].is_array());
    EXPECT_TRUE(line["warnings"].empty()); // the plain water case
    const auto& profile = line["profile"];
    ASSERT_EQ(profile.size(), 51u);
    EXPECT_EQ(profile[0]["position"], 0.0);
    EXPECT_EQ(profile[50]["position"], 10.0);
    EXPECT_EQ(profile[0]["hotTemperature"], 80.0); // the internal hot inlet
    for (const auto& point : profile) {
        EXPECT_GT(point["hotTemperature"].get<double>(), point["wallTemperature"].get<double>());
        EXPECT_GT(point["wallTemperature"].get<double>(), point["coldTemperature"].get<double>());
    }
    double shares = 0;
    for (const auto& [name, share] : line["details"]["shares"].items())
        shares += share.get<double>();
    EXPECT_NEAR(shares, 100, 1e-9);
    // A failed case keeps its keys and gets no analysis.
    EXPECT_FALSE(run.lines[1].contains("details"));
    EXPECT_FALSE(run.lines[1].contains("profile"));

    EXPECT_FALSE(runBatch(good).lines.at(0).contains("profile")); // only on request
    EXPECT_EQ(runBatch("--profile 0 " + good).status, 2);
    EXPECT_EQ(runBatch("--profile x " + good).status, 2);
    EXPECT_EQ(runBatch("--profile").status, 2);
}

/** The case text with one key of a part replaced. */
std::string withKey(const std::string& text, const char* part, const char* key, const std::string& value)
{
    nlohmann::json json = nlohmann::json::parse(text);
    json[part][key] = value;
    return json.dump();
}

TEST(Batch, SweepPointsAreTheLinesOfSeparateRunsByteForByte)
{
    vorlan::test::TempFolder folder;
    const std::string sweep = folder.write("sweep.vorlan", caseText("1"));
    // 5 to 15 m in 3 points: the second is 10, the case's own length.
    const std::string output = batchOutput("--sweep exchanger.length=5:15:3 " + sweep);
    std::istringstream lines(output);
    int point = 0;
    for (std::string line; std::getline(lines, line); ++point) {
        const std::string length = std::to_string(5 + 5 * point);
        const std::string pointKey = R"(, "point": {"key":"exchanger.length","text":")" + length + R"("}})";
        ASSERT_TRUE(line.ends_with(pointKey)) << line;
        line.resize(line.size() - pointKey.size() + 1);
        line.back() = '}';
        const std::string single = folder.write("point.vorlan", withKey(caseText("1"), "exchanger", "length", length));
        std::string expected = batchOutput(single);
        expected.pop_back(); // the line break
        const std::string path = R"("case": ")" + single + '"';
        expected.replace(expected.find(path), path.size(), R"("case": ")" + sweep + '"');
        EXPECT_EQ(line, expected) << "point " << point;
    }
    EXPECT_EQ(point, 3);

    // The table: a heading and one row per point, ';' between cells, the swept text first.
    const std::string csv = batchOutput("--sweep exchanger.length=5:15:3 --csv " + sweep);
    // UTF-8 with a byte-order mark, so that a spreadsheet reads "°" and "²"; headings in words with units.
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFLength [m];Duty [kW];Internal outlet [°C];")) << csv;
    EXPECT_NE(csv.find(";Internal pressure drop [kPa];External pressure drop [kPa];Heat-transfer coefficient "
                       "[W/(m² K)];Length [m];Warnings;Message\n"),
        std::string::npos)
        << csv;
    EXPECT_TRUE(batchOutput("--sweep options.internalFouling=0:1e-3:3 --csv " + sweep)
                    .starts_with("\xEF\xBB\xBFInternal fouling [(m² K)/W];"));
    EXPECT_NE(csv.find("\n10;"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
}

TEST(Batch, BadSweepsAreRefusedBeforeAnyPointRuns)
{
    vorlan::test::TempFolder folder;
    const std::string path = folder.write("case.vorlan", caseText("1"));
    for (const char* sweep :
        {"exchanger.length=5:15:1", "exchanger.length=5:15:1001", "exchanger.length=5:5:3",
            "exchanger.length=-1:1:3 --log", "Nothing=1:2:3", "internalPipe.fluid=1:2:3", "internalPipe.massFlow=1:2:3",
            "exchanger.length=1:2", "exchanger.length=a:2:3", "Text12=5:15:3", "Form2.Text1=0:1e-3:3"}) {
        const std::string output = batchOutput(std::string("--sweep ") + sweep + " " + path);
        EXPECT_EQ(runBatch(std::string("--sweep ") + sweep + " " + path).status, 2) << sweep;
        EXPECT_TRUE(output.starts_with("vorlan-batch: ")) << sweep << ": " << output;
        EXPECT_EQ(output.find("{"), std::string::npos) << sweep; // no point ran
    }
    // A control name is no key: the message lists the keys that can be swept.
    EXPECT_NE(
        batchOutput("--sweep Text12=5:15:3 " + path).find("exchanger.length, exchanger.capacity"), std::string::npos);
    EXPECT_EQ(runBatch("--sweep exchanger.length=5:15:3 " + path + " " + path).status, 2); // one case only
    EXPECT_EQ(runBatch("--csv " + path).status, 2); // --csv belongs to a sweep
    EXPECT_EQ(runBatch("--split 0.3 " + path).status, 2); // and --split to a search of the fouling
}

TEST(Batch, FindFoulingRecoversTheFoulingThatMadeTheOutlets)
{
    vorlan::test::TempFolder folder;
    // Both flows given, 0,0001 inside and 0,0003 outside: the outlets it gives are the "measured" ones.
    std::string fouled = withKey(caseText("1"), "internalPipe", "given", "massFlow");
    fouled = withKey(fouled, "internalPipe", "massFlow", "0,4");
    nlohmann::json json = nlohmann::json::parse(fouled);
    json["options"] = {{"internalFouling", "0,0001"}, {"externalFouling", "0,0003"}};
    const BatchRun solved = runBatch(folder.write("fouled.vorlan", json.dump()));
    ASSERT_EQ(solved.lines.size(), 1u);
    const auto& written = solved.lines[0]["writeBack"];
    json["internalPipe"]["outletTemperature"] = written["internalPipe.outletTemperature"];
    json["externalPipe"]["outletTemperature"] = written["externalPipe.outletTemperature"];
    json["options"] = {{"internalFouling", "0"}, {"externalFouling", "0"}};
    const std::string measured = folder.write("measured.vorlan", json.dump());

    const BatchRun run = runBatch("--find-fouling --split 0.25 " + measured);
    ASSERT_EQ(run.status, 0);
    const auto& fouling = run.lines.at(0)["fouling"];
    EXPECT_NEAR(fouling["total"].get<double>(), 0.0004, 0.0004 * 0.01);
    EXPECT_NEAR(fouling["internal"].get<double>() / fouling["total"].get<double>(), 0.25, 1e-9);
    EXPECT_NEAR(fouling["matchedU"].get<double>(), solved.lines[0]["record"]["exchanger"]["U"].get<double>(), 0.5);
    EXPECT_GT(fouling["cleanU"].get<double>(), fouling["matchedU"].get<double>());

    // An external outlet barely above its inlet: the two sides' duties no longer agree.
    json["externalPipe"]["outletTemperature"] = "20,5";
    const BatchRun inconsistent = runBatch("--find-fouling " + folder.write("off.vorlan", json.dump()));
    EXPECT_EQ(inconsistent.status, 1);
    EXPECT_NE(inconsistent.lines.at(0)["message"].get<std::string>().find("inconsistent"), std::string::npos);
}

TEST(Batch, HairpinsSolveOneCaseAndTheirOptionsAreChecked)
{
    vorlan::test::TempFolder folder;
    const std::string path = folder.write("case.vorlan", caseText("1"));
    const BatchRun run = runBatch("--hairpins 4 --leg 3 --parallel annulus:2 " + path);
    ASSERT_EQ(run.status, 0);
    const auto& line = run.lines.at(0);
    EXPECT_EQ(line["external"]["paths"], 2);
    EXPECT_EQ(line["internal"]["returnBends"]["count"], 4); // one per hairpin of the series side
    EXPECT_EQ(line["external"]["returnBends"]["count"], 2); // one per hairpin of a bank
    EXPECT_EQ(line["sections"].size(), 4u);
    EXPECT_EQ(runBatch("--hairpins 3 --parallel internal:2 " + path).status, 1); // 3 hairpins in 2 banks
    for (const char* refused : {"--parallel internal:2", "--hairpins 0", "--hairpins 2.5",
             "--hairpins 4 --parallel pipe:2", "--hairpins 4 --parallel internal:1", "--hairpins 4 --parallel internal",
             "--hairpins 4 --profile 3", "--hairpins 4 --find-fouling"})
        EXPECT_EQ(runBatch(std::string(refused) + " " + path).status, 2) << refused;
    EXPECT_EQ(runBatch("--hairpins 4 " + path + " " + path).status, 2); // one case only
}

TEST(Batch, DesignOptionsAreCheckedBeforeAnySearch)
{
    vorlan::test::TempFolder folder;
    const std::string path = folder.write("case.vorlan", caseText("1"));
    for (const char* refused : {"--design --allowed-drop 0", "--design --allowed-drop 10,",
             "--design --allowed-drop '10;20'", "--design --allowed-drop 10,20,30", "--design --velocity-pipe 3:1",
             "--design --velocity-gas 5", "--design --standards \"ASME B36.10M;Nothing\"",
             "--design --standards \"ASME B36.10M;\"", "--design --max-banks 9", "--design --max-hairpins 2.5",
             "--design --top 0", "--design --profile 3", "--design --hairpins 4", "--allowed-drop 10", "--cost"})
        EXPECT_EQ(runBatch(std::string(refused) + " " + path).status, 2) << refused;
    EXPECT_EQ(runBatch("--design " + path + " " + path).status, 2); // one case only
    // An unknown standard is named with the standards the catalogue has.
    const std::string output = batchOutput("--design --standards \"EN 1057; Nothing\" " + path);
    EXPECT_TRUE(output.starts_with("vorlan-batch: no standard \"Nothing\" in the pipe catalogue; its standards are "
                                   "ASME B36.10M; ASME B36.19M; EN 10220; EN 1057; ASTM B88"))
        << output;
}

TEST(Batch, EveryCommandOfTheReadmeAndTheGuideRunsAsShown)
{
    // Run in a folder of their own with the repository's docs beside them, so that what a command
    // writes stays there.
    vorlan::test::TempFolder folder;
    std::filesystem::create_directory_symlink(std::string(VORLAN_SOURCE) + "/docs", folder.path() + "/docs");
    int commands = 0;
    for (const char* document : {"README.md", "docs/user-guide.md"}) {
        std::ifstream text(std::string(VORLAN_SOURCE) + "/" + document);
        bool fenced = false;
        for (std::string line; std::getline(text, line);) {
            if (line.starts_with("```"))
                fenced = !fenced;
            if (!fenced || !line.starts_with("vorlan-batch "))
                continue;
            const std::string command = line.substr(0, line.find(" #")); // without the comment
            const std::string shell = "cd '" + folder.path() + "' && (" + VORLAN_BATCH
                + command.substr(std::string("vorlan-batch").size()) + ") >/dev/null 2>&1";
            EXPECT_EQ(WEXITSTATUS(std::system(shell.c_str())), 0) << document << ": " << command;
            ++commands;
        }
    }
    EXPECT_GE(commands, 6);
}

} // namespace
