#include "properties/fluidlibrary.h"

namespace vorlan {

const std::vector<FluidGroup>& fluidLibrary()
{
    static const std::vector<FluidGroup> groups = {
        {"Refrigerants",
            {"Ammonia liquid", "Ammonia s.h. vapor", "R22 liquid", "R22 s.h. vapor", "R32 liquid", "R32 s.h. vapor",
                "R407C liquid", "R407C s.h. vapor", "R507A liquid", "R507A s.h. vapor", "R1234yf liquid",
                "R1234yf s.h. vapor", "R1234ze(E) liquid", "R1234ze(E) s.h. vapor", "Propane liquid",
                "Propane s.h. vapor", "Isobutane liquid", "Isobutane s.h. vapor"}},
        {"Hydrocarbons and solvents",
            {"Benzene", "Toluene", "p-Xylene", "Ethylbenzene", "Cyclohexane", "n-Pentane", "n-Hexane", "n-Heptane",
                "n-Octane", "n-Decane", "n-Dodecane", "Ethanol"}},
        {"Gases and steam", {"Steam", "Argon", "Helium", "Hydrogen", "Methane", "Oxygen"}},
        {"Heat-transfer oils",
            {"Therminol 66", "Therminol VP-1", "Therminol D12", "Dowtherm J", "Dowtherm Q", "Syltherm 800"}},
        {"Aqueous solutions",
            {"Ethylene Glycol 20%", "Ethylene Glycol 40%", "Ethylene Glycol 50%", "Propylene Glycol 20%",
                "Propylene Glycol 40%", "Propylene Glycol 50%", "Ethanol 20%", "Calcium Chloride 20%",
                "Sodium Chloride 15%", "Potassium Formate 40%", "Seawater 3.5%"}},
    };
    return groups;
}

std::string_view libraryGroupOf(std::string_view fluid)
{
    for (const FluidGroup& group : fluidLibrary())
        for (const std::string_view name : group.fluids)
            if (name == fluid)
                return group.heading;
    return {};
}

} // namespace vorlan
