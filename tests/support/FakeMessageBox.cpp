#include "FakeMessageBox.h"

namespace verbalink::test {

void FakeMessageBox::showMessage(const QString& text, const QString& caption, Icon icon)
{
    std::lock_guard lock(m_mutex);
    m_boxes.append({text, caption, false, icon});
}

bool FakeMessageBox::askYesNo(const QString& text, const QString& caption, Icon icon)
{
    std::lock_guard lock(m_mutex);
    m_boxes.append({text, caption, true, icon});
    return m_answer;
}

void FakeMessageBox::setAnswer(bool yes)
{
    std::lock_guard lock(m_mutex);
    m_answer = yes;
}

QList<FakeMessageBox::Box> FakeMessageBox::boxes() const
{
    std::lock_guard lock(m_mutex);
    return m_boxes;
}

} // namespace verbalink::test
