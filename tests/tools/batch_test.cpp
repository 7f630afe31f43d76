// vorlan-batch run as a user runs it: its JSON lines and its exit status.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

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
    EXPECT_EQ(record.size(), 28u);
    EXPECT_EQ(record["controequi"], "contro");
    EXPECT_EQ(record["deti"], 25);
    // The record's duty, written back to three decimals.
    const float q = record["q"].get<float>();
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

    const BatchRun noData = runBatch("--data " + folder.path() + " " + good);
    EXPECT_EQ(noData.status, 1);
    ASSERT_EQ(noData.lines.size(), 1u);
    EXPECT_EQ(noData.lines[0]["message"], "Invalid data");
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
    EXPECT_EQ(profile[0]["x"], 0.0);
    EXPECT_EQ(profile[50]["x"], 10.0);
    EXPECT_EQ(profile[0]["tHot"], 80.0); // the internal hot inlet
    for (const auto& point : profile) {
        EXPECT_GT(point["tHot"].get<double>(), point["tWall"].get<double>());
        EXPECT_GT(point["tWall"].get<double>(), point["tCold"].get<double>());
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

} // namespace
