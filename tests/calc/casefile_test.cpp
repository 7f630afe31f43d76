#include "calc/casefile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/tempfolder.h"

namespace vorlan {
namespace {

constexpr char kValidCase[] = R"({ "format": "vorlan-case", "version": 1,
  "internalPipe": {"outsideDiameter": "25", "thickness": "2", "material": "Copper", "fluid": "Water", "pressure": "1",
                   "inletTemperature": "80", "given": "outletTemperature", "outletTemperature": "60", "massFlow": ""},
  "externalPipe": {"outsideDiameter": "50", "thickness": "3", "fluid": "Water", "pressure": "1",
                   "inletTemperature": "20", "given": "massFlow", "outletTemperature": "", "massFlow": "0,5"},
  "exchanger": {"given": "length", "length": "10", "capacity": "", "configuration": "countercurrent"},
  "options": {"internalFouling": "0,0002", "externalFouling": "0"} })";

/** The text with the first occurrence of from replaced by to. */
std::string replacedIn(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

constexpr char kUserFluid[]
    = R"("userFluid": {"density": "1000", "specificHeat": "4,18", "conductivity": "0,6", "viscosity": "0,001"})";

/** The valid case with a userFluid section in which from is replaced by to. */
std::string withUserFluid(const std::string& from, const std::string& to)
{
    return std::string(kValidCase).insert(1, replacedIn(kUserFluid, from, to) + ",");
}

/** The valid case carrying a table of its fluid "Water" as the given JSON value. */
std::string withTable(const std::string& value, const std::string& name = "Water")
{
    return std::string(kValidCase).insert(1, R"("fluidTables": {")" + name + "\": " + value + "},");
}

TEST(CaseFile, ReadsTheBoxesAndChoices)
{
    test::TempFolder folder;
    const CaseContents contents = readCaseFile(folder.write("a.vorlan", kValidCase));
    EXPECT_EQ(contents.text(Quantity::InternalOutsideDiameter), "25");
    EXPECT_EQ(contents.text(Quantity::Material), "Copper");
    EXPECT_EQ(contents.text(Quantity::ExternalMassFlow), "0,5");
    EXPECT_EQ(contents.text(Quantity::InternalMassFlow), "");
    EXPECT_EQ(contents.text(Quantity::InternalFouling), "0,0002");
    EXPECT_EQ(contents.flowMode(), FlowMode::InternalOutletGiven);
    EXPECT_TRUE(contents.lengthGiven && contents.counterCurrent);
}

TEST(CaseFile, WriteThenReadGivesTheSameCase)
{
    test::TempFolder folder;
    CaseContents original;
    const std::pair<Quantity, const char*> typed[] {{Quantity::InternalOutsideDiameter, "33,7"},
        {Quantity::InternalInletTemperature, "-12,5"}, {Quantity::InternalFluid, "Ethylene Glycol 30%"},
        {Quantity::Material, "Copper-nickel 90/10"}, {Quantity::Length, ""}, {Quantity::ExternalFouling, "0,0001"},
        {Quantity::ExternalFluid, "Kältemittel \"neu\" °"}};
    for (const auto& [quantity, text] : typed)
        original.setText(quantity, text);
    original.internalOutletGiven = false;
    original.externalOutletGiven = true;
    original.lengthGiven = false;
    original.counterCurrent = false;
    const std::string path = folder.path() + "/case.vorlan";
    writeCaseFile(path, original);
    const CaseContents read = readCaseFile(path);
    EXPECT_EQ(read.texts, original.texts); // quantities not given are written empty
    EXPECT_EQ(read.flowMode(), FlowMode::ExternalOutletGiven);
    EXPECT_FALSE(read.lengthGiven || read.counterCurrent);
}

TEST(CaseFile, FoulingFactorsDefaultToZero)
{
    test::TempFolder folder;
    std::string text = kValidCase;
    text.erase(text.find(",\n  \"options\""), std::string::npos);
    text += "}";
    const CaseContents contents = readCaseFile(folder.write("a.vorlan", text));
    EXPECT_EQ(contents.text(Quantity::InternalFouling), "0");
    EXPECT_EQ(contents.text(Quantity::ExternalFouling), "0");
}

TEST(CaseFile, RefusesWhatIsNotAValidCaseNamingTheKey)
{
    const auto replaced
        = [](const std::string& from, const std::string& to) { return replacedIn(kValidCase, from, to); };
    const struct {
        std::string bytes;
        std::string expected; // part of the error text
    } rows[] = {
        {"not json", "not JSON"},
        {"[1, 2]", "JSON object"},
        {replaced("\"vorlan-case\"", "\"other\""), "format"},
        {replaced("\"version\": 1", "\"version\": 2"), "newer"},
        {replaced("\"version\": 1", "\"version\": \"1\""), "version"},
        {replaced("\"version\": 1", "\"version\": 0"), "version"},
        {replaced("\"outsideDiameter\": \"25\"", "\"outsideDiameter\": 25"), "internalPipe.outsideDiameter"},
        {replaced("\"thickness\": \"3\", ", ""), "externalPipe.thickness: missing"},
        {replaced("\"length\": \"10\"", "\"lenght\": \"10\""), "exchanger.lenght: unknown key"},
        {replaced("\"given\": \"length\"", "\"given\": \"Length\""), "exchanger.given"},
        {replaced("\"configuration\": \"countercurrent\"", "\"configuration\": null"), "exchanger.configuration"},
        {replaced("\"given\": \"massFlow\"", "\"given\": \"outletTemperature\""), "externalPipe.given"},
        {replaced("{\"internalFouling\": \"0,0002\", \"externalFouling\": \"0\"}", "5"), "options: must be an object"},
        {replaced("\"exchanger\"", "\"Exchanger\""), "Exchanger: unknown key"},
        {withUserFluid("\"1000\"", "\"0\""), "userFluid.density: must be a number greater than zero"},
        {withUserFluid("\"0,6\"", "\"-0,6\""), "userFluid.conductivity: must be a number greater than zero"},
        {withUserFluid("\"4,18\"", "\"4.18\""), "userFluid.specificHeat: must be a number greater than zero"},
        {withUserFluid("\"0,001\"", "1"), "userFluid.viscosity: must be a text in double quotes"},
        {withUserFluid(", \"viscosity\": \"0,001\"", ""), "userFluid.viscosity: missing"},
        {withUserFluid("\"density\"", "\"rho\""), "userFluid.rho: unknown key"},
        {withUserFluid(kUserFluid, "\"userFluid\": 5"), "userFluid: must be an object"},
        // A carried table is read as a fluid file is, and refused with the record that breaks it.
        {withTable(R"("0,1,1000,4.18,0.6,0.001,0\r\n9,1,-5,4.18,0.6,0.001,37\r\n")"),
            "fluidTables.Water: record 2: the density -5 is not greater than zero"},
        {withTable(R"("0,1,1000,4.18,0.6,0.001,zero")"), "fluidTables.Water: \"zero\" is not a number"},
        {withTable(R"("0,1,1000")"), "fluidTables.Water: the file ends in the middle of a record"},
        {withTable(R"("")"), "fluidTables.Water: the file holds no record"},
        {withTable("\"" + std::string(300 * 1024, ' ') + "\""), "fluidTables.Water: the table is larger than 256 KB"},
        {withTable("5"), "fluidTables.Water: must be a text in double quotes"},
        {withTable(R"("0,1,1000,4.18,0.6,0.001,0")", "Oil"), "fluidTables.Oil: no side of the case uses this fluid"},
        {replacedIn(withTable("\"\""), R"({"Water": ""})", "[]"), "fluidTables: must be an object"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        const std::string path = folder.write("bad.vorlan", row.bytes);
        try {
            readCaseFile(path);
            ADD_FAILURE() << "accepted: " << row.bytes;
        } catch (const CaseFileError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(path), std::string::npos) << text;
            EXPECT_NE(text.find(row.expected), std::string::npos) << text << " <- " << row.expected;
        }
    }
    EXPECT_THROW(readCaseFile(folder.path() + "/missing.vorlan"), CaseFileError);
    EXPECT_THROW(writeCaseFile(folder.path() + "/no folder/a.vorlan", CaseContents {}), CaseFileError);
}

TEST(CaseFile, HostileFilesAreRefusedWithAShortClearMessage)
{
    const auto replaced
        = [](const std::string& from, const std::string& to) { return replacedIn(kValidCase, from, to); };
    const auto nested = [](int levels, char open, char close) {
        return std::string(static_cast<std::size_t>(levels), open)
            + std::string(static_cast<std::size_t>(levels), close);
    };
    std::string deepObjects;
    for (int i = 0; i < 20000; ++i)
        deepObjects += "{\"k\":";
    deepObjects += "0" + std::string(20000, '}');
    const std::string hugeKey = "<img src='file:///etc/hostname'>" + std::string(870 * 1024, 'K');
    const struct {
        const char* name;
        std::string bytes;
        std::string expected; // part of the error text
    } rows[] = {
        // 90,000 levels then another key: the copy of the deep value overflowed the stack.
        {"90,000 nested arrays before a key", "{\"a\":" + nested(90000, '[', ']') + ",\"b\":0}",
            "nested deeper than 8"},
        {"20,000 nested objects", deepObjects, "nested deeper than 8"},
        {"nesting inside a section", replaced("\"massFlow\": \"\"}", "\"x\": " + nested(8, '[', ']') + "}"),
            "nested deeper than 8"},
        {"key given twice at the top", replaced("\"version\": 1", "\"version\": 1, \"version\": 1"),
            "version: the key is given twice"},
        {"key given twice in a section", replaced("\"fluid\": \"Water\"", "\"fluid\": \"Water\", \"fluid\": \"Air\""),
            "internalPipe.fluid: the key is given twice"},
        {"section given twice", replaced("\"exchanger\"", "\"options\": {}, \"exchanger\""),
            "options: the key is given twice"},
        {"version beyond 64 bits signed", replaced("\"version\": 1", "\"version\": 18446744073709551615"),
            "newer Vorlan (version 18446744073709551615)"},
        {"negative version", replaced("\"version\": 1", "\"version\": -5"), "unknown version -5"},
        {"HTML in a key", replaced("\"length\": \"10\"", "\"<b>big</b><img src='file:///x.png'>\": \"10\""),
            "exchanger.<b>big</b><img src='file:///x.png'>: unknown key"},
        {"escape sequences in a key", replaced("\"length\": \"10\"", "\"\\u001b[2J\\u001b]0;owned\\u0007\": \"10\""),
            "exchanger.\\u001B[2J\\u001B]0;owned\\u0007: unknown key"},
        {"870 KB key", replaced("\"length\": \"10\"", "\"" + hugeKey + "\": \"10\""),
            "exchanger." + hugeKey.substr(0, 80) + "\u2026: unknown key"},
        {"870 KB unknown section", replaced("\"exchanger\"", "\"" + hugeKey + "\": 0, \"exchanger\""),
            hugeKey.substr(0, 80) + "\u2026: unknown key"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        const std::string path = folder.write("hostile.vorlan", row.bytes);
        try {
            readCaseFile(path);
            ADD_FAILURE() << row.name << " accepted";
        } catch (const CaseFileError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(row.expected), std::string::npos) << row.name << ": " << text.substr(0, 300);
            EXPECT_LT(text.size(), path.size() + 300) << row.name;
            EXPECT_EQ(text.find('\x1b'), std::string::npos) << row.name;
        }
    }
    // The depth the format needs, and a little more, is no fault: only unknown keys are.
    try {
        readCaseFile(
            folder.write("deep ok.vorlan", replaced("\"massFlow\": \"\"}", "\"x\": " + nested(6, '[', ']') + "}")));
        ADD_FAILURE() << "accepted";
    } catch (const CaseFileError& error) {
        EXPECT_NE(std::string(error.what()).find("internalPipe.x: unknown key"), std::string::npos) << error.what();
    }
}

TEST(CaseFile, CaseOfCountlessKeysIsRefusedAtOnce)
{
    // About 1 MiB, the size limit, of distinct unknown keys at the top and in a section, or of empty
    // objects in an array where a text belongs. Kept in the document one by one, each row took a
    // minute or more in the sanitized test build; left out, a second.
    std::string top, inSection;
    for (int i = 0; i < 45000; ++i) {
        top += "\"t" + std::to_string(i) + "\":0,";
        inSection += ",\"s" + std::to_string(i) + "\":0";
    }
    std::string withSection = kValidCase;
    withSection.insert(withSection.find("\"configuration\""), inSection.substr(1) + ",");
    std::string objects = "[{}";
    for (int i = 0; i < 300000; ++i)
        objects += ",{}";
    objects += "]";
    const struct {
        std::string bytes;
        const char* expected;
    } rows[] = {
        {"{" + top + std::string(kValidCase).substr(1), "t0: unknown key"},
        {withSection, "exchanger.s0: unknown key"},
        {replacedIn(kValidCase, "\"vorlan-case\"", objects), "format: must be \"vorlan-case\""},
        {replacedIn(kValidCase, "\"25\"", objects), "internalPipe.outsideDiameter: must be a text in double quotes"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        ASSERT_LT(row.bytes.size(), 1024u * 1024u);
        const std::string path = folder.write("keys.vorlan", row.bytes);
        const auto start = std::chrono::steady_clock::now();
        try {
            readCaseFile(path);
            ADD_FAILURE() << "accepted";
        } catch (const CaseFileError& error) {
            EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos) << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << row.expected;
    }
}

TEST(CaseFile, AnythingAfterTheCaseIsRefusedNulBytesToo)
{
    const std::string trailing[]
        = {std::string("\0", 1), std::string("\0garbage", 8), std::string(" \0{}", 4), "x", "}", "{}"};
    test::TempFolder folder;
    for (const std::string& bytes : trailing) {
        const std::string path = folder.write("trailing.vorlan", kValidCase + bytes);
        try {
            readCaseFile(path);
            ADD_FAILURE() << "accepted with " << bytes.size() << " trailing bytes";
        } catch (const CaseFileError& error) {
            EXPECT_NE(std::string(error.what()).find("not JSON"), std::string::npos) << error.what();
        }
    }
}

TEST(CaseFile, UserFluidIsKeptWithTheCase)
{
    test::TempFolder folder;
    CaseContents original = readCaseFile(folder.write("plain.vorlan", kValidCase));
    EXPECT_FALSE(original.userFluid); // a case saved without it
    original.userFluid = UserFluid {998.2f, 4.18f, 0.6f, 0.0012345678901};
    const std::string path = folder.path() + "/fluid.vorlan";
    writeCaseFile(path, original);
    EXPECT_NE(folder.read("fluid.vorlan").find(R"("userFluid": {
    "density": "998,2",
    "specificHeat": "4,18",
    "conductivity": "0,6",
    "viscosity": "0,0012345678901"
  })"),
        std::string::npos)
        << folder.read("fluid.vorlan");
    EXPECT_NE(folder.read("fluid.vorlan").find("\"version\": 1,"), std::string::npos);
    const CaseContents read = readCaseFile(path);
    ASSERT_TRUE(read.userFluid);
    EXPECT_EQ(read.userFluid->density, 998.2f);
    EXPECT_EQ(read.userFluid->specificHeat, 4.18f);
    EXPECT_EQ(read.userFluid->conductivity, 0.6f);
    EXPECT_EQ(read.userFluid->viscosity, 0.0012345678901);

    EXPECT_EQ(readCaseFile(folder.write("good.vorlan", withUserFluid("1000", "1000"))).userFluid->density, 1000.0f);
}

TEST(CaseFile, FluidTablesTravelWithTheCase)
{
    // A table of 451 records, the most a fluid file holds, comes back byte for byte; one more is refused.
    test::TempFolder folder;
    std::string table;
    for (int row = 0; row < 452; ++row)
        table += std::to_string(row) + ",1,998.2,4.18,0.6,0.001," + std::to_string(4.18 * row) + "\r\n";
    const std::string full = table.substr(0, table.rfind("451,"));
    CaseContents original = readCaseFile(folder.write("plain.vorlan", kValidCase));
    EXPECT_TRUE(original.fluidTables.empty());
    original.fluidTables = {{"Water", full}};
    writeCaseFile(folder.path() + "/carried.vorlan", original);
    EXPECT_EQ(readCaseFile(folder.path() + "/carried.vorlan").fluidTables, original.fluidTables);

    original.fluidTables = {{"Water", table}};
    writeCaseFile(folder.path() + "/long.vorlan", original);
    try {
        readCaseFile(folder.path() + "/long.vorlan");
        ADD_FAILURE() << "452 records accepted";
    } catch (const CaseFileError& error) {
        EXPECT_NE(std::string(error.what()).find("fluidTables.Water: more than 451 records"), std::string::npos)
            << error.what();
    }
}

TEST(CaseFile, EveryQuantityHasItsOwnKey)
{
    EXPECT_EQ(caseKeyOf(Quantity::Capacity), "exchanger.capacity");
    EXPECT_EQ(caseKeyOf(Quantity::InternalMassFlow), "internalPipe.massFlow");
    EXPECT_EQ(caseKeyOf(Quantity::ExternalOutletTemperature), "externalPipe.outletTemperature");
    EXPECT_EQ(caseKeyOf(Quantity::ExternalFouling), "options.externalFouling");
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        EXPECT_EQ(quantityWithKey(caseKeyOf(static_cast<Quantity>(i))), static_cast<Quantity>(i));
    for (const char* other : {"Text12", "exchanger.Length", "exchanger", "exchanger.length.", ""})
        EXPECT_FALSE(quantityWithKey(other)) << other; // keys are whole and case-sensitive
}

} // namespace
} // namespace vorlan
