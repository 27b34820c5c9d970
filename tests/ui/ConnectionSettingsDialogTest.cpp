#include "ui/ConnectionSettingsDialog.h"

#include "FakeMessageBox.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "platform/MemoryRegistryStore.h"
#include "translate/net/ConnectionSettingsForm.h"
#include "translate/net/ServiceConnections.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

class ConnectionSettingsDialogTest : public ::testing::Test {
protected:
    test::FakeMessageBox boxes;
    ServiceConnections connections{boxes};
    MemoryRegistryStore store;
    ConnectionSettingsForm form{[this](const QString& name, const QString& text) {
                                    return writeSetting(store, QString::fromUtf16(SettingsKeyPath),
                                                        name, text);
                                },
                                connections};

    QString storedValue(const char16_t* name)
    {
        return store
            .readValue(RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                       QString::fromUtf16(name))
            .value_or(QStringLiteral("<missing>"));
    }

    static QPushButton* button(QDialog& dialog, const QString& text)
    {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    static QList<QLineEdit*> edits(QDialog& dialog) { return dialog.findChildren<QLineEdit*>(); }
};

TEST_F(ConnectionSettingsDialogTest, ShowsTheControlsWithTheirTexts)
{
    ProxySettings stored;
    ConnectionSettingsDialog dialog(form, stored);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Connection Settings"));
    const auto* box = dialog.findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Use a proxy server"));
    const auto* type = dialog.findChild<QComboBox*>();
    ASSERT_NE(type, nullptr);
    ASSERT_EQ(type->count(), 3);
    EXPECT_EQ(type->itemText(0), QStringLiteral("HTTP"));
    EXPECT_EQ(type->itemText(1), QStringLiteral("SOCKS5"));
    EXPECT_EQ(type->itemText(2), QStringLiteral("SOCKS4"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Proxy Server"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const char16_t* text : {u"Address:", u"Port:", u"Username:", u"Password:", u"Type:",
                                 u"- try to detect your proxy settings"})
        EXPECT_TRUE(labels.contains(QString::fromUtf16(text)))
            << QString::fromUtf16(text).toStdString();
    ASSERT_NE(button(dialog, QStringLiteral("Save")), nullptr);
    EXPECT_TRUE(button(dialog, QStringLiteral("Save"))->isDefault());
    EXPECT_NE(button(dialog, QStringLiteral("Cancel")), nullptr);
    EXPECT_NE(button(dialog, QStringLiteral("Auto-Detect")), nullptr);
    EXPECT_EQ(edits(dialog).size(), 4);
}

TEST_F(ConnectionSettingsDialogTest, TheCheckBoxEnablesTheFiveFields)
{
    ProxySettings stored;
    ConnectionSettingsDialog dialog(form, stored);
    auto* box = dialog.findChild<QCheckBox*>();
    EXPECT_FALSE(dialog.findChild<QComboBox*>()->isEnabled());
    for (const QLineEdit* edit : edits(dialog))
        EXPECT_FALSE(edit->isEnabled());
    box->click();
    EXPECT_TRUE(dialog.findChild<QComboBox*>()->isEnabled());
    for (const QLineEdit* edit : edits(dialog))
        EXPECT_TRUE(edit->isEnabled());
}

TEST_F(ConnectionSettingsDialogTest, SaveStoresAndAppliesThenEndsWithOne)
{
    ProxySettings stored;
    stored.port = 0;
    ConnectionSettingsDialog dialog(form, stored);
    dialog.findChild<QCheckBox*>()->click();
    dialog.findChild<QComboBox*>()->setCurrentIndex(2);
    const QList<QLineEdit*> fields = edits(dialog);
    ASSERT_EQ(fields.size(), 4);
    // In the order they were made: address, port, user name, password.
    fields[0]->setText(QStringLiteral("127.0.0.1"));
    QTest::keyClicks(fields[1], QStringLiteral("80a80")); // the port field takes digits only
    EXPECT_EQ(fields[1]->text(), QStringLiteral("8080"));
    fields[2]->setText(QStringLiteral("bob"));
    button(dialog, QStringLiteral("Save"))->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(storedValue(u"ProxyEnable"), QStringLiteral("1"));
    EXPECT_EQ(storedValue(u"ProxyAddress"), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(storedValue(u"ProxyPort"), QStringLiteral("8080"));
    EXPECT_EQ(storedValue(u"ProxyUsername"), QStringLiteral("bob"));
    EXPECT_EQ(storedValue(u"ProxyPassword"), QString());
    EXPECT_EQ(storedValue(u"ProxyType"), QStringLiteral("2"));
    EXPECT_TRUE(connections.connection(Service::Yahoo).proxyInUse());
    EXPECT_FALSE(form.isOpen());
}

TEST_F(ConnectionSettingsDialogTest, CancelAndEscapeStoreNothing)
{
    ProxySettings stored;
    for (const bool escape : {false, true}) {
        ConnectionSettingsDialog dialog(form, stored);
        dialog.show();
        dialog.findChild<QCheckBox*>()->click();
        edits(dialog)[0]->setText(QStringLiteral("proxy"));
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            button(dialog, QStringLiteral("Cancel"))->click();
        EXPECT_EQ(dialog.result(), 2);
        EXPECT_FALSE(form.isOpen());
    }
    EXPECT_EQ(store.writeCount(), 0);
    EXPECT_FALSE(connections.connection(Service::Google).proxyInUse());
}

} // namespace
} // namespace verbalink
