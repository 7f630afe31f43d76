// Bad input in every box of valid cases in the six modes: each variant ends as a solved case or
// with one of the program's messages, in bounded time, and nothing shown is infinite or NaN.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "calc/exchanger.h"
#include "platform/appdir.h"
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
    std::vector<std::pair<std::string, std::string>> variants;
    for (const auto& [box, valid] : test::waterCase()) {
        if (box.starts_with("Combo")) {
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
        CaseSnapshot form;
        test::describeWaterCase(form, GetParam());
        form.setText(box, text);

        const auto start = std::chrono::steady_clock::now();
        const CalcOutcome outcome = exchanger.Command1_Click(form);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string variant = box + " = \"" + text.substr(0, 20) + "\"";
        EXPECT_LT(seconds, 5) << variant;
        if (outcome.record) {
            ++solved;
            expectFinite(*outcome.record);
        } else {
            EXPECT_TRUE(test::kCalculationMessages.contains(outcome.message)) << variant << ": " << outcome.message;
            if (text == "abc") { // the detail says which box holds the text that is no number
                EXPECT_NE(outcome.detail.find("(" + box + "): \"abc\""), std::string::npos) << outcome.detail;
            }
        }
        for (const WriteBack& shown : outcome.writeBacks)
            EXPECT_TRUE(std::isfinite(textToDouble(shown.text))) << variant << ": wrote " << shown.text;
    }
    EXPECT_GT(solved, 0); // the boxes a mode does not read leave it solvable
}

std::string modeName(const ::testing::TestParamInfo<test::Mode>& info) { return test::modeName(info.param); }

INSTANTIATE_TEST_SUITE_P(SixModes, BadInput, ::testing::ValuesIn(test::kModes), modeName);

} // namespace
} // namespace vorlan
