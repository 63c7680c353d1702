#include "aids/link_addresses.h"
#include "settings/settings_page.h"
#include "support/scripted_prompter.h"

#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const char16_t *const kWebButtons[] = {
    u"手写查字按钮", u"手写查字按钮2", u"手写查字按钮3", u"世界历史按钮", u"小说素材按钮", u"小说素材按钮2",
    u"官方博客按钮4", u"官方博客按钮5", u"使用帮助按钮", u"官方博客按钮1", u"官方博客按钮", u"开源按钮",
};

}  // namespace

TEST(LinkAddresses, EveryWebButtonHasAnHttpsAddress)
{
    for (const char16_t *name : kWebButtons) {
        const QString control = QString::fromUtf16(name);
        const QUrl url = LinkAddresses::addressOf(control);
        EXPECT_TRUE(url.isValid()) << control.toStdString();
        EXPECT_EQ(url.scheme(), QStringLiteral("https")) << control.toStdString();
        EXPECT_FALSE(url.host().isEmpty()) << control.toStdString();
    }
}

TEST(LinkAddresses, TheMailControlWritesToTheMakersAndTheChatButtonOpensAChat)
{
    const QUrl mail = LinkAddresses::addressOf(QStringLiteral("超级链接框1"));
    ASSERT_TRUE(mail.isValid());
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), QStringLiteral("author@penmoor.example.org"));
    EXPECT_EQ(LinkAddresses::kMailControl, QStringLiteral("超级链接框1"));

    const QUrl chat = LinkAddresses::addressOf(QStringLiteral("联系作者按钮"));
    ASSERT_TRUE(chat.isValid());
    EXPECT_EQ(chat.scheme(), QStringLiteral("xmpp"));
    EXPECT_TRUE(chat.path().endsWith(QStringLiteral("@penmoor.example.org")));
}

TEST(LinkAddresses, TheMakersOwnPagesLiveUnderTheirDomain)
{
    for (const char16_t *name : {u"官方博客按钮4", u"使用帮助按钮", u"官方博客按钮1", u"官方博客按钮", u"开源按钮"}) {
        const QUrl url = LinkAddresses::addressOf(QString::fromUtf16(name));
        EXPECT_TRUE(url.host().endsWith(QStringLiteral("penmoor.example.org"))) << url.toString().toStdString();
    }
}

TEST(LinkAddresses, ANameThatIsNoLinkHasNoAddress)
{
    EXPECT_TRUE(LinkAddresses::addressOf(QStringLiteral("许可协议按钮")).isEmpty());
    EXPECT_TRUE(LinkAddresses::addressOf(QString()).isEmpty());
}

TEST(LinkAddresses, CoverExactlyTheLinkControlsOfTheSettingsPage)
{
    ScriptedPrompter prompter;
    SettingsPage page(prompter);
    ASSERT_FALSE(page.linkButtons.isEmpty());
    QSet<QString> onPage;
    for (QPushButton *button : page.linkButtons) {
        onPage.insert(button->objectName());
        EXPECT_FALSE(LinkAddresses::addressOf(button->objectName()).isEmpty()) << button->objectName().toStdString();
    }
    QSet<QString> known;
    for (const LinkAddresses::Link &link : LinkAddresses::all())
        known.insert(link.control);
    EXPECT_EQ(known, onPage);
    EXPECT_EQ(known.size(), LinkAddresses::all().size()) << "a control listed twice";
}
