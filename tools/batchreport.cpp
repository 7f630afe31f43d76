#include "batchreport.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "calc/casefile.h"

namespace vorlan {

namespace {

std::string quoted(const std::string& text) { return jsonText(nlohmann::json(text)); }

/** Shortest text that reads back to the same float or double. */
template <typename T> std::string exact(T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

class JsonObject {
public:
    template <typename T> JsonObject& number(const char* key, T value) { return raw(key, exact(value)); }
    JsonObject& text(const char* key, const std::string& value) { return raw(key, quoted(value)); }
    JsonObject& raw(const std::string& key, const std::string& json)
    {
        m_text += (m_text.empty() ? "{" : ", ") + quoted(key) + ": " + json;
        return *this;
    }
    std::string str() const { return m_text.empty() ? "{}" : m_text + "}"; }

private:
    std::string m_text;
};

std::string recordJson(const ResultRecord& r)
{
    return JsonObject()
        .number("q", r.q)
        .number("A", r.A)
        .number("L", r.L)
        .number("U", r.U)
        .text("controequi", r.controequi)
        .number("deti", r.deti)
        .number("spi", r.spi)
        .number("dete", r.dete)
        .number("spe", r.spe)
        .text("mat", r.mat)
        .text("intfluid", r.intfluid)
        .text("estfluid", r.estfluid)
        .number("intpress", r.intpress)
        .number("estpress", r.estpress)
        .number("intTin", r.intTin)
        .number("intTout", r.intTout)
        .number("estTin", r.estTin)
        .number("estTout", r.estTout)
        .number("intPort", r.intPort)
        .number("estPort", r.estPort)
        .number("intVel", r.intVel)
        .number("estVel", r.estVel)
        .number("intDeltaP", r.intDeltaP)
        .number("estDeltaP", r.estDeltaP)
        .number("intSporc", r.intSporc)
        .number("estSporc", r.estSporc)
        .number("Rei", r.Rei)
        .number("Ree", r.Ree)
        .str();
}

std::string rootsJson(const std::vector<RobustRoot>& roots)
{
    std::string list;
    for (const RobustRoot& root : roots)
        list += (list.empty() ? "" : ", ")
            + JsonObject()
                  .number("duty", root.q)
                  .number("length", root.L)
                  .number("U", root.U)
                  .number("internalOutletTemperature", root.intTout)
                  .number("externalOutletTemperature", root.estTout)
                  .number("internalMassFlow", root.intPort)
                  .number("externalMassFlow", root.estPort)
                  .text("internalFlow", flowRegimeName(root.reInt))
                  .text("externalFlow", flowRegimeName(root.reEst))
                  .raw("atPinch", root.atPinch ? "true" : "false")
                  .str();
    return "[" + list + "]";
}

std::string robustJson(const RobustAnswer& answer)
{
    JsonObject robust;
    robust.raw("ok", answer.record ? "true" : "false");
    if (!answer.record)
        return robust.text("reason", answer.solution.reason).str();
    JsonObject written;
    for (const WriteBack& writeBack : answer.writeBacks)
        written.text(caseKeyOf(writeBack.box).c_str(), writeBack.text);
    return robust.raw("writeBack", written.str())
        .raw("record", recordJson(*answer.record))
        .raw("roots", rootsJson(answer.solution.roots))
        .str();
}

} // namespace

std::string batchReport(const std::string& casePath, const CalcOutcome& outcome, const JsonKeys& more)
{
    JsonObject written;
    for (const WriteBack& writeBack : outcome.writeBacks)
        written.text(caseKeyOf(writeBack.box).c_str(), writeBack.text);
    JsonObject line;
    line.text("case", casePath).raw("ok", outcome.record ? "true" : "false");
    if (!outcome.record)
        line.text("message", outcome.message).text("detail", outcome.detail);
    line.raw("writeBack", written.str());
    if (outcome.record)
        line.raw("record", recordJson(*outcome.record));
    if (outcome.record && outcome.robust)
        line.raw("roots", rootsJson(outcome.robust->solution.roots));
    else if (outcome.robust)
        line.raw("robust", robustJson(*outcome.robust));
    for (const auto& [key, json] : more)
        line.raw(key, json);
    return line.str();
}

} // namespace vorlan
