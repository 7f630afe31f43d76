#pragma once

#include <map>
#include <optional>
#include <string>

#include "calc/casecontents.h"
#include "correlations/configuration.h"
#include "platform/calcerror.h"

namespace vorlan {

/**
 * A number typed for a quantity, in the precision the calculation reads it (float or double). It is
 * converted when the calculation reads it, so that the case's faults are reported in the order they
 * are met and a mode does not pay for the quantities it does not read.
 */
template <typename T> class TypedNumber {
public:
    TypedNumber() = default;
    TypedNumber(Quantity quantity, std::string text)
        : m_quantity(quantity)
        , m_text(std::move(text))
    { }

    /** The number; a text that is none throws CalcError, naming the quantity by its label. */
    T value() const;
    /** The text as typed. */
    const std::string& text() const { return m_text; }

private:
    Quantity m_quantity = Quantity::Length;
    std::string m_text;
};

/** A pipe's dimensions as typed [mm]. */
struct PipeInput {
    TypedNumber<float> outsideDiameter;
    TypedNumber<float> thickness;
};

/** One side's stream: its fluid, pressure [bar], temperatures [°C], flow [kg/s] and fouling [(m² K)/W]. */
struct StreamInput {
    std::string fluid;
    /** The pressure; its text is what selects the block of the fluid's table at every lookup. */
    TypedNumber<float> pressure;
    TypedNumber<double> inletTemperature;
    TypedNumber<double> outletTemperature;
    TypedNumber<float> massFlow;
    TypedNumber<double> fouling;
};

/** A case as the calculation reads it: each quantity typed, the choices as modes. */
struct CaseInput {
    PipeInput internalPipe;
    PipeInput externalPipe;
    std::string material;
    StreamInput internal;
    StreamInput external;
    TypedNumber<float> length; ///< [m]
    TypedNumber<float> capacity; ///< [kW]
    FlowMode flow = FlowMode::InternalOutletGiven;
    bool lengthGiven = true; ///< otherwise the capacity is given
    Configuration configuration = Configuration::Countercurrent;
    std::map<std::string, std::string> fluidTables; ///< see CaseContents::fluidTables

    const StreamInput& stream(Side side) const { return side == Side::Internal ? internal : external; }
};

/** The case of the texts of its quantities and its choices; never throws for a text that is no number. */
CaseInput readCaseInput(const CaseContents& contents);

} // namespace vorlan
