// Solved cases on a constant-property fluid against the effectiveness-NTU relations, which hold
// exactly for constant specific heats and a constant U: the duty of a solution must equal
// eps * Cmin * (hot inlet - cold inlet) with eps from NTU = U A / Cmin and Cr = Cmin / Cmax.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "support/tempfolder.h"
#include "support/watercase.h"

namespace vorlan {
namespace {

using test::Mode;

/** Counter-current effectiveness (Kays and London); Cr = 1 is its limit N / (1 + N). */
double counterCurrentEffectiveness(double ntu, double cr)
{
    if (std::fabs(cr - 1) < 1e-9)
        return ntu / (1 + ntu);
    const double e = std::exp(-ntu * (1 - cr));
    return (1 - e) / (1 - cr * e);
}

/** Co-current effectiveness (Kays and London). */
double coCurrentEffectiveness(double ntu, double cr) { return (1 - std::exp(-ntu * (1 + cr))) / (1 + cr); }

TEST(EffectivenessNtu, FormulasMatchPublishedValues)
{
    // ht.hx.effectiveness_from_NTU, counterflow, NTU = 5, Cr = 0.7.
    EXPECT_NEAR(counterCurrentEffectiveness(5, 0.7), 0.920670368605, 1e-12);
    EXPECT_NEAR(counterCurrentEffectiveness(5, 1), 5.0 / 6, 1e-12);
    EXPECT_NEAR(coCurrentEffectiveness(1, 1), (1 - std::exp(-2.0)) / 2, 1e-12); // 0.432332
}

/**
 * The fluid "User defined" as the Options dialog writes it: rows at -100, 0 and 300 degC, 1 bar,
 * density 1000 kg/m^3, cp 4.18 kJ/(kg K), k 0.6 W/(m K), mu 0.001 Pa s, h = cp * T.
 */
constexpr char kConstantFluid[] = "-100,1,1000,4.18,0.6,0.001,-418\r\n"
                                  "0,1,1000,4.18,0.6,0.001,0\r\n"
                                  "300,1,1000,4.18,0.6,0.001,1254\r\n";
constexpr double kCp = 4.18;

struct Row {
    const char* name;
    Mode mode;
    bool counterCurrent;
    const char* length; // [m]
    const char* internalFlow; // [kg/s], where given
    const char* externalFlow;
};

class ConstantProperties : public ::testing::TestWithParam<Row> {
protected:
    ConstantProperties()
    {
        folder.write("User defined.dat", kConstantFluid);
        std::filesystem::copy_file(QuestaDirectory() + "/data/condmat.dat", folder.path() + "/condmat.dat");
    }
    test::TempFolder folder;
};

TEST_P(ConstantProperties, DutyEqualsEffectivenessTimesLargestDuty)
{
    const Row& row = GetParam();
    CaseContents form;
    test::describeWaterCase(form, row.mode, "User defined");
    form.counterCurrent = row.counterCurrent;
    form.setText(Quantity::Length, row.length);
    form.setText(Quantity::InternalMassFlow, row.internalFlow);
    form.setText(Quantity::ExternalMassFlow, row.externalFlow);
    Exchanger exchanger(folder.path());
    const CalcOutcome outcome = exchanger.calculate(form);
    ASSERT_TRUE(outcome.solution) << outcome.message << ": " << outcome.detail;
    const ResultRecord& r = outcome.solution->record;

    const double ci = r.intPort * kCp;
    const double ce = r.estPort * kCp;
    const double cmin = std::min(ci, ce);
    const double cr = cmin / std::max(ci, ce);
    const double ntu = r.U * r.A / 1000 / cmin;
    const double eps = row.counterCurrent ? counterCurrentEffectiveness(ntu, cr) : coCurrentEffectiveness(ntu, cr);
    const double expected = eps * cmin * std::fabs(r.intTin - r.estTin);
    EXPECT_NEAR(r.q / expected, 1, 1e-4) << "NTU " << ntu << ", Cr " << cr;
}

// The water case's pipes (25 x 2 mm copper in 50 x 3 mm), 80 degC inside and 20 degC outside.
// Length and flows set NTU from about 0.7 to about 16; the outlet given in L1 and L2 is the water
// case's (60 and 40 degC).
const Row kRows[] = {
    {"L3_counter_moderate", Mode::L3, true, "10", "0,5", "0,7"},
    {"L3_counter_high", Mode::L3, true, "150", "0,3", "0,45"},
    {"L3_counter_balanced", Mode::L3, true, "100", "0,1", "0,1"},
    {"L3_co_current", Mode::L3, false, "30", "0,2", "0,3"},
    {"L1_counter_high", Mode::L1, true, "150", "", "0,45"},
    {"L2_counter_high", Mode::L2, true, "150", "0,3", ""},
    {"L1_co_current", Mode::L1, false, "30", "", "0,4"},
};

INSTANTIATE_TEST_SUITE_P(LengthGiven, ConstantProperties, ::testing::ValuesIn(kRows),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vorlan
