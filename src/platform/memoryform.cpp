#include "platform/memoryform.h"

namespace vorlan {

std::string MemoryForm::text(std::string_view control) const
{
    const auto it = m_texts.find(control);
    return it == m_texts.end() ? std::string() : it->second;
}

void MemoryForm::setText(std::string_view control, std::string_view text) { m_texts[std::string(control)] = text; }

bool MemoryForm::isSelected(std::string_view option) const { return m_selected.contains(option); }

void MemoryForm::setSelected(std::string_view option, bool selected)
{
    if (selected)
        m_selected.emplace(option);
    else if (const auto it = m_selected.find(option); it != m_selected.end())
        m_selected.erase(it);
}

} // namespace vorlan
