#include "ui/SpellCheckDialog.h"

#include "langtools/SpellChecker.h"
#include "ui/SpellCheckEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace verbalink {

SpellCheckDialog::SpellCheckDialog(const SpellChecker& checker, const QString& text,
                                   QWidget* parent)
    : QDialog(parent), m_editor(new SpellCheckEdit(checker, this)),
      m_send(new QPushButton(QStringLiteral("Send"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this)),
      m_check(new QPushButton(QStringLiteral("Check"), this)), m_lineBreaks(text), m_result(text)
{
    setWindowTitle(u"Verbalink Spellcheck (" + checker.dictionaryName() + u')');
    // Above the chat window, which is in front while the user is typing.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_send);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_check);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(
        new QLabel(QStringLiteral("( mark wrong word and press CTRL-TAB  to replace it )"), this));
    layout->addLayout(buttons);
    resize(460, 240);

    m_send->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    m_check->setAutoDefault(false);
    connect(m_send, &QPushButton::clicked, this, [this] {
        readBack();
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_check, &QPushButton::clicked, this, [this] {
        readBack();
        m_editor->underline();
    });
    m_editor->setCheckedText(text);
}

void SpellCheckDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
    m_editor->setFocus();
}

void SpellCheckDialog::readBack()
{
    // The whole text: a long message must not lose its end for a corrected word. The raw text
    // keeps what the plain text would change (line breaks, no-break spaces), so a message the
    // user left alone comes back exactly as it was.
    m_result = m_lineBreaks.toMessage(m_editor->document()->toRawText());
}

} // namespace verbalink
