#include "studies/designsearch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "analysis/caseanalysis.h"
#include "analysis/numberformat.h"
#include "analysis/warningrules.h"
#include "correlations/dtml.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "studies/designrun.h"
#include "studies/hairpinchain.h"

namespace vorlan {

namespace {

// A network delivers the duty when it falls short of it by no more than Calculate's own rounding.
constexpr double kDutyTolerance = 1e-4;

std::size_t index(Side side) { return side == Side::Internal ? 0 : 1; }

const char* sideWords(Side side) { return side == Side::Internal ? "the pipe" : "the annulus"; }

/** Swaps the texts of the two streams, so the case's internal stream flows in the annulus. */
void swapStreams(CaseContents& contents)
{
    static constexpr std::pair<Quantity, Quantity> kPairs[] = {
        {Quantity::InternalFluid, Quantity::ExternalFluid},
        {Quantity::InternalPressure, Quantity::ExternalPressure},
        {Quantity::InternalInletTemperature, Quantity::ExternalInletTemperature},
        {Quantity::InternalOutletTemperature, Quantity::ExternalOutletTemperature},
        {Quantity::InternalMassFlow, Quantity::ExternalMassFlow},
        {Quantity::InternalFouling, Quantity::ExternalFouling},
    };
    for (const auto& [internal, external] : kPairs) {
        std::string text = contents.text(internal);
        contents.setText(internal, contents.text(external));
        contents.setText(external, text);
    }
}

/** The target's case with the candidate's pipes and each stream on its side. */
CaseContents candidateCase(const DesignTarget& target, const DesignCandidate& c)
{
    CaseContents contents = target.base;
    contents.setText(Quantity::InternalOutsideDiameter, windowDimension(c.inner.outsideDiameterText));
    contents.setText(Quantity::InternalThickness, windowDimension(c.inner.thicknessText));
    contents.setText(Quantity::ExternalOutsideDiameter, windowDimension(c.outer.outsideDiameterText));
    contents.setText(Quantity::ExternalThickness, windowDimension(c.outer.thicknessText));
    if (c.swapped)
        swapStreams(contents);
    return contents;
}

/** Flow section of a side [m²]: the inner pipe's bore or the annulus. */
double flowSection(Side side, const DesignCandidate& c)
{
    const double bore = (c.inner.outsideDiameter - 2 * c.inner.thickness) / 1000;
    const double shell = (c.outer.outsideDiameter - 2 * c.outer.thickness) / 1000;
    const double inner = c.inner.outsideDiameter / 1000;
    return std::numbers::pi / 4 * (side == Side::Internal ? bore * bore : shell * shell - inner * inner);
}

/** The velocity range a stream of this density must keep on the side. */
VelocityRange usualRange(Side side, double density, const DesignConstraints& k)
{
    if (density < warningRule(WarningKind::GasDensity).low)
        return k.gas;
    return side == Side::Internal ? k.liquidInPipe : k.liquidInAnnulus;
}

/** The velocity constraint a side breaks, in words; empty when it keeps it. */
std::string velocityBreak(
    Side side, double velocity, const DesignTarget& target, const DesignCandidate& c, const DesignConstraints& k)
{
    const Side stream = streamOn(side, c);
    const VelocityRange range = usualRange(side, target.density[index(stream)], k);
    if (velocity >= range.low && velocity <= range.high)
        return {};
    return "velocity of " + target.fluid[index(stream)] + " in " + sideWords(side) + " "
        + withUnit(velocity, Measure::Velocity) + (velocity < range.low ? " is below " : " is above ")
        + withUnit(velocity < range.low ? range.low : range.high, Measure::Velocity);
}

/** Mass flow of one path of the side [kg/s]: the stream's flow, shared among the banks of a split side. */
double pathFlow(Side side, const DesignTarget& target, const DesignCandidate& c)
{
    return target.massFlow[index(streamOn(side, c))] / double(c.split == side ? c.banks : 1);
}

/** The side's velocity at the target's mean temperatures [m/s], as Calculate computes it: m / (rho A). */
double targetVelocity(Side side, const DesignTarget& target, const DesignCandidate& c)
{
    return pathFlow(side, target, c) / (target.density[index(streamOn(side, c))] * flowSection(side, c));
}

/** True when the stream on the series side has reached the target outlet [°C] from its inlet. */
bool reaches(double outlet, double inlet, double targetOutlet)
{
    const double tolerance = kDutyTolerance * std::fabs(targetOutlet - inlet);
    return targetOutlet < inlet ? outlet <= targetOutlet + tolerance : outlet >= targetOutlet - tolerance;
}

/** The pressure-drop constraints of the solved network: the larger ratio, and the first side broken. */
std::string dropBreak(Design& d, const DesignTarget& target, const DesignConstraints& k)
{
    std::string broken;
    for (Side side : {Side::Internal, Side::External}) {
        const Side stream = streamOn(side, d.candidate);
        const double drop = (side == Side::Internal ? d.network->internal : d.network->external).pressureDrop();
        const double allowed = k.allowedPressureDrop[index(stream)];
        d.dropRatio = std::max(d.dropRatio, checked(drop / allowed));
        if (drop > allowed && broken.empty())
            broken = "pressure drop of " + target.fluid[index(stream)] + " in " + sideWords(side) + " "
                + withUnit(drop, Measure::PressureDrop) + " is above the allowed "
                + withUnit(allowed, Measure::PressureDrop);
    }
    return broken;
}

/** Solves the design's case as one exchanger of the hairpins' whole length: N hairpins in series
 * are one double pipe of 2 N legs, bent at N returns. */
HairpinNetwork seriesNetwork(Exchanger& exchanger, CaseContents contents, long hairpins, double leg)
{
    contents.lengthGiven = true;
    contents.setText(Quantity::Length, numberToText(2 * double(hairpins) * leg));
    const CalcOutcome outcome = exchanger.calculate(contents, RobustSearch::Never);
    if (!outcome.solution)
        throw CalcError(std::to_string(hairpins) + " hairpins could not be solved: " + outcome.message);
    const ResultRecord& r = outcome.solution->record;
    const CaseAnalysis a = analyseCase(*outcome.solution, 0);
    if (!a.details)
        throw CalcError("the return bends cannot be computed: " + a.detailsMissing);
    HairpinNetwork n;
    n.arrangement = {hairpins, leg, std::nullopt, 1};
    n.duty = r.q;
    n.surface = r.A;
    n.meanU = r.U;
    n.meanCleanU = a.details->resistances.cleanU;
    const auto side = [&](Side which) {
        const bool in = which == Side::Internal;
        NetworkSide s;
        s.inletTemperature = in ? r.intTin : r.estTin;
        s.outletTemperature = in ? r.intTout : r.estTout;
        s.massFlow = in ? r.intPort : r.estPort;
        s.velocity = in ? r.intVel : r.estVel;
        s.pipePressureDrop = in ? r.intDeltaP : r.estDeltaP;
        s.bends = returnBends(hairpins, in ? a.details->internal : a.details->external);
        return s;
    };
    n.internal = side(Side::Internal);
    n.external = side(Side::External);
    for (const Warning& w : a.warnings)
        n.warnings.push_back({w, {}});
    n.passes = n.calculations = 1;
    return n;
}

/**
 * All in series: Calculate at the target duty gives the required length, laid out in whole
 * hairpins (hairpinLayout: the excess surface and Kern's allowed fouling); the installed hairpins
 * are then solved as one exchanger at the case's flows and inlets.
 */
void evaluateSeries(Exchanger& exchanger, const CaseContents& contents, const DesignConstraints& k, Design& d)
{
    const CalcOutcome required = exchanger.calculate(contents, RobustSearch::Never);
    if (!required.solution) {
        d.broken = "cannot be solved at the target duty: " + required.message;
        return;
    }
    const CaseAnalysis a = analyseCase(*required.solution, 0);
    if (!a.details) {
        d.broken = "cannot be analysed: " + a.detailsMissing;
        return;
    }
    const HairpinLayout layout = hairpinLayout(required.solution->record, *a.details, k.legLength);
    d.hairpins = layout.hairpins;
    d.requiredSurface = required.solution->record.A;
    d.excess = layout.excess;
    d.allowedFouling = layout.allowedFouling;
    if (d.hairpins > k.maxHairpins) {
        d.broken = "needs " + std::to_string(d.hairpins) + " hairpins, more than the " + std::to_string(k.maxHairpins)
            + " allowed";
        return;
    }
    d.network = seriesNetwork(exchanger, contents, d.hairpins, k.legLength);
}

/**
 * The fewest hairpins, a multiple of the banks, by which a chain of hairpins of the shares of one
 * hairpin at the inlets brings the series stream to its target outlet (Kern's series-parallel
 * relations hold for constant shares); 0 when more than the most allowed would be needed.
 */
long estimatedHairpins(Exchanger& exchanger, const DesignTarget& target, CaseContents contents, Side series,
    const DesignCandidate& c, const DesignConstraints& k)
{
    contents.lengthGiven = true;
    contents.setText(Quantity::Length, numberToText(2 * k.legLength));
    const Side split = opposite(series);
    const Quantity splitFlow = split == Side::Internal ? Quantity::InternalMassFlow : Quantity::ExternalMassFlow;
    contents.setText(splitFlow, numberToText(float(pathFlow(split, target, c))));
    const CalcOutcome probe = exchanger.calculate(contents, RobustSearch::Never);
    if (!probe.solution)
        throw CalcError("one hairpin at the inlets could not be solved: " + probe.message);
    const ResultRecord& r = probe.solution->record;
    const bool seriesInside = series == Side::Internal;
    const double x = seriesInside ? r.intTin : r.estTin, y = seriesInside ? r.estTin : r.intTin;
    const SectionShares shares = sharesOf(r, series, {0.5, 0.5});
    const Side stream = streamOn(series, c);
    for (long hairpins = c.banks; hairpins <= k.maxHairpins; hairpins += c.banks) {
        double seriesAt = x;
        for (long bank = 0; bank < c.banks; ++bank)
            seriesAt = chainBank(std::vector<SectionShares>(std::size_t(hairpins / c.banks), shares), seriesAt, y,
                contents.counterCurrent)
                           .seriesOutlet;
        if (reaches(seriesAt, x, target.outlet[index(stream)]))
            return hairpins;
    }
    return 0;
}

/**
 * One side split into banks: the fewest hairpins, a multiple of the banks, whose network delivers
 * the target duty, from the estimate of constant shares up or down one bank's hairpins at a time.
 * The required surface takes the arrangement's mean temperature difference as a fixed share of a
 * reference one: A_req = A Q_target LMTD / (Q LMTD_target), LMTD the counter-current log-mean
 * difference of the network's and of the target's terminal temperatures (counter-current also in a
 * co-current case: its end differences never cross, where the banks' mixed outlet may pass the
 * other stream's); Kern's allowed fouling is then 1/U_D - 1/U_C with U_D = U A_req / A.
 */
void evaluateSplit(Exchanger& exchanger, const DesignTarget& target, const CaseContents& contents,
    const DesignConstraints& k, Design& d)
{
    const DesignCandidate& c = d.candidate;
    const Side series = opposite(*c.split);
    long hairpins = estimatedHairpins(exchanger, target, contents, series, c, k);
    if (hairpins == 0) {
        d.broken = "needs more than the " + std::to_string(k.maxHairpins) + " hairpins allowed (estimated)";
        return;
    }
    const auto attempt = [&](long count) {
        return solveHairpins(exchanger, contents, {count, k.legLength, c.split, c.banks});
    };
    const auto solve = [&](long count) {
        NetworkOutcome outcome = attempt(count);
        if (!outcome.network)
            throw CalcError(outcome.message);
        return std::move(*outcome.network);
    };
    const auto delivers = [&](const HairpinNetwork& n) { return n.duty >= target.duty * (1 - kDutyTolerance); };
    HairpinNetwork network = solve(hairpins);
    if (delivers(network)) {
        // Fewer hairpins that cannot be solved are no design: the ones solved stay.
        while (hairpins > c.banks) {
            NetworkOutcome fewer = attempt(hairpins - c.banks);
            if (!fewer.network || !delivers(*fewer.network))
                break;
            hairpins -= c.banks;
            network = std::move(*fewer.network);
        }
    } else {
        while (!delivers(network)) {
            hairpins += c.banks;
            if (hairpins > k.maxHairpins) {
                d.broken = "needs more than the " + std::to_string(k.maxHairpins) + " hairpins allowed";
                return;
            }
            network = solve(hairpins);
        }
    }
    const Side inside = streamOn(Side::Internal, c), outside = streamOn(Side::External, c);
    const double installed = sidesDTML(network.internal.inletTemperature, network.internal.outletTemperature,
        network.external.inletTemperature, network.external.outletTemperature, Configuration::Countercurrent);
    const double wanted = sidesDTML(target.inlet[index(inside)], target.outlet[index(inside)],
        target.inlet[index(outside)], target.outlet[index(outside)], Configuration::Countercurrent);
    d.hairpins = hairpins;
    d.requiredSurface = checked(network.surface * target.duty * installed / (network.duty * wanted));
    d.excess = checked((network.surface / d.requiredSurface - 1) * 100);
    d.allowedFouling = checked(network.surface / (network.meanU * d.requiredSurface) - 1 / network.meanCleanU);
    d.network = std::move(network);
}

} // namespace

Side streamOn(Side side, const DesignCandidate& c) { return c.swapped ? opposite(side) : side; }

TargetOutcome designTarget(Exchanger& exchanger, const CaseContents& contents)
{
    const CalcOutcome own = exchanger.calculate(contents);
    if (!own.solution)
        return {{}, "The case must calculate before a design can be searched: " + own.message};
    const ResultRecord& r = own.solution->record;
    const CaseAnalysis a = analyseCase(*own.solution, 0);
    if (!a.details)
        return {{}, "The case's fluid properties cannot be read: " + a.detailsMissing};
    DesignTarget t;
    t.duty = r.q;
    t.massFlow = {r.intPort, r.estPort};
    t.inlet = {r.intTin, r.estTin};
    t.outlet = {r.intTout, r.estTout};
    t.density = {a.details->internal.rho, a.details->external.rho};
    t.fluid = {contents.text(Quantity::InternalFluid), contents.text(Quantity::ExternalFluid)};
    t.base = contents;
    t.base.apply(own.writeBacks);
    t.base.setFlowMode(FlowMode::BothFlowsGiven);
    t.base.lengthGiven = false;
    t.base.setText(Quantity::Capacity, numberToText(r.q));
    t.base.setText(Quantity::InternalMassFlow, numberToText(r.intPort));
    t.base.setText(Quantity::ExternalMassFlow, numberToText(r.estPort));
    return {std::move(t), {}};
}

std::vector<DesignCandidate> designCandidates(
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints)
{
    std::vector<StandardPipe> pipes;
    for (const StandardPipe& p : catalogue) {
        const bool chosen = constraints.standards.empty()
            || std::find(constraints.standards.begin(), constraints.standards.end(), p.standard)
                != constraints.standards.end();
        const bool known = std::any_of(pipes.begin(), pipes.end(), [&](const StandardPipe& q) {
            return q.standard == p.standard && q.outsideDiameter == p.outsideDiameter && q.thickness == p.thickness;
        });
        if (chosen && !known)
            pipes.push_back(p);
    }
    std::vector<DesignCandidate> candidates;
    for (const StandardPipe& outer : pipes)
        for (const StandardPipe& inner : pipes) {
            const double shell = outer.outsideDiameter - 2 * outer.thickness;
            if (inner.standard != outer.standard || (shell - inner.outsideDiameter) / 2 < kMinimumAnnularGap
                || shell > kMaximumDiameterRatio * inner.outsideDiameter)
                continue;
            for (bool swapped : {false, true})
                candidates.push_back({inner, outer, swapped, std::nullopt, 1});
        }
    return candidates;
}

/**
 * A candidate is first held to the velocity ranges at the target's mean temperatures (no
 * calculation needed: the flows and densities are the target's). All in series it is then solved by
 * evaluateSeries, a split one by evaluateSplit; the solved network is held to the allowed pressure
 * drops (straight pipe and return bends) and again to the velocity ranges.
 */
Design evaluateDesign(Exchanger& exchanger, const DesignTarget& target, const DesignCandidate& candidate,
    const DesignConstraints& constraints)
{
    Design d;
    d.candidate = candidate;
    for (Side side : {Side::Internal, Side::External})
        if (d.broken.empty())
            d.broken = velocityBreak(side, targetVelocity(side, target, candidate), target, candidate, constraints);
    if (!d.broken.empty())
        return d;
    const CaseContents contents = candidateCase(target, candidate);
    try {
        if (candidate.split)
            evaluateSplit(exchanger, target, contents, constraints, d);
        else
            evaluateSeries(exchanger, contents, constraints, d);
        if (!d.network)
            return d;
        d.broken = dropBreak(d, target, constraints);
        for (Side side : {Side::Internal, Side::External})
            if (d.broken.empty())
                d.broken
                    = velocityBreak(side, (side == Side::Internal ? d.network->internal : d.network->external).velocity,
                        target, candidate, constraints);
        if (constraints.estimateCost)
            d.cost = doublePipeCost(d.network->surface);
    } catch (const CalcError& error) {
        d.network.reset();
        d.broken = std::string("cannot be solved: ") + error.what();
    }
    return d;
}

std::vector<Design> evaluatePair(Exchanger& exchanger, const DesignTarget& target, const DesignCandidate& series,
    const DesignConstraints& constraints)
{
    std::vector<Design> designs {evaluateDesign(exchanger, target, series, constraints)};
    // Which sides need splitting is read before the split designs join the list.
    std::array<bool, 2> needsSplit {};
    for (Side side : {Side::Internal, Side::External}) {
        const Side stream = streamOn(side, series);
        const std::optional<HairpinNetwork>& inSeries = designs.front().network;
        needsSplit[index(side)]
            = targetVelocity(side, target, series) > usualRange(side, target.density[index(stream)], constraints).high
            || (inSeries
                && (side == Side::Internal ? inSeries->internal : inSeries->external).pressureDrop()
                    > constraints.allowedPressureDrop[index(stream)]);
    }
    for (Side side : {Side::Internal, Side::External}) {
        if (!needsSplit[index(side)])
            continue;
        const double lowest = usualRange(side, target.density[index(streamOn(side, series))], constraints).low;
        for (long banks = 2; banks <= constraints.maxBanks; ++banks) {
            DesignCandidate banked = series;
            banked.split = side;
            banked.banks = banks;
            designs.push_back(evaluateDesign(exchanger, target, banked, constraints));
            if (designs.back().feasible() || targetVelocity(side, target, banked) < lowest)
                break;
        }
    }
    return designs;
}

void rankDesigns(std::vector<Design>& designs)
{
    std::stable_sort(designs.begin(), designs.end(), [](const Design& a, const Design& b) {
        if (a.feasible() != b.feasible())
            return a.feasible();
        if (!a.feasible())
            return false;
        return std::pair(a.network->surface, a.dropRatio) < std::pair(b.network->surface, b.dropRatio);
    });
    for (Design& d : designs) {
        d.nonDominated = d.feasible() && std::none_of(designs.begin(), designs.end(), [&](const Design& e) {
            return e.feasible() && e.network->surface <= d.network->surface && e.dropRatio <= d.dropRatio
                && (e.network->surface < d.network->surface || e.dropRatio < d.dropRatio);
        });
    }
}

DesignSearch searchDesigns(Exchanger& exchanger, const CaseContents& contents,
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints,
    std::span<Exchanger* const> others)
{
    DesignSearch search;
    exchanger.holdFluidFiles();
    for (Exchanger* other : others)
        other->holdFluidFiles();
    TargetOutcome target = designTarget(exchanger, contents);
    if (!target.target) {
        search.message = std::move(target.message);
        return search;
    }
    search.target = target.target;
    DesignRun run(exchanger, std::move(*target.target), designCandidates(catalogue, constraints), constraints);
    run.evaluateRest(others);
    search.designs = run.designs();
    rankDesigns(search.designs);
    return search;
}

CaseContents designCase(const DesignTarget& target, const Design& design)
{
    CaseContents contents = candidateCase(target, design.candidate);
    contents.lengthGiven = true;
    contents.setText(Quantity::Capacity, "");
    contents.setText(Quantity::Length,
        design.network ? numberToText(2 * double(design.hairpins) * design.network->arrangement.legLength) : "");
    return contents;
}

std::string pairName(const DesignCandidate& candidate)
{
    return candidate.outer.designation + " × " + candidate.inner.designation;
}

std::string arrangementName(const DesignCandidate& candidate)
{
    if (!candidate.split)
        return "all in series";
    return std::string(*candidate.split == Side::Internal ? "pipe" : "annulus") + " in "
        + std::to_string(candidate.banks) + " parallel banks";
}

} // namespace vorlan
