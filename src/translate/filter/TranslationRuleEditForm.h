#pragma once

#include <QString>
#include <QStringList>

namespace verbalink {

// What the "User settings" dialog does: shows a contact's text and lets the user pick one
// language of the rule language table for it. Apply keeps the choice, Cancel changes nothing.
class TranslationRuleEditForm {
public:
    enum Result { Open = 0, Applied = 1, Cancelled = 2 };

    // The current code selects its table entry, "DISABLED" when the table does not hold it.
    TranslationRuleEditForm(const QString& userText, const QString& currentCode);

    QString userText() const { return m_userText; }
    static QStringList languageNames();
    qsizetype selectedIndex() const { return m_selected; }
    // An index outside the table is ignored.
    void select(qsizetype index);

    Result apply();
    Result cancel();
    Result result() const { return m_result; }
    // The choice after Apply; empty before it and after Cancel.
    QString chosenCode() const { return m_chosenCode; }
    QString chosenName() const { return m_chosenName; }

private:
    QString m_userText;
    qsizetype m_selected = 0;
    Result m_result = Open;
    QString m_chosenCode;
    QString m_chosenName;
};

} // namespace verbalink
