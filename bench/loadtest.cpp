// 10,000 random valid cases through the batch path: each must end solved or with one of the
// program's messages, every solved case must balance its energy on both streams, and the run
// reports how many cases it solves per second. Exit status 1 on any violation.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "platform/messages.h"
#include "platform/numbertext.h"

namespace {

struct Fluid {
    const char* name;
    double lowest; // first temperature of the 1 bar block [degC]
    double highest; // last temperature of the 1 bar block [degC]
};

const Fluid kFluids[] = {
    {"Water", 1, 98},
    {"Ethylene Glycol 30%", -13, 100},
    {"Propylene Glycol 30%", -11, 100},
    {"Methanol 40%", -37, 40},
    {"Air", -50, 400},
    {"Nitrogen", -150, 400},
};

const std::set<std::string> kMessages = {
    vorlan::msg::InvalidData,
    vorlan::msg::InvalidPressureInternal,
    vorlan::msg::InvalidPressureExternal,
    vorlan::msg::InvalidTemperatures,
    vorlan::msg::TemperaturesOutOfRange,
    vorlan::msg::CapacityTooHigh,
    vorlan::msg::NtuTooHigh,
    vorlan::msg::NotConverged,
};

std::string text(double value) { return vorlan::numberToText(vorlan::roundHalfEven(value, 3)); }

} // namespace

int main()
{
    const std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    std::mt19937 random(20261207);
    const auto uniform
        = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    const auto pick = [&random](int count) { return std::uniform_int_distribution<>(0, count - 1)(random); };

    vorlan::FluidTables lookups(dataFolder);
    lookups.setPressures("1", "1");
    const auto enthalpy = [&lookups](const std::string& fluid, double t) {
        lookups.dbpropint(fluid);
        return lookups.propHint(t);
    };

    vorlan::Exchanger exchanger(dataFolder);
    constexpr int kCases = 10000;
    std::map<std::string, int> outcomes;
    int violations = 0;
    double seconds = 0;
    for (int i = 0; i < kCases; ++i) {
        const Fluid& inner = kFluids[pick(6)];
        const Fluid& outer = kFluids[pick(6)];
        const double innerInlet = uniform(inner.lowest, inner.highest - 1);
        const double outerInlet = uniform(outer.lowest, outer.highest - 1);
        const bool innerHot = innerInlet > outerInlet;
        const double innerOutlet
            = innerInlet + (innerHot ? -1 : 1) * uniform(0.1, 0.9) * std::fabs(innerInlet - outerInlet);
        const double outerOutlet
            = outerInlet + (innerHot ? 1 : -1) * uniform(0.1, 0.9) * std::fabs(innerInlet - outerInlet);
        const double outside = uniform(10, 60);

        vorlan::CaseSnapshot form;
        for (const auto& [box, value] :
            std::vector<std::pair<const char*, std::string>> {{"Text1", text(outside)},
                {"Text2", text(uniform(0.5, 3))}, {"Text4", text(outside * uniform(1.4, 2.5))},
                {"Text5", text(uniform(1, 4))}, {"Combo3", "Carbon steel"}, {"Combo1", inner.name},
                {"Combo2", outer.name}, {"Combo4", "1"}, {"Combo5", "1"}, {"Text6", text(innerInlet)},
                {"Text9", text(outerInlet)}, {"Text7", text(innerOutlet)}, {"Text10", text(outerOutlet)},
                {"Text8", text(uniform(0.05, 2))}, {"Text11", text(uniform(0.05, 2))}, {"Text12", text(uniform(1, 40))},
                {"Text3", text(uniform(1, 80))}, {"Form2.Text1", "0"}, {"Form2.Text2", "0,0001"}})
            form.setText(box, value);
        const int flowMode = pick(3);
        form.setSelected(pick(2) == 0 ? "Option1" : "Option2");
        form.setSelected(flowMode == 0 ? "Option3" : "Option4");
        form.setSelected(flowMode == 1 ? "Option7" : "Option8");
        form.setSelected(pick(2) == 0 ? "Option5" : "Option6");

        const auto start = std::chrono::steady_clock::now();
        const vorlan::CalcOutcome outcome = exchanger.Command1_Click(form);
        const double caseSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        seconds += caseSeconds;
        if (caseSeconds > 0.5) {
            std::printf("case %d took %.1f s (%s): %s %s -> %s, %s %s -> %s, flow mode %d, %s %s\n", i, caseSeconds,
                outcome.record ? "solved" : outcome.message.c_str(), inner.name, form.text("Text6").c_str(),
                form.text("Text7").c_str(), outer.name, form.text("Text9").c_str(), form.text("Text10").c_str(),
                flowMode, form.isSelected("Option5") ? "length" : "capacity",
                form.isSelected("Option1") ? "contro" : "equi");
            std::fflush(stdout);
        }

        if (!outcome.record) {
            ++outcomes[outcome.message];
            if (!kMessages.contains(outcome.message)) {
                std::printf("case %d: unknown message \"%s\"\n", i, outcome.message.c_str());
                ++violations;
            }
            continue;
        }
        const vorlan::ResultRecord& r = *outcome.record;
        // An outlet beyond its table is extrapolated along the table's first segment, as the
        // lookups do by design; the balance is checked on the cases inside the tables, judged by
        // the outlet enthalpy that the duty gives each stream.
        const auto within = [&](const Fluid& fluid, double in, double out, float flow) {
            const double hIn = enthalpy(fluid.name, in);
            const double hOut = hIn + (out > in ? 1 : -1) * r.q / flow;
            return out >= fluid.lowest && out < fluid.highest && hOut >= enthalpy(fluid.name, fluid.lowest)
                && hOut < enthalpy(fluid.name, fluid.highest - 0.001);
        };
        const bool inside
            = within(inner, r.intTin, r.intTout, r.intPort) && within(outer, r.estTin, r.estTout, r.estPort);
        if (!inside) {
            ++outcomes["solved, an outlet extrapolated beyond its table"];
            continue;
        }
        // At a pinch the log-mean difference turns on thousandths of a kelvin, the tolerance of the
        // outlet temperatures: the duty from U is then only as good as that tolerance.
        const bool hotInside = r.intTin > r.estTin;
        const double hotIn = hotInside ? r.intTin : r.estTin, hotOut = hotInside ? r.intTout : r.estTout;
        const double coldIn = hotInside ? r.estTin : r.intTin, coldOut = hotInside ? r.estTout : r.intTout;
        const bool counter = r.controequi == "contro";
        const double smallerEnd = std::min(std::fabs(counter ? hotIn - coldOut : hotIn - coldIn),
            std::fabs(counter ? hotOut - coldIn : hotOut - coldOut));
        if (smallerEnd < 0.1) {
            ++outcomes["solved at a pinch (an end difference below 0.1 K)"];
            continue;
        }
        ++outcomes["solved"];
        // Each stream's duty against q, within 0.5 % plus what the tolerances of the iterations allow:
        // 0.001 K on either outlet temperature (each converged with the other stream's duty), and
        // 0.05 W/(m^2 K) between the last two values of U.
        const auto outletSlack = [&](const char* fluid, float flow, double out) {
            return flow * std::fabs(enthalpy(fluid, out + 0.002) - enthalpy(fluid, out));
        };
        const double slack = outletSlack(inner.name, r.intPort, r.intTout)
            + outletSlack(outer.name, r.estPort, r.estTout) + r.q * 0.05 / r.U + 0.005 * r.q;
        const auto balanced = [&](const char* fluid, float flow, double in, double out) {
            return std::fabs(flow * std::fabs(enthalpy(fluid, in) - enthalpy(fluid, out)) - r.q) <= slack;
        };
        if (!balanced(inner.name, r.intPort, r.intTin, r.intTout)
            || !balanced(outer.name, r.estPort, r.estTin, r.estTout)) {
            std::printf("case %d (%s in %s) does not balance: q %g kW, internal %g kW (%g -> %g), external %g kW (%g "
                        "-> %g), U %g\n",
                i, inner.name, outer.name, r.q,
                r.intPort * std::fabs(enthalpy(inner.name, r.intTin) - enthalpy(inner.name, r.intTout)), r.intTin,
                r.intTout, r.estPort * std::fabs(enthalpy(outer.name, r.estTin) - enthalpy(outer.name, r.estTout)),
                r.estTin, r.estTout, r.U);
            vorlan::writeCaseFile("loadtest-case-" + std::to_string(i) + ".vorlan", vorlan::caseFromSnapshot(form));
            ++violations;
        }
    }

    for (const auto& [outcome, count] : outcomes)
        std::printf("%6d  %s\n", count, outcome.c_str());
    std::printf("%d cases in %.2f s of calculation: %.0f cases per second; %d violations\n", kCases, seconds,
        kCases / seconds, violations);
    return violations == 0 ? 0 : 1;
}
