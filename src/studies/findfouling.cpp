#include "studies/findfouling.h"

#include <cmath>

#include "analysis/numberformat.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

constexpr double kDutyTolerance = 1e-5; // relative match of the duties that ends the search
constexpr double kFoulingResolution = 1e-8; // [(m² K)/W] bracket width that ends the search
constexpr int kMaxTrials = 200;

/** The case as the search calculates it: length given, both flows given, fouling split as asked. */
class Trials {
public:
    Trials(Exchanger& exchanger, const CaseContents& contents, double internalShare)
        : m_exchanger(exchanger)
        , m_case(contents)
        , m_share(internalShare)
    {
        m_case.setFlowMode(FlowMode::BothFlowsGiven);
    }

    /** Calculates at a total fouling; the solution, or the message of the failure. */
    CalcOutcome at(double total)
    {
        m_case.setText(Quantity::InternalFouling, numberToText(total * m_share));
        m_case.setText(Quantity::ExternalFouling, numberToText(total * (1 - m_share)));
        ++count;
        return m_exchanger.calculate(m_case);
    }

    double internalFouling() const { return textToDouble(m_case.text(Quantity::InternalFouling)); }
    double externalFouling() const { return textToDouble(m_case.text(Quantity::ExternalFouling)); }

    int count = 0;

private:
    Exchanger& m_exchanger;
    CaseContents m_case;
    double m_share;
};

std::string failedAt(double total, const CalcOutcome& outcome)
{
    return "Calculate failed at a fouling of " + withUnit(total, Measure::Fouling) + ": " + outcome.message;
}

} // namespace

FoulingResult findFouling(Exchanger& exchanger, const CaseContents& contents, const FoulingSearch& search)
{
    if (!contents.lengthGiven)
        return {{}, "Find fouling needs a running exchanger's length: select Length and type it."};
    if (!(search.internalShare >= 0 && search.internalShare <= 1))
        return {{}, "The internal share of the fouling must be between 0 and 1."};
    if (!(search.tolerance > 0))
        return {{}, "The allowed difference of the measured duties must be a positive percentage."};
    double intTout = 0, estTout = 0;
    try {
        intTout = textToDouble(contents.text(Quantity::InternalOutletTemperature));
        estTout = textToDouble(contents.text(Quantity::ExternalOutletTemperature));
    } catch (const CalcError&) {
        return {{}, "Type both measured outlet temperatures, internal and external [°C], as numbers."};
    }

    Trials trials(exchanger, contents, search.internalShare);
    const CalcOutcome clean = trials.at(0);
    if (!clean.solution)
        return {{}, failedAt(0, clean)};
    const ResultRecord& r = clean.solution->record;

    // The measured duty of each side from its enthalpies, on the tables the clean case loaded [kW].
    FoulingFound found;
    const double hot = r.intTin > r.estTin ? 1 : -1;
    try {
        FluidTables tables = clean.solution->tables;
        found.internalDuty = checked(hot * r.intPort * (tables.propHint(r.intTin) - tables.propHint(intTout)));
        found.externalDuty = checked(hot * r.estPort * (tables.propHest(estTout) - tables.propHest(r.estTin)));
    } catch (const CalcError& error) {
        return {{}, std::string("The measured duties cannot be computed: ") + error.what()};
    }
    if (!(found.internalDuty > 0 && found.externalDuty > 0))
        return {{}, "The measured outlet temperatures must cool the hot stream and warm the cold one."};
    found.measuredDuty = (found.internalDuty + found.externalDuty) / 2;
    const double spread = std::fabs(found.internalDuty - found.externalDuty) / found.measuredDuty * 100;
    if (spread > search.tolerance)
        return {{},
            "The measurements are inconsistent: the internal side gives " + withUnit(found.internalDuty, Measure::Duty)
                + " and the external side " + withUnit(found.externalDuty, Measure::Duty) + ", "
                + withUnit(spread, Measure::Percent)
                + " apart (allowed: " + withUnit(search.tolerance, Measure::Percent) + ")."};
    found.cleanU = r.U;

    const double target = found.measuredDuty;
    double low = 0, high = kMaxFouling;
    double gLow = r.q - target;
    if (gLow < 0)
        return {{},
            "The measured duty (" + withUnit(target, Measure::Duty) + ") is above the clean exchanger's ("
                + withUnit(r.q, Measure::Duty) + "): no fouling matches."};
    CalcOutcome outcome = trials.at(high);
    if (!outcome.solution)
        return {{}, failedAt(high, outcome)};
    double gHigh = outcome.solution->record.q - target;
    if (gHigh > 0)
        return {{},
            "Even " + withUnit(kMaxFouling, Measure::Fouling) + " of fouling leaves the duty at "
                + withUnit(outcome.solution->record.q, Measure::Duty) + ", above the measured "
                + withUnit(target, Measure::Duty) + "."};

    // Regula falsi on the duty, which falls as fouling rises; the Illinois step halves the weight
    // of an end that stays, so that the bracket closes from both sides.
    int side = 0;
    double total = high;
    for (int trial = 0; trial < kMaxTrials; ++trial) {
        total = gLow == gHigh ? (low + high) / 2 : high - gHigh * (high - low) / (gHigh - gLow);
        if (!(total > low && total < high))
            total = (low + high) / 2;
        outcome = trials.at(total);
        if (!outcome.solution)
            return {{}, failedAt(total, outcome)};
        const double g = outcome.solution->record.q - target;
        if (std::fabs(g) <= kDutyTolerance * target || high - low <= kFoulingResolution)
            break;
        if (g > 0) {
            low = total;
            gLow = g;
            if (side == 1)
                gHigh /= 2;
            side = 1;
        } else {
            high = total;
            gHigh = g;
            if (side == -1)
                gLow /= 2;
            side = -1;
        }
    }
    found.internal = trials.internalFouling();
    found.external = trials.externalFouling();
    found.total = found.internal + found.external;
    found.matchedU = outcome.solution->record.U;
    found.calculatedDuty = outcome.solution->record.q;
    found.calculations = trials.count;
    return {found, {}};
}

} // namespace vorlan
