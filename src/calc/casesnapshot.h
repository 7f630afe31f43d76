#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/controls.h"

namespace vorlan {

/** A solved value written into a box, as the window shows it (decimal comma). */
struct WriteBack {
    Box box;
    std::string text;

    bool operator==(const WriteBack&) const = default;
};

/** A solved value for its box, rounded half to even to the given decimals. */
WriteBack writtenValue(Box box, float value, int decimals);
WriteBack writtenValue(Box box, double value, int decimals);

/**
 * A case as the Calculate command reads it: the text of every box and which option buttons are
 * selected, taken once from the window (or a case file) before the calculation starts. Names are
 * checked: an unknown control name throws std::invalid_argument.
 */
class CaseSnapshot {
public:
    const std::string& text(Box box) const { return m_texts[static_cast<std::size_t>(box)]; }
    const std::string& text(std::string_view name) const { return text(boxNamed(name)); }
    void setText(Box box, std::string text) { m_texts[static_cast<std::size_t>(box)] = std::move(text); }
    void setText(std::string_view name, std::string text) { setText(boxNamed(name), std::move(text)); }

    bool isSelected(Option option) const { return m_selected[static_cast<std::size_t>(option)]; }
    bool isSelected(std::string_view name) const { return isSelected(optionNamed(name)); }
    void setSelected(Option option, bool selected = true) { m_selected[static_cast<std::size_t>(option)] = selected; }
    void setSelected(std::string_view name, bool selected = true) { setSelected(optionNamed(name), selected); }

    /** Writes solved values into their boxes, in order. */
    void apply(const std::vector<WriteBack>& writeBacks);

private:
    std::array<std::string, kBoxCount> m_texts;
    std::array<bool, kOptionCount> m_selected {};
};

} // namespace vorlan
