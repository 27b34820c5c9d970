#pragma once

#include "platform/MessageBoxPort.h"

#include <QList>
#include <mutex>

namespace verbalink::test {

// Records every box; Yes/No questions get a preset answer.
class FakeMessageBox final : public MessageBoxPort {
public:
    struct Box {
        QString text;
        QString caption;
        bool question = false;
        Icon icon = Icon::None;
    };

    void showMessage(const QString& text, const QString& caption, Icon icon) override;
    bool askYesNo(const QString& text, const QString& caption, Icon icon) override;

    void setAnswer(bool yes);
    QList<Box> boxes() const;

private:
    mutable std::mutex m_mutex;
    QList<Box> m_boxes;
    bool m_answer = false;
};

} // namespace verbalink::test
