#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc/flowmode.h"
#include "calc/quantity.h"
#include "properties/userfluid.h"

namespace vorlan {

/** A solved value written into the box of its quantity, as the window shows it (decimal comma). */
struct WriteBack {
    Quantity quantity;
    std::string text;

    bool operator==(const WriteBack&) const = default;
};

/** A solved value for its quantity, rounded half to even to the given decimals. */
WriteBack writtenValue(Quantity quantity, float value, int decimals);
WriteBack writtenValue(Quantity quantity, double value, int decimals);

/**
 * A case as the window holds it and a case file stores it: the text of every quantity exactly as
 * typed (decimal comma) and the four choices of the window, taken once before a calculation starts.
 */
struct CaseContents {
    std::array<std::string, kQuantityCount> texts;
    bool internalOutletGiven = true; ///< otherwise the internal mass flow is given
    bool externalOutletGiven = false; ///< only when the internal mass flow is given; otherwise its mass flow
    bool lengthGiven = true; ///< otherwise the capacity is given
    bool counterCurrent = true; ///< otherwise co-current
    /**
     * The fluid "User defined" the case was saved with, when a fluid box reads it; none in a case
     * saved without it. Not part of what the window shows: two cases are the same by their boxes.
     */
    std::optional<UserFluid> userFluid;
    /**
     * The tables of the user's own fluids the case carries, so that it can be calculated where
     * those fluids are missing: by fluid name, each the text of the fluid's file. Not part of what
     * the window shows either.
     */
    std::map<std::string, std::string> fluidTables;

    const std::string& text(Quantity quantity) const { return texts[static_cast<std::size_t>(quantity)]; }
    void setText(Quantity quantity, std::string text) { texts[static_cast<std::size_t>(quantity)] = std::move(text); }

    /** Which side's outlet is given: the internal one first, then the external one. */
    FlowMode flowMode() const
    {
        return internalOutletGiven ? FlowMode::InternalOutletGiven
            : externalOutletGiven  ? FlowMode::ExternalOutletGiven
                                   : FlowMode::BothFlowsGiven;
    }
    /** Sets the choices that give the flow mode. */
    void setFlowMode(FlowMode flow)
    {
        internalOutletGiven = flow == FlowMode::InternalOutletGiven;
        externalOutletGiven = flow == FlowMode::ExternalOutletGiven;
    }

    /** Writes solved values into their quantities' texts, in order. */
    void apply(const std::vector<WriteBack>& writeBacks);
};

} // namespace vorlan
