#include "platform/SettingsDocument.h"

#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QString Key = QStringLiteral("Software\\Verbalink");

} // namespace

TEST(SettingsDocument, KeepsEveryValueExactlyThroughTheFile)
{
    const QList<QPair<QString, QString>> values{
        {QStringLiteral("Plain"), QStringLiteral("33223")},
        {QStringLiteral("Empty"), QString()},
        {QStringLiteral("Terminated"), QStringLiteral("abc") + QChar(0)},
        {QStringLiteral("Lines"), QStringLiteral("one\ntwo\r\nthree\t")},
        {QStringLiteral("Backslashes"), QStringLiteral("C:\\Program Files\\x\\u0041\\")},
        {QStringLiteral("BackslashEscape"), QStringLiteral("\\\n\\\\u\\") + QChar(0xDC00)},
        {QStringLiteral("Equals"), QStringLiteral("a=b==c")},
        {QStringLiteral("Spaces"), QStringLiteral("  padded  ")},
        {QStringLiteral("Unicode"), QStringLiteral("Grüße, мир, 日本, 😀")},
        {QStringLiteral("LoneSurrogate"), QString(QChar(0xD800)) + u'x'},
        {QStringLiteral("#NotAComment"), QStringLiteral("1")},
        {QStringLiteral("[NotASection]"), QStringLiteral("2")},
        {QStringLiteral("name=with=equals"), QStringLiteral("3")},
        {QString(), QStringLiteral("default value")},
    };
    SettingsDocument doc;
    for (const auto& [name, value] : values)
        doc.setValue(Key, name, value);
    doc.setValue(QStringLiteral("Odd\\Path]\nx"), QStringLiteral("v"), QStringLiteral("w"));

    const auto parsed = SettingsDocument::parse(doc.serialize());
    ASSERT_TRUE(parsed.has_value());
    for (const auto& [name, value] : values)
        EXPECT_EQ(parsed->value(Key, name), value) << qPrintable(name);
    EXPECT_EQ(parsed->value(QStringLiteral("Odd\\Path]\nx"), QStringLiteral("v")),
              QStringLiteral("w"));
    EXPECT_EQ(parsed->serialize(), doc.serialize());
}

TEST(SettingsDocument, NamesCompareWithoutCaseAndKeepTheirFirstSpelling)
{
    SettingsDocument doc;
    doc.setValue(Key, QStringLiteral("MenuLanguage"), QStringLiteral("1"));
    doc.setValue(QStringLiteral("software\\VERBALINK"), QStringLiteral("menulanguage"),
                 QStringLiteral("2"));
    EXPECT_EQ(doc.value(Key, QStringLiteral("MENULANGUAGE")), QStringLiteral("2"));
    EXPECT_TRUE(doc.serialize().contains("MenuLanguage=2"));
    EXPECT_TRUE(doc.removeValue(Key, QStringLiteral("menuLanguage")));
    EXPECT_FALSE(doc.value(Key, QStringLiteral("MenuLanguage")).has_value());
    EXPECT_TRUE(doc.hasSection(Key));
}

TEST(SettingsDocument, RejectsTextThatIsNotASettingsFile)
{
    const QList<QByteArray> broken{
        "Name=value\n",                // value outside any section
        "[Software]\njust words\n",    // no '='
        "[Software\nName=1\n",         // unterminated section
        "[Software]\nName=\xff\xfe\n", // not UTF-8
        QByteArray("\x00\x01\x02garbage", 10),
    };
    for (const QByteArray& text : broken)
        EXPECT_FALSE(SettingsDocument::parse(text).has_value()) << text.toStdString();

    const auto ok = SettingsDocument::parse("# comment\r\n\r\n[Software]\r\nName=1\r\n");
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->value(QStringLiteral("Software"), QStringLiteral("Name")), QStringLiteral("1"));
    EXPECT_TRUE(SettingsDocument::parse(QByteArray()).has_value());

    // Backslashes written by hand mean themselves unless they form an escape.
    const auto hand = SettingsDocument::parse("[Software\\Verbalink]\nA=C:\\x\\u0041\\\\\\\n");
    ASSERT_TRUE(hand.has_value());
    EXPECT_EQ(hand->value(QStringLiteral("Software\\Verbalink"), QStringLiteral("A")),
              QStringLiteral("C:\\xA\\\\"));
}

TEST(SettingsDocument, AHugeFileIsReadInLinearTime)
{
    // 100000 values in one section and 10000 sections: a lookup per line that walked the
    // document would take hours here, far past the test's time-out.
    QByteArray text = "[Software\\Verbalink]\n";
    for (int i = 0; i < 100000; ++i)
        text += "Name" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    for (int i = 0; i < 10000; ++i)
        text += "[Section " + QByteArray::number(i) + "]\nX=1\n";
    const auto parsed = SettingsDocument::parse(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->value(Key, QStringLiteral("NAME99999")), QStringLiteral("99999"));
    EXPECT_TRUE(parsed->hasSection(QStringLiteral("section 9999")));
    EXPECT_EQ(SettingsDocument::parse(parsed->serialize())->value(Key, QStringLiteral("name7")),
              QStringLiteral("7"));
}
