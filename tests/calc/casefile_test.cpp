#include "calc/casefile.h"

#include <gtest/gtest.h>

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

TEST(CaseFile, ReadsTheBoxesAndChoices)
{
    test::TempFolder folder;
    const CaseContents contents = readCaseFile(folder.write("a.vorlan", kValidCase));
    EXPECT_EQ(contents.texts.at("Text1"), "25");
    EXPECT_EQ(contents.texts.at("Combo3"), "Copper");
    EXPECT_EQ(contents.texts.at("Text11"), "0,5");
    EXPECT_EQ(contents.texts.at("Text8"), "");
    EXPECT_EQ(contents.texts.at("Form2.Text1"), "0,0002");
    EXPECT_EQ(contents.selectedOptions(), (std::vector<std::string> {"Option3", "Option8", "Option5", "Option1"}));
}

TEST(CaseFile, WriteThenReadGivesTheSameCase)
{
    test::TempFolder folder;
    CaseContents original;
    original.texts
        = {{"Text1", "33,7"}, {"Text6", "-12,5"}, {"Combo1", "Ethylene Glycol 30%"}, {"Combo3", "Copper-nickel 90/10"},
            {"Text12", ""}, {"Form2.Text2", "0,0001"}, {"Combo2", "Kältemittel \"neu\" °"}};
    original.internalOutletGiven = false;
    original.externalOutletGiven = true;
    original.lengthGiven = false;
    original.counterCurrent = false;
    const std::string path = folder.path() + "/case.vorlan";
    writeCaseFile(path, original);
    const CaseContents read = readCaseFile(path);
    for (const auto& [control, text] : original.texts)
        EXPECT_EQ(read.texts.at(control), text) << control;
    EXPECT_EQ(read.texts.at("Text2"), ""); // boxes not given are written empty
    EXPECT_EQ(read.selectedOptions(), (std::vector<std::string> {"Option4", "Option7", "Option6", "Option2"}));
}

TEST(CaseFile, FoulingFactorsDefaultToZero)
{
    test::TempFolder folder;
    std::string text = kValidCase;
    text.erase(text.find(",\n  \"options\""), std::string::npos);
    text += "}";
    const CaseContents contents = readCaseFile(folder.write("a.vorlan", text));
    EXPECT_EQ(contents.texts.at("Form2.Text1"), "0");
    EXPECT_EQ(contents.texts.at("Form2.Text2"), "0");
}

TEST(CaseFile, RefusesWhatIsNotAValidCaseNamingTheKey)
{
    const auto replaced = [](const std::string& from, const std::string& to) {
        std::string text = kValidCase;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
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

TEST(CaseFile, KeysOfTheWrittenBackBoxes)
{
    EXPECT_EQ(caseKeyOf(Box::Text3), "exchanger.capacity");
    EXPECT_EQ(caseKeyOf(Box::Text8), "internalPipe.massFlow");
    EXPECT_EQ(caseKeyOf(Box::Text10), "externalPipe.outletTemperature");
    EXPECT_EQ(caseKeyOf(Box::Form2Text2), "options.externalFouling");
}

TEST(CaseSnapshot, UnknownControlNamesFailLoudly)
{
    CaseSnapshot snapshot;
    snapshot.setText("Form2.Text1", "0,0001");
    EXPECT_EQ(snapshot.text(Box::Form2Text1), "0,0001");
    EXPECT_THROW(snapshot.setText("Text13", "1"), std::invalid_argument);
    EXPECT_THROW(snapshot.text("combo1"), std::invalid_argument); // names are case-sensitive
    EXPECT_THROW(snapshot.isSelected("Option9"), std::invalid_argument);
    EXPECT_THROW(snapshot.setSelected("Text1"), std::invalid_argument);
    for (std::size_t i = 0; i < kBoxCount; ++i)
        EXPECT_EQ(boxNamed(nameOf(static_cast<Box>(i))), static_cast<Box>(i));
}

} // namespace
} // namespace vorlan
