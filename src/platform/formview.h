#pragma once

#include <string>
#include <string_view>

namespace vorlan {

/**
 * The main window's named controls as the calculation sees them: the text of a box or combo
 * ("Text1", "Combo4", ...) and whether an option button ("Option5", ...) is selected.
 * The calculation re-reads a text whenever it needs the value; nothing is cached.
 */
class FormView {
public:
    virtual ~FormView() = default;

    /** The text of the named box; an unknown name gives the empty text. */
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual bool isSelected(std::string_view option) const = 0;
};

} // namespace vorlan
