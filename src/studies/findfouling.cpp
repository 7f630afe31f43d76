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
    Trials(Exchanger& exchanger, const CaseSnapshot& snapshot, double internalShare)
        : m_exchanger(exchanger)
        , m_case(snapshot)
        , m_share(internalShare)
    {
        m_case.setSelected(Option::Option3, false);
        m_case.setSelected(Option::Option4);
        m_case.setSelected(Option::Option7, false);
        m_case.setSelected(Option::Option8);
    }

    /** Calculates at a total fouling; the record, or the message of the failure. */
    CalcOutcome at(double total)
    {
        m_case.setText(Box::Form2Text1, numberToText(total * m_share));
        m_case.setText(Box::Form2Text2, numberToText(total * (1 - m_share)));
        ++count;
        return m_exchanger.Command1_Click(m_case);
    }

    double internalFouling() const { return textToDouble(m_case.text(Box::Form2Text1)); }
    double externalFouling() const { return textToDouble(m_case.text(Box::Form2Text2)); }

    int count = 0;

private:
    Exchanger& m_exchanger;
    CaseSnapshot m_case;
    double m_share;
};

std::string failedAt(double total, const CalcOutcome& outcome)
{
    return "Calculate failed at a fouling of " + withUnit(total, Quantity::Fouling) + ": " + outcome.message;
}

} // namespace

FoulingResult findFouling(Exchanger& exchanger, const CaseSnapshot& snapshot, const FoulingSearch& search)
{
    if (!snapshot.isSelected(Option::Option5))
        return {{}, "Find fouling needs a running exchanger's length: select Length and type it."};
    if (!(search.internalShare >= 0 && search.internalShare <= 1))
        return {{}, "The internal share of the fouling must be between 0 and 1."};
    if (!(search.tolerance > 0))
        return {{}, "The allowed difference of the measured duties must be a positive percentage."};
    double intTout = 0, estTout = 0;
    try {
        intTout = textToDouble(snapshot.text(Box::Text7));
        estTout = textToDouble(snapshot.text(Box::Text10));
    } catch (const CalcError&) {
        return {{}, "Type both measured outlet temperatures, internal and external [°C], as numbers."};
    }

    Trials trials(exchanger, snapshot, search.internalShare);
    const CalcOutcome clean = trials.at(0);
    if (!clean.record)
        return {{}, failedAt(0, clean)};
    const ResultRecord& r = *clean.record;

    // The measured duty of each side from its enthalpies, on the tables the clean case loaded [kW].
    FoulingFound found;
    const double hot = r.intTin > r.estTin ? 1 : -1;
    try {
        FluidTables& tables = exchanger.fluids;
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
            "The measurements are inconsistent: the internal side gives " + withUnit(found.internalDuty, Quantity::Duty)
                + " and the external side " + withUnit(found.externalDuty, Quantity::Duty) + ", "
                + withUnit(spread, Quantity::Percent)
                + " apart (allowed: " + withUnit(search.tolerance, Quantity::Percent) + ")."};
    found.cleanU = r.U;

    const double target = found.measuredDuty;
    double low = 0, high = kMaxFouling;
    double gLow = r.q - target;
    if (gLow < 0)
        return {{},
            "The measured duty (" + withUnit(target, Quantity::Duty) + ") is above the clean exchanger's ("
                + withUnit(r.q, Quantity::Duty) + "): no fouling matches."};
    CalcOutcome outcome = trials.at(high);
    if (!outcome.record)
        return {{}, failedAt(high, outcome)};
    double gHigh = outcome.record->q - target;
    if (gHigh > 0)
        return {{},
            "Even " + withUnit(kMaxFouling, Quantity::Fouling) + " of fouling leaves the duty at "
                + withUnit(outcome.record->q, Quantity::Duty) + ", above the measured "
                + withUnit(target, Quantity::Duty) + "."};

    // Regula falsi on the duty, which falls as fouling rises; the Illinois step halves the weight
    // of an end that stays, so that the bracket closes from both sides.
    int side = 0;
    double total = high;
    for (int trial = 0; trial < kMaxTrials; ++trial) {
        total = gLow == gHigh ? (low + high) / 2 : high - gHigh * (high - low) / (gHigh - gLow);
        if (!(total > low && total < high))
            total = (low + high) / 2;
        outcome = trials.at(total);
        if (!outcome.record)
            return {{}, failedAt(total, outcome)};
        const double g = outcome.record->q - target;
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
    found.matchedU = outcome.record->U;
    found.calculatedDuty = outcome.record->q;
    found.calculations = trials.count;
    return {found, {}};
}

} // namespace vorlan
