#include "app/menu/MenuItem.h"

#include <algorithm>
#include <utility>

namespace verbalink {

MenuItem::MenuItem(Kind kind, int commandId, const QString& text)
    : m_kind(kind), m_commandId(commandId), m_text(text)
{}

std::unique_ptr<MenuItem> MenuItem::command(int commandId, const QString& text)
{
    return std::unique_ptr<MenuItem>(new MenuItem(Kind::Command, commandId, text));
}

std::unique_ptr<MenuItem> MenuItem::separator(int commandId)
{
    return std::unique_ptr<MenuItem>(new MenuItem(Kind::Separator, commandId, QString()));
}

std::unique_ptr<MenuItem> MenuItem::submenu(const QString& text)
{
    return std::unique_ptr<MenuItem>(new MenuItem(Kind::Submenu, 0, text));
}

const MenuItem* MenuItem::child(int position) const
{
    if (position < 0 || position >= childCount())
        return nullptr;
    return m_children[static_cast<size_t>(position)].get();
}

MenuItem* MenuItem::child(int position)
{
    return const_cast<MenuItem*>(std::as_const(*this).child(position));
}

int MenuItem::indexOf(const MenuItem* item) const
{
    for (int i = 0; i < childCount(); ++i) {
        if (m_children[static_cast<size_t>(i)].get() == item)
            return i;
    }
    return -1;
}

void MenuItem::appendChild(std::unique_ptr<MenuItem> item)
{
    if (!isSubmenu() || !item)
        return;
    item->m_parent = this;
    m_children.push_back(std::move(item));
}

int MenuItem::removeAppendedChildren()
{
    const auto before = m_children.size();
    std::erase_if(m_children, [](const auto& item) { return item->isAppended(); });
    return static_cast<int>(before - m_children.size());
}

} // namespace verbalink
