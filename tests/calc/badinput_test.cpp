// Bad input in every box of valid cases in the six modes: each variant ends as a solved case or
// with one of the program's messages, in bounded time, and nothing shown is infinite or NaN.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "calc/exchanger.h"
#include "calc/quantity.h"
#include "platform/appdir.h"
#include "platform/calcerror.h"
#include "platform/messages.h"
#include "platform/numbertext.h"
#include "support/programmessages.h"
#include "support/watercase.h"

namespace vorlan {
namespace {

std::vector<std::string> badTexts()
{
    return {"", "abc", "0", "-5", "1,2,3", "1E40", "0,0000001", std::string(10000, '7')};
}

std::string otherCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c) : std::tolower(c));
    return text;
}

void expectFinite(const ResultRecord& r)
{
    for (const double value : {double(r.q), double(r.A), double(r.L), double(r.U), double(r.intPort), double(r.estPort),
             double(r.intVel), double(r.estVel), double(r.intDeltaP), double(r.estDeltaP), r.intTin, r.intTout,
             r.estTin, r.estTout, r.Rei, r.Ree})
        EXPECT_TRUE(std::isfinite(value));
}

class BadInput : public ::testing::TestWithParam<test::Mode> { };

TEST_P(BadInput, EveryVariantEndsWithAResultOrAMessage)
{
    const std::string dataFolder = QuestaDirectory() + "/data";
    test::Changes variants;
    for (const auto& [box, valid] : test::waterCase()) {
        if (isPicked(box)) {
            for (const std::string& text : {std::string(), std::string("Unobtainium"), otherCase(valid)})
                variants.emplace_back(box, text);
        } else {
            for (const std::string& text : badTexts())
                variants.emplace_back(box, text);
        }
    }

    int solved = 0;
    Exchanger exchanger(dataFolder);
    for (const auto& [box, text] : variants) {
        CaseContents form;
        test::describeWaterCase(form, GetParam());
        form.setText(box, text);

        const auto start = std::chrono::steady_clock::now();
        const CalcOutcome outcome = exchanger.calculate(form);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string variant = caseKeyOf(box) + " = \"" + text.substr(0, 20) + "\"";
        EXPECT_LT(seconds, 5) << variant;
        if (outcome.solution) {
            ++solved;
            expectFinite(outcome.solution->record);
        } else {
            EXPECT_TRUE(test::kCalculationMessages.contains(outcome.message)) << variant << ": " << outcome.message;
            if (text == "abc") { // the reason names the box that holds the text that is no number
                EXPECT_NE(outcome.detail.find(std::string(labelOf(box)) + ": 'abc' is not a number"), std::string::npos)
                    << outcome.detail;
            }
            for (const char* programmersWord :
                {"Text", "Combo", "Form2", "precision", "overflow", "division", "invalid operation"})
                EXPECT_EQ(outcome.detail.find(programmersWord), std::string::npos) << variant << ": " << outcome.detail;
        }
        for (const WriteBack& shown : outcome.writeBacks)
            EXPECT_TRUE(std::isfinite(textToDouble(shown.text))) << variant << ": wrote " << shown.text;
    }
    EXPECT_GT(solved, 0); // the boxes a mode does not read leave it solvable
}

std::string modeName(const ::testing::TestParamInfo<test::Mode>& info) { return test::modeName(info.param); }

TEST(BadInput, ReasonsSpeakTheUsersWords)
{
    // Water at 1 bar is tabulated from 1 to 98 degC, at 1, 2, 5, 10 and 20 bar (data/Water.dat).
    struct Row {
        test::Mode mode;
        test::Changes changes;
        const char* message;
        const char* reason;
    };
    const Row rows[] = {
        {test::Mode::L1, {{Quantity::Length, "abc"}}, msg::InvalidData, "Length [m]: 'abc' is not a number"},
        {test::Mode::L3, {{Quantity::InternalMassFlow, "1E40"}}, msg::InvalidData,
            "Internal mass flow [kg/s]: '1E40' is too large a number"},
        {test::Mode::L3, {{Quantity::ExternalInletTemperature, "120"}}, msg::TemperaturesOutOfRange,
            "External fluid: 120 °C is outside its table at 1 bar, 1 to 98 °C"},
        {test::Mode::L1, {{Quantity::InternalPressure, "3"}}, msg::InvalidPressureInternal,
            "Internal pressure [bar]: 3 bar is not a pressure of the fluid's table, which lists 1, 2, 5, 10 and 20 "
            "bar"},
        {test::Mode::L1, {{Quantity::Material, "Unobtainium"}}, msg::InvalidData,
            "pipe material 'Unobtainium' is not in the materials file"},
        {test::Mode::L1, {{Quantity::Material, ""}}, msg::InvalidData, "no pipe material is chosen"},
        {test::Mode::L3, {{Quantity::InternalMassFlow, "0"}}, msg::InvalidData, "the internal mass flow is zero"},
        {test::Mode::C1, {{Quantity::ExternalMassFlow, "0"}}, msg::InvalidData, "the external mass flow is zero"},
        {test::Mode::L1, {{Quantity::ExternalOutsideDiameter, "31"}}, msg::InvalidData,
            "the annulus has no cross-section: the external pipe's inside diameter equals the internal pipe's "
            "outside diameter"},
    };
    Exchanger exchanger(QuestaDirectory() + "/data");
    for (const Row& row : rows) {
        CaseContents form;
        test::describeWaterCase(form, row.mode);
        for (const auto& [box, text] : row.changes)
            form.setText(box, text);
        const CalcOutcome outcome = exchanger.calculate(form);
        EXPECT_EQ(outcome.message, row.message) << row.reason;
        EXPECT_EQ(outcome.detail, row.reason);
    }
    // A solved case leaves no cause behind: a later fault has the general reason.
    CaseContents plain;
    test::describeWaterCase(plain, test::Mode::L1);
    ASSERT_TRUE(exchanger.calculate(plain).solution);
    try {
        checked(std::nan(""));
        FAIL();
    } catch (const CalcError& error) {
        EXPECT_STREQ(error.what(), msg::CannotCompute);
    }
}

INSTANTIATE_TEST_SUITE_P(SixModes, BadInput, ::testing::ValuesIn(test::kModes), modeName);

} // namespace
} // namespace vorlan
