#include "studies/hairpinnetwork.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "analysis/caseanalysis.h"
#include "analysis/numberformat.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "studies/hairpinchain.h"

namespace vorlan {

namespace {

constexpr int kMaxPasses = 50;
// Below this inlet difference [K] a hairpin's shares are noise: the chain keeps its last ones.
constexpr double kShareDifference = 1e-6;

double inletOf(const ResultRecord& r, Side side) { return side == Side::Internal ? r.intTin : r.estTin; }
double outletOf(const ResultRecord& r, Side side) { return side == Side::Internal ? r.intTout : r.estTout; }
double velocityOf(const ResultRecord& r, Side side) { return side == Side::Internal ? r.intVel : r.estVel; }
double dropOf(const ResultRecord& r, Side side) { return side == Side::Internal ? r.intDeltaP : r.estDeltaP; }

std::string arrangementProblem(const HairpinArrangement& a)
{
    if (a.hairpins < 1 || a.hairpins > kMaxHairpins)
        return "The number of hairpins must be a whole number from 1 to " + std::to_string(kMaxHairpins) + ".";
    if (!(a.legLength > 0) || !std::isfinite(a.legLength))
        return "The leg length must be a positive number of metres.";
    if (a.split && a.banks < 2)
        return "A side split into parallel banks needs at least 2 banks.";
    if (!a.split && a.banks != 1)
        return "Only a side split into parallel banks has more than one bank.";
    if (a.hairpins % a.banks != 0)
        return std::to_string(a.hairpins) + " hairpins cannot be shared equally among " + std::to_string(a.banks)
            + " banks: the number of hairpins must be a multiple of the number of banks.";
    return {};
}

/** The case as each hairpin's Calculate reads it: two legs long, both flows given, the flows of one path. */
class Hairpins {
public:
    Hairpins(Exchanger& exchanger, const CaseContents& contents, double length, float internalFlow, float externalFlow)
        : m_exchanger(exchanger)
        , m_case(contents)
    {
        m_case.setFlowMode(FlowMode::BothFlowsGiven);
        m_case.lengthGiven = true;
        m_case.setText(Quantity::Length, numberToText(length));
        m_case.setText(Quantity::InternalMassFlow, numberToText(internalFlow));
        m_case.setText(Quantity::ExternalMassFlow, numberToText(externalFlow));
    }

    /** Calculates one hairpin at its inlet temperatures [°C]. */
    CalcOutcome at(double internalInlet, double externalInlet)
    {
        m_case.setText(Quantity::InternalInletTemperature, numberToText(internalInlet));
        m_case.setText(Quantity::ExternalInletTemperature, numberToText(externalInlet));
        ++count;
        return m_exchanger.calculate(m_case, RobustSearch::Never);
    }

    int count = 0;

private:
    Exchanger& m_exchanger;
    CaseContents m_case;
};

std::string inletsText(double internalInlet, double externalInlet)
{
    return "internal inlet " + withUnit(internalInlet, Measure::Temperature) + ", external inlet "
        + withUnit(externalInlet, Measure::Temperature);
}

/** Adds one path's hairpins to its side: velocity, straight pipe and return bends. */
void addPath(NetworkSide& side, Side which, const std::vector<HairpinSection>& sections,
    const std::vector<FilmDetails>& details, std::size_t first, std::size_t count)
{
    side.velocity = side.pipePressureDrop = 0;
    side.bends = {};
    for (std::size_t k = first; k < first + count; ++k) {
        side.velocity += velocityOf(sections[k].record, which) / double(count);
        side.pipePressureDrop += dropOf(sections[k].record, which);
        const ReturnBends bend = returnBends(1, which == Side::Internal ? details[k].internal : details[k].external);
        side.bends.count += 1;
        side.bends.K += bend.K / double(count);
        side.bends.pressureDrop += bend.pressureDrop;
    }
}

/** Groups the hairpins' warnings by kind, in the order first raised. */
void addWarnings(std::vector<NetworkWarning>& grouped, long hairpin, const std::vector<Warning>& warnings)
{
    for (const Warning& w : warnings) {
        auto found = std::find_if(
            grouped.begin(), grouped.end(), [&](const NetworkWarning& g) { return g.first.kind == w.kind; });
        if (found == grouped.end())
            grouped.push_back({w, {hairpin}});
        else if (found->hairpins.back() != hairpin)
            found->hairpins.push_back(hairpin);
    }
}

/** The network's figures from its solved hairpins; throws CalcError. */
HairpinNetwork summarise(const HairpinArrangement& arrangement, Side series, const std::vector<Solution>& solved,
    bool counterCurrent, double seriesInlet, double otherInlet, float otherFlow)
{
    HairpinNetwork n;
    n.arrangement = arrangement;
    const std::size_t perBank = solved.size() / std::size_t(arrangement.banks);
    std::vector<FilmDetails> details;
    for (std::size_t k = 0; k < solved.size(); ++k) {
        const ResultRecord& r = solved[k].record;
        n.sections.push_back({long(k) + 1, long(k / perBank) + 1, r});
        n.duty += r.q;
        n.surface += r.A;
        n.meanU += double(r.U) * r.A;
        const CaseAnalysis a = analyseCase(solved[k], 0);
        if (!a.details)
            throw CalcError(
                "the return bends of hairpin " + std::to_string(k + 1) + " cannot be computed: " + a.detailsMissing);
        n.meanCleanU += a.details->resistances.cleanU * r.A;
        details.push_back(*a.details);
        addWarnings(n.warnings, long(k) + 1, a.warnings);
    }
    n.meanU /= n.surface;
    n.meanCleanU /= n.surface;

    const Side other = opposite(series);
    NetworkSide& s = series == Side::Internal ? n.internal : n.external;
    NetworkSide& o = other == Side::Internal ? n.internal : n.external;
    s.inletTemperature = seriesInlet;
    s.outletTemperature = outletOf(solved.back().record, series);
    s.massFlow = series == Side::Internal ? solved[0].record.intPort : solved[0].record.estPort;
    addPath(s, series, n.sections, details, 0, solved.size());

    // The banks mix at the outlet by enthalpy, equal flows each, on the other side's table.
    FluidTables tables = solved[0].tables;
    const auto enthalpy = [&](double t) { return other == Side::Internal ? tables.propHint(t) : tables.propHest(t); };
    double mixed = 0, largestDrop = -1;
    for (std::size_t b = 0; b < std::size_t(arrangement.banks); ++b) {
        const std::size_t first = b * perBank, leaving = counterCurrent ? first : first + perBank - 1;
        mixed += checked(enthalpy(outletOf(solved[leaving].record, other))) / double(arrangement.banks);
        NetworkSide bank;
        addPath(bank, other, n.sections, details, first, perBank);
        if (bank.pressureDrop() > largestDrop) {
            largestDrop = bank.pressureDrop();
            o = bank; // the bank that loses most sets the side's pressure drop
        }
    }
    o.inletTemperature = otherInlet;
    o.outletTemperature = arrangement.banks == 1
        ? outletOf(solved[counterCurrent ? 0 : solved.size() - 1].record, other)
        : checked(other == Side::Internal ? tables.trovatint(mixed) : tables.trovatest(mixed));
    o.massFlow = otherFlow;
    o.paths = arrangement.banks;
    return n;
}

} // namespace

SectionShares sharesOf(const ResultRecord& r, Side series, SectionShares last)
{
    const double x = inletOf(r, series), y = inletOf(r, opposite(series));
    if (std::fabs(x - y) < kShareDifference)
        return last;
    // Calculate's outlets lie between the inlets up to its own tolerance: kept within [0, 1].
    return {std::clamp((x - outletOf(r, series)) / (x - y), 0.0, 1.0),
        std::clamp((outletOf(r, opposite(series)) - y) / (x - y), 0.0, 1.0)};
}

NetworkOutcome solveHairpins(Exchanger& exchanger, const CaseContents& contents, const HairpinArrangement& arrangement)
{
    if (std::string problem = arrangementProblem(arrangement); !problem.empty())
        return {{}, problem};
    CaseContents flows = contents;
    if (contents.flowMode() != FlowMode::BothFlowsGiven) {
        const CalcOutcome own = exchanger.calculate(contents);
        if (!own.solution)
            return {{}, "The case's mass flow comes from its own Calculate, which failed: " + own.message};
        flows.apply(own.writeBacks);
    }
    float internalFlow = 0, externalFlow = 0;
    double internalInlet = 0, externalInlet = 0;
    try {
        internalFlow = textToSingle(flows.text(Quantity::InternalMassFlow));
        externalFlow = textToSingle(flows.text(Quantity::ExternalMassFlow));
    } catch (const CalcError&) {
        return {{},
            "Type both mass flows, internal and external [kg/s], as numbers: hairpins are solved with both "
            "flows given."};
    }
    try {
        internalInlet = textToDouble(contents.text(Quantity::InternalInletTemperature));
        externalInlet = textToDouble(contents.text(Quantity::ExternalInletTemperature));
    } catch (const CalcError&) {
        return {{}, "Type both inlet temperatures, internal and external [°C], as numbers."};
    }
    const Side series = arrangement.split ? opposite(*arrangement.split) : Side::Internal;
    const Side other = opposite(series);
    (other == Side::Internal ? internalFlow : externalFlow) /= float(arrangement.banks);
    const double seriesInlet = series == Side::Internal ? internalInlet : externalInlet;
    const double otherInlet = series == Side::Internal ? externalInlet : internalInlet;
    const auto internalOf = [&](const SectionInlets& in) { return series == Side::Internal ? in.series : in.other; };
    const auto externalOf = [&](const SectionInlets& in) { return series == Side::Internal ? in.other : in.series; };
    const bool counterCurrent = contents.counterCurrent;

    Hairpins hairpins(exchanger, contents, 2 * arrangement.legLength, internalFlow, externalFlow);
    const CalcOutcome probe = hairpins.at(internalInlet, externalInlet);
    if (!probe.solution)
        return {{},
            "A hairpin at the inlet temperatures (" + inletsText(internalInlet, externalInlet)
                + ") could not be solved: " + probe.message};
    std::vector<SectionShares> shares(
        std::size_t(arrangement.hairpins), sharesOf(probe.solution->record, series, {0.5, 0.5}));
    const std::size_t perBank = shares.size() / std::size_t(arrangement.banks);

    double mismatch = 0;
    try {
        for (int pass = 1; pass <= kMaxPasses; ++pass) {
            std::vector<SectionInlets> inlets;
            double seriesAt = seriesInlet;
            for (std::size_t first = 0; first < shares.size(); first += perBank) {
                const BankChain chain
                    = chainBank({shares.begin() + long(first), shares.begin() + long(first + perBank)}, seriesAt,
                        otherInlet, counterCurrent);
                inlets.insert(inlets.end(), chain.inlets.begin(), chain.inlets.end());
                seriesAt = chain.seriesOutlet;
            }
            std::vector<Solution> solved;
            mismatch = 0;
            for (std::size_t k = 0; k < inlets.size(); ++k) {
                CalcOutcome outcome = hairpins.at(internalOf(inlets[k]), externalOf(inlets[k]));
                if (!outcome.solution)
                    return {{},
                        "Hairpin " + std::to_string(k + 1) + " could not be solved ("
                            + inletsText(internalOf(inlets[k]), externalOf(inlets[k])) + "): " + outcome.message};
                // What the chain handed on, against what the hairpin gives.
                const ResultRecord& r = outcome.solution->record;
                const double difference = inlets[k].series - inlets[k].other;
                mismatch = std::max(
                    {mismatch, std::fabs(inlets[k].series - shares[k].series * difference - outletOf(r, series)),
                        std::fabs(inlets[k].other + shares[k].other * difference - outletOf(r, other))});
                shares[k] = sharesOf(r, series, shares[k]);
                solved.push_back(std::move(*outcome.solution));
            }
            if (mismatch <= kChainTolerance) {
                HairpinNetwork network = summarise(arrangement, series, solved, counterCurrent, seriesInlet, otherInlet,
                    other == Side::Internal ? internalFlow : externalFlow);
                network.passes = pass;
                network.calculations = hairpins.count;
                return {std::move(network), {}};
            }
        }
    } catch (const CalcError& error) {
        return {{}, std::string("The hairpins cannot be chained: ") + error.what()};
    }
    return {{},
        "The hairpins' temperatures did not settle within " + std::to_string(kMaxPasses)
            + " passes: they still differ by " + withUnit(mismatch, Measure::TemperatureDifference)
            + " where one hairpin hands a stream to the next."};
}

} // namespace vorlan
