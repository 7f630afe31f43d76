#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/formview.h"

namespace vorlan {

/** A FormView kept in memory, for the batch tool and the tests. */
class MemoryForm : public FormView {
public:
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    bool isSelected(std::string_view option) const override;

    /** Selects or clears an option button. */
    void setSelected(std::string_view option, bool selected = true);

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::set<std::string, std::less<>> m_selected;
};

} // namespace vorlan
