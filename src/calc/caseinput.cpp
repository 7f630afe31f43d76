#include "calc/caseinput.h"

#include "platform/numbertext.h"

namespace vorlan {

namespace {

float converted(std::string_view text, float*) { return textToSingle(text); }
double converted(std::string_view text, double*) { return textToDouble(text); }

} // namespace

template <typename T> T TypedNumber<T>::value() const
{
    try {
        return converted(m_text, static_cast<T*>(nullptr));
    } catch (const CalcError& error) {
        throw CalcError(std::string(labelOf(m_quantity)) + ": " + error.what(), error.message());
    }
}

template class TypedNumber<float>;
template class TypedNumber<double>;

CaseInput readCaseInput(const CaseContents& contents)
{
    const auto single = [&](Quantity q) { return TypedNumber<float>(q, contents.text(q)); };
    const auto twice = [&](Quantity q) { return TypedNumber<double>(q, contents.text(q)); };
    CaseInput input;
    input.internalPipe = {single(Quantity::InternalOutsideDiameter), single(Quantity::InternalThickness)};
    input.externalPipe = {single(Quantity::ExternalOutsideDiameter), single(Quantity::ExternalThickness)};
    input.material = contents.text(Quantity::Material);
    input.internal = {contents.text(Quantity::InternalFluid), single(Quantity::InternalPressure),
        twice(Quantity::InternalInletTemperature), twice(Quantity::InternalOutletTemperature),
        single(Quantity::InternalMassFlow), twice(Quantity::InternalFouling)};
    input.external = {contents.text(Quantity::ExternalFluid), single(Quantity::ExternalPressure),
        twice(Quantity::ExternalInletTemperature), twice(Quantity::ExternalOutletTemperature),
        single(Quantity::ExternalMassFlow), twice(Quantity::ExternalFouling)};
    input.length = single(Quantity::Length);
    input.capacity = single(Quantity::Capacity);
    input.flow = contents.flowMode();
    input.lengthGiven = contents.lengthGiven;
    input.configuration = contents.counterCurrent ? Configuration::Countercurrent : Configuration::Cocurrent;
    input.fluidTables = contents.fluidTables;
    return input;
}

} // namespace vorlan
