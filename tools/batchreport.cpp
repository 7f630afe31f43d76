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

/** The record under the case file's sections and words, in the results window's units. */
std::string recordJson(const ResultRecord& r)
{
    const std::string internalPipe = JsonObject()
                                         .number("outsideDiameter", r.deti)
                                         .number("thickness", r.spi)
                                         .text("material", r.mat)
                                         .text("fluid", r.intfluid)
                                         .number("pressure", r.intpress)
                                         .number("inletTemperature", r.intTin)
                                         .number("outletTemperature", r.intTout)
                                         .number("massFlow", r.intPort)
                                         .number("velocity", r.intVel)
                                         .number("pressureDrop", r.intDeltaP)
                                         .number("fouling", r.intSporc)
                                         .number("reynolds", r.Rei)
                                         .str();
    const std::string externalPipe = JsonObject()
                                         .number("outsideDiameter", r.dete)
                                         .number("thickness", r.spe)
                                         .text("fluid", r.estfluid)
                                         .number("pressure", r.estpress)
                                         .number("inletTemperature", r.estTin)
                                         .number("outletTemperature", r.estTout)
                                         .number("massFlow", r.estPort)
                                         .number("velocity", r.estVel)
                                         .number("pressureDrop", r.estDeltaP)
                                         .number("fouling", r.estSporc)
                                         .number("reynolds", r.Ree)
                                         .str();
    const std::string exchanger
        = JsonObject()
              .number("capacity", r.q)
              .number("area", r.A)
              .number("length", r.L)
              .number("U", r.U)
              .text("configuration", r.configuration == Configuration::Countercurrent ? "countercurrent" : "cocurrent")
              .str();
    return JsonObject()
        .raw("internalPipe", internalPipe)
        .raw("externalPipe", externalPipe)
        .raw("exchanger", exchanger)
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
    robust.raw("ok", answer.solved ? "true" : "false");
    if (!answer.solved)
        return robust.text("reason", answer.solution.reason).str();
    JsonObject written;
    for (const WriteBack& writeBack : answer.writeBacks)
        written.text(caseKeyOf(writeBack.quantity).c_str(), writeBack.text);
    return robust.raw("writeBack", written.str())
        .raw("record", recordJson(answer.solved->record))
        .raw("roots", rootsJson(answer.solution.roots))
        .str();
}

} // namespace

std::string batchReport(const std::string& casePath, const CalcOutcome& outcome, const JsonKeys& more)
{
    JsonObject written;
    for (const WriteBack& writeBack : outcome.writeBacks)
        written.text(caseKeyOf(writeBack.quantity).c_str(), writeBack.text);
    JsonObject line;
    line.text("case", casePath).raw("ok", outcome.solution ? "true" : "false");
    if (!outcome.solution)
        line.text("message", outcome.message).text("detail", outcome.detail);
    line.raw("writeBack", written.str());
    if (outcome.solution)
        line.raw("record", recordJson(outcome.solution->record));
    if (outcome.solution && outcome.robust)
        line.raw("roots", rootsJson(outcome.robust->solution.roots));
    else if (outcome.robust)
        line.raw("robust", robustJson(*outcome.robust));
    for (const auto& [key, json] : more)
        line.raw(key, json);
    return line.str();
}

} // namespace vorlan
