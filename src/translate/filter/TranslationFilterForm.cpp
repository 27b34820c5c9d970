#include "translate/filter/TranslationFilterForm.h"

#include "platform/MessageBoxPort.h"
#include "translate/filter/TranslationFilter.h"
#include "translate/filter/TranslationRuleLanguages.h"

namespace verbalink {

namespace {

const auto SelectFirstText = u"Please, first select an user from the list!";

} // namespace

TranslationFilterForm::TranslationFilterForm(TranslationFilter& filter,
                                             TranslationFilterStore store, Contacts contacts,
                                             MessageBoxPort& boxes)
    : m_filter(filter), m_store(std::move(store)), m_contacts(std::move(contacts)), m_boxes(boxes)
{}

void TranslationFilterForm::open(const QStringList& contactEntries)
{
    m_open = true;
    m_contactEntries = contactEntries;
    m_lines.clear();
    for (const TranslationRule& rule : m_filter.rules())
        m_lines.append(lineFor(rule));
}

QString TranslationFilterForm::lineFor(const TranslationRule& rule)
{
    QString user = rule.displayText;
    if (user.isEmpty()) {
        user = m_contacts.displayNameOf(rule.handle);
        if (!user.isEmpty())
            m_filter.setDisplayText(rule.handle, user);
        else
            user = rule.handle;
    }
    return user + QStringView(LineSeparator) + TranslationRuleLanguages::nameOf(rule.code);
}

bool TranslationFilterForm::add(const QString& contactText)
{
    const QString text = contactText.left(MaxUserText);
    const QString handle = m_contacts.handleFor(text);
    const QString excluded = QString::fromUtf16(ExcludedLanguageCode);
    if (!m_filter.addRule({text, handle, excluded}))
        return false;
    m_lines.append(text + QStringView(LineSeparator) + TranslationRuleLanguages::nameOf(excluded));
    return true;
}

bool TranslationFilterForm::remove(qsizetype row)
{
    if (!validRow(row)) {
        askForSelection();
        return false;
    }
    m_filter.removeByText(userTextOf(m_lines.at(row)));
    m_lines.removeAt(row);
    return true;
}

void TranslationFilterForm::removeAll()
{
    m_lines.clear();
    m_filter.clear();
}

std::optional<TranslationRuleEditForm> TranslationFilterForm::beginEdit(qsizetype row) const
{
    if (!validRow(row)) {
        askForSelection();
        return std::nullopt;
    }
    const QString& line = m_lines.at(row);
    const qsizetype index = TranslationRuleLanguages::indexOfName(languageNameOf(line));
    const QString code = index < 0 ? QString::fromUtf16(ExcludedLanguageCode)
                                   : TranslationRuleLanguages::entries().at(index).code;
    return TranslationRuleEditForm(userTextOf(line), code);
}

bool TranslationFilterForm::finishEdit(qsizetype row, const TranslationRuleEditForm& edit)
{
    if (edit.result() != TranslationRuleEditForm::Applied || !validRow(row))
        return false;
    // The rule is found by the line's own text, as Remove finds it, so a rule whose contact
    // has left the contact list can still be edited.
    const QString user = userTextOf(m_lines.at(row));
    if (!m_filter.setLanguageByText(user, edit.chosenCode()))
        return false;
    m_lines.removeAt(row);
    m_lines.append(user + QStringView(LineSeparator) + edit.chosenName());
    return true;
}

TranslationFilterForm::CloseResult TranslationFilterForm::close()
{
    CloseResult result;
    result.menuChecked = !m_filter.isEmpty();
    result.saved = m_filter.save(m_store);
    m_open = false;
    return result;
}

QString TranslationFilterForm::userTextOf(const QString& line)
{
    const qsizetype at = line.indexOf(QStringView(LineSeparator));
    return at > 0 ? line.left(at) : line;
}

QString TranslationFilterForm::languageNameOf(const QString& line)
{
    const qsizetype at = line.indexOf(QStringView(LineSeparator));
    return at < 0 ? QString() : line.mid(at + QStringView(LineSeparator).size());
}

void TranslationFilterForm::askForSelection() const
{
    m_boxes.showMessage(QString::fromUtf16(SelectFirstText), QString());
}

} // namespace verbalink
