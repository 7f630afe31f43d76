// Window text to number and back: any text converts or throws CalcError, and a number's text
// always reads back to a number with the same text.
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace {

template <typename T> void checkRoundTrip(T value, T (*read)(std::string_view))
{
    if (!std::isfinite(value))
        std::abort();
    const std::string text = vorlan::numberToText(value);
    if (vorlan::numberToText(read(text)) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        checkRoundTrip(vorlan::textToDouble(text), &vorlan::textToDouble);
    } catch (const vorlan::CalcError&) { }
    try {
        const float value = vorlan::textToSingle(text);
        checkRoundTrip(value, &vorlan::textToSingle);
        checkRoundTrip(vorlan::roundHalfEven(value, 3), &vorlan::textToSingle);
    } catch (const vorlan::CalcError&) { }
    return 0;
}
