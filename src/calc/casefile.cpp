#include "calc/casefile.h"

#include <algorithm>
#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"
#include "platform/textfile.h"
#include "properties/fluidname.h"
#include "properties/fluidtable.h"

namespace vorlan {

namespace {

using Json = nlohmann::ordered_json;

constexpr char kFormat[] = "vorlan-case";
constexpr int kVersion = 1;
constexpr std::uintmax_t kMaxCaseFileSize = 1024 * 1024;
// A case nests two levels (the document and its sections); anything much deeper is no case, and
// very deep values would exhaust the stack when they are copied.
constexpr int kMaxDepth = 8;

// Every quantity of a case, in the order of the file.
constexpr std::array<Quantity, kQuantityCount> kFileOrder {Quantity::InternalOutsideDiameter,
    Quantity::InternalThickness, Quantity::Material, Quantity::InternalFluid, Quantity::InternalPressure,
    Quantity::InternalInletTemperature, Quantity::InternalOutletTemperature, Quantity::InternalMassFlow,
    Quantity::ExternalOutsideDiameter, Quantity::ExternalThickness, Quantity::ExternalFluid, Quantity::ExternalPressure,
    Quantity::ExternalInletTemperature, Quantity::ExternalOutletTemperature, Quantity::ExternalMassFlow,
    Quantity::Length, Quantity::Capacity, Quantity::InternalFouling, Quantity::ExternalFouling};

/** A choice between two words, stored as the first one's flag. */
struct ChoiceKey {
    const char* section;
    const char* key;
    const char* first;
    const char* second;
    bool CaseContents::*flag;
};

constexpr std::array<ChoiceKey, 4> kChoices {{
    {"internalPipe", "given", "outletTemperature", "massFlow", &CaseContents::internalOutletGiven},
    {"externalPipe", "given", "outletTemperature", "massFlow", &CaseContents::externalOutletGiven},
    {"exchanger", "given", "length", "capacity", &CaseContents::lengthGiven},
    {"exchanger", "configuration", "countercurrent", "equicurrent", &CaseContents::counterCurrent},
}};

constexpr const char* kSections[] = {"internalPipe", "externalPipe", "exchanger", "options"};

// The optional section of the fluid "User defined": its four properties as the Options dialog shows them.
constexpr char kUserFluidSection[] = "userFluid";
constexpr const char* kUserFluidKeys[] = {"density", "specificHeat", "conductivity", "viscosity"};

// The optional section of the tables of the user's fluids the case carries: each fluid's name with its file's text.
constexpr char kFluidTablesSection[] = "fluidTables";

bool isSection(std::string_view name)
{
    return name == kUserFluidSection || name == kFluidTablesSection
        || std::ranges::find(kSections, name) != std::end(kSections);
}

bool isKnownKey(std::string_view section, std::string_view key)
{
    if (section == kFluidTablesSection)
        return true; // fluid names, checked when the section is read
    if (section == kUserFluidSection)
        return std::ranges::find(kUserFluidKeys, key) != std::end(kUserFluidKeys);
    return std::ranges::any_of(kFileOrder,
               [&](Quantity quantity) { return section == caseSectionOf(quantity) && key == caseFieldOf(quantity); })
        || std::ranges::any_of(
            kChoices, [&](const ChoiceKey& choice) { return section == choice.section && key == choice.key; });
}

/** The first unknown key met at the top of a case and in each of its sections, already shortened for a message. */
struct UnknownKeys {
    std::string top;
    std::map<std::string, std::string, std::less<>> inSection;
    std::string arraySection; ///< the first section given as an array, which the parser leaves out
};

class CaseReader {
public:
    CaseReader(const std::string& path, const Json& document)
        : m_path(path)
        , m_document(document)
    { }

    [[noreturn]] void fail(const std::string& key, const std::string& what) const { fail(key + ": " + what); }
    [[noreturn]] void fail(const std::string& what) const { throw CaseFileError(m_path + ": " + what); }

    const Json& section(const char* name) const
    {
        const auto it = m_document.find(name);
        if (it == m_document.end()) {
            if (std::string_view(name) == "options")
                return m_emptySection;
            fail(name, "missing");
        }
        if (!it->is_object())
            fail(name, "must be an object");
        return *it;
    }

    /** The string at section.key; absent options give the default. */
    std::string text(const char* sectionName, const char* key, const char* absent = nullptr) const
    {
        const Json& object = section(sectionName);
        const std::string path = std::string(sectionName) + "." + key;
        const auto it = object.find(key);
        if (it == object.end()) {
            if (absent != nullptr)
                return absent;
            fail(path, "missing");
        }
        if (!it->is_string())
            fail(path, "must be a text in double quotes");
        return it->get<std::string>();
    }

    /** Refuses the first unknown key the parser met, after each section is checked to be an object. */
    void checkNoUnknownKeys(const UnknownKeys& unknown) const
    {
        if (!unknown.top.empty())
            fail(unknown.top, "unknown key");
        if (!unknown.arraySection.empty())
            fail(unknown.arraySection, "must be an object");
        for (const char* name : kSections) {
            section(name);
            const auto key = unknown.inSection.find(name);
            if (key != unknown.inSection.end())
                fail(std::string(name) + "." + key->second, "unknown key");
        }
    }

private:
    std::string m_path;
    const Json& m_document;
    const Json m_emptySection = Json::object();
};

/**
 * Watches the parser: refuses nesting deeper than kMaxDepth and a key given twice in one object,
 * before the value is built. Only the keys and objects of a case are kept in the document: every
 * other key is noted for the message and left out with its value, and every other object or array
 * is left out, as the parser meets them, so that a file of countless keys or values is read as
 * fast as a small one (looking a key up in the document is linear). A value left out under a key
 * of a case is neither a text nor a number, and is refused as such.
 */
class StructureCheck {
public:
    explicit StructureCheck(const std::string& path)
        : m_path(path)
    { }

    const UnknownKeys& unknownKeys() const { return m_unknown; }

    bool operator()(int depth, nlohmann::json::parse_event_t event, Json& parsed)
    {
        using Event = nlohmann::json::parse_event_t;
        const auto level = static_cast<std::size_t>(depth);
        if (event == Event::object_start || event == Event::array_start) {
            if (depth >= kMaxDepth)
                throw CaseFileError(
                    m_path + ": not a case file (values nested deeper than " + std::to_string(kMaxDepth) + " levels)");
            m_keys.resize(level + 1);
            m_keys[level].clear();
            m_names.resize(level + 1);
            if (depth == 1 && event == Event::array_start && isSection(m_names[0]) && m_unknown.arraySection.empty())
                m_unknown.arraySection = m_names[0];
            // The document and its sections are the only objects of a case, and it has no array:
            // any other is left out too (closing a kept one scans the object or array holding it).
            return depth == 0 || (depth == 1 && event == Event::object_start && isSection(m_names[0]));
        } else if (event == Event::key && level >= 1 && level <= m_keys.size()) {
            const std::string& key = parsed.get_ref<const std::string&>();
            m_names[level - 1] = key;
            if (!m_keys[level - 1].insert(key).second)
                throw CaseFileError(m_path + ": " + keyPath(level) + ": the key is given twice");
            return keep(level, key);
        }
        return true;
    }

private:
    /** Whether a key is kept: the keys of the document and of its sections; values deeper hold no key of a case. */
    bool keep(std::size_t level, const std::string& key)
    {
        if (level == 1) {
            const bool known = key == "format" || key == "version" || isSection(key);
            if (!known && m_unknown.top.empty())
                m_unknown.top = excerpt(key);
            return known;
        }
        if (level > 2 || !isSection(m_names[0]))
            return false;
        const bool known = isKnownKey(m_names[0], key);
        if (!known)
            m_unknown.inSection.try_emplace(m_names[0], excerpt(key));
        return known;
    }

    /** The dotted names of the keys down to the given depth, each shortened for a message. */
    std::string keyPath(std::size_t level) const
    {
        std::string path;
        for (std::size_t i = 0; i < level; ++i)
            path += (i > 0 ? "." : "") + excerpt(m_names[i]);
        return path;
    }

    std::string m_path;
    std::vector<std::set<std::string>> m_keys; ///< keys seen in the open object of each depth
    std::vector<std::string> m_names; ///< the last key of each depth
    UnknownKeys m_unknown;
};

/** The JSON document of a case file's bytes, its unknown keys left out and noted in check; throws CaseFileError. */
Json parseCase(const std::string& path, const std::string& bytes, StructureCheck& check)
{
    // The parser takes a NUL byte for the end of the text: what follows it is trailing data too.
    if (bytes.find('\0') != std::string::npos)
        throw CaseFileError(path + ": not a case file (it is not JSON)");
    const Json document = Json::parse(
        bytes,
        [&check](int depth, nlohmann::json::parse_event_t event, Json& parsed) { return check(depth, event, parsed); },
        false);
    if (document.is_discarded())
        throw CaseFileError(path + ": not a case file (it is not JSON)");
    if (!document.is_object())
        throw CaseFileError(path + ": not a case file (a JSON object was expected)");
    return document;
}

/** The section "userFluid": each property a number greater than zero, typed with a decimal comma. */
UserFluid userFluidOf(const CaseReader& reader, const UnknownKeys& unknown)
{
    const std::string section = kUserFluidSection;
    reader.section(kUserFluidSection);
    const auto key = unknown.inSection.find(section);
    if (key != unknown.inSection.end())
        reader.fail(section + "." + key->second, "unknown key");
    const auto positive = [&](const char* name, auto convert) {
        const std::string text = reader.text(kUserFluidSection, name);
        try {
            const auto value = convert(text);
            if (value > 0)
                return value;
        } catch (const CalcError&) { }
        reader.fail(section + "." + name, "must be a number greater than zero");
    };
    return {positive("density", textToSingle), positive("specificHeat", textToSingle),
        positive("conductivity", textToSingle), positive("viscosity", textToDouble)};
}

/**
 * The section "fluidTables": each key the name of a fluid of one of the case's sides, each value
 * the text of that fluid's file, read by the rules of a fluid file: a table that could not be
 * loaded from a file is refused here, before it can reach a calculation or the user's folder.
 */
std::map<std::string, std::string> fluidTablesOf(const CaseReader& reader, const CaseContents& contents)
{
    const std::string section = kFluidTablesSection;
    std::map<std::string, std::string> tables;
    for (const auto& [name, value] : reader.section(kFluidTablesSection).items()) {
        const std::string key = section + "." + excerpt(name);
        if (name != contents.text(Quantity::InternalFluid) && name != contents.text(Quantity::ExternalFluid))
            reader.fail(key, "no side of the case uses this fluid");
        try {
            fluidFilePath(".", name);
        } catch (const CalcError& error) {
            reader.fail(key, error.what());
        }
        if (!value.is_string())
            reader.fail(key, "must be a text in double quotes");
        if (value.get_ref<const std::string&>().size() > kMaxCarriedTable)
            reader.fail(key, "the table is larger than " + std::to_string(kMaxCarriedTable / 1024) + " KB");
        FluidTable table;
        try {
            readFluidTable(table, key, value.get<std::string>());
        } catch (const CalcError& error) {
            reader.fail(error.what()); // it names the key
        }
        tables.emplace(name, value.get<std::string>());
    }
    return tables;
}

/** Refuses a version other than this program's, naming it exactly as the file gives it. */
void checkVersion(const CaseReader& reader, const Json& document)
{
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer())
        reader.fail("version", "must be a whole number");
    // A version beyond the range of a signed number is read unsigned: still a newer one.
    const bool newer = version->is_number_unsigned() ? version->get<std::uint64_t>() > kVersion
                                                     : version->get<std::int64_t>() > kVersion;
    if (newer)
        reader.fail("version", "the file comes from a newer Vorlan (version " + version->dump() + ")");
    if (version->get<std::int64_t>() < kVersion)
        reader.fail("version", "unknown version " + version->dump());
}

} // namespace

CaseContents readCaseFile(const std::string& path)
{
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxCaseFileSize);
    } catch (const CalcError& error) {
        throw CaseFileError(error.what());
    }
    StructureCheck check(path);
    const Json document = parseCase(path, bytes, check);
    CaseReader reader(path, document);

    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != kFormat)
        reader.fail("format", std::string("must be \"") + kFormat + "\"");
    checkVersion(reader, document);
    reader.checkNoUnknownKeys(check.unknownKeys());

    CaseContents contents;
    for (const Quantity quantity : kFileOrder) {
        const char* section = caseSectionOf(quantity);
        const bool option = std::string_view(section) == "options";
        contents.setText(quantity, reader.text(section, caseFieldOf(quantity), option ? "0" : nullptr));
    }
    for (const ChoiceKey& choice : kChoices) {
        const std::string word = reader.text(choice.section, choice.key);
        if (word != choice.first && word != choice.second)
            reader.fail(std::string(choice.section) + "." + choice.key,
                std::string("must be \"") + choice.first + "\" or \"" + choice.second + "\"");
        contents.*choice.flag = word == choice.first;
    }
    if (contents.internalOutletGiven && contents.externalOutletGiven)
        reader.fail("externalPipe.given", "the outlet temperatures of both sides cannot be given at once");
    if (document.contains(kUserFluidSection))
        contents.userFluid = userFluidOf(reader, check.unknownKeys());
    if (document.contains(kFluidTablesSection))
        contents.fluidTables = fluidTablesOf(reader, contents);
    return contents;
}

void writeCaseFile(const std::string& path, const CaseContents& contents)
{
    Json document = {{"format", kFormat}, {"version", kVersion}};
    for (const char* section : kSections)
        document[section] = Json::object();
    for (const Quantity quantity : kFileOrder)
        document[caseSectionOf(quantity)][caseFieldOf(quantity)] = contents.text(quantity);
    for (const ChoiceKey& choice : kChoices)
        document[choice.section][choice.key] = contents.*choice.flag ? choice.first : choice.second;
    if (const auto& fluid = contents.userFluid) {
        document[kUserFluidSection]
            = {{"density", numberToText(fluid->density)}, {"specificHeat", numberToText(fluid->specificHeat)},
                {"conductivity", numberToText(fluid->conductivity)}, {"viscosity", numberToText(fluid->viscosity)}};
    }
    for (const auto& [name, text] : contents.fluidTables)
        document[kFluidTablesSection][name] = text;
    try {
        // Invalid UTF-8 in a text is written replaced rather than refused.
        writeFileAtomically(path, document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n");
    } catch (const CalcError& error) {
        throw CaseFileError(error.what());
    }
}

} // namespace vorlan
