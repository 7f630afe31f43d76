#include "studies/hairpinchain.h"

#include "platform/calcerror.h"

namespace vorlan {

BankChain chainBank(
    const std::vector<SectionShares>& shares, double seriesInlet, double otherInlet, bool counterCurrent)
{
    for (const SectionShares& s : shares)
        if (!(s.series >= 0 && s.series <= 1 && s.other >= 0 && s.other <= 1) || (s.series == 1 && s.other == 1))
            throw CalcError("a hairpin changes its streams by more than their inlet difference");
    BankChain chain;
    chain.inlets.resize(shares.size());
    if (shares.empty()) {
        chain.seriesOutlet = seriesInlet;
        chain.otherOutlet = otherInlet;
        return chain;
    }
    if (!counterCurrent) {
        double x = seriesInlet, y = otherInlet;
        for (std::size_t k = 0; k < shares.size(); ++k) {
            chain.inlets[k] = {x, y};
            const double difference = x - y;
            x -= shares[k].series * difference;
            y += shares[k].other * difference;
        }
        chain.seriesOutlet = x;
        chain.otherOutlet = y;
        return chain;
    }
    // Forward: x_k = alpha_k + beta_k w_k, w_k the other stream leaving section k. With
    // w_k = (1 - b) y_k + b x_k, x_k = (alpha + beta (1 - b) y_k) / (1 - beta b), and
    // x_{k+1} = (1 - a) x_k + a y_k, y_k being w_{k+1}.
    std::vector<double> alpha(shares.size()), beta(shares.size());
    double a0 = seriesInlet, b0 = 0;
    for (std::size_t k = 0; k < shares.size(); ++k) {
        alpha[k] = a0;
        beta[k] = b0;
        const auto [a, b] = shares[k];
        const double d = 1 - b0 * b;
        a0 = (1 - a) * a0 / d;
        b0 = (1 - a) * b0 * (1 - b) / d + a;
    }
    // Back: the other stream enters the last section at its inlet.
    double y = otherInlet;
    for (std::size_t k = shares.size(); k-- > 0;) {
        const auto [a, b] = shares[k];
        const double x = (alpha[k] + beta[k] * (1 - b) * y) / (1 - beta[k] * b);
        chain.inlets[k] = {x, y};
        if (k + 1 == shares.size())
            chain.seriesOutlet = x - a * (x - y);
        y += b * (x - y);
    }
    chain.otherOutlet = y;
    return chain;
}

} // namespace vorlan
