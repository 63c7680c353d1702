#include "aids/link_addresses.h"

namespace {

QList<LinkAddresses::Link> makeLinks()
{
    const std::pair<const char16_t *, const char16_t *> table[] = {
        // Online tools and reference pages, tab 应用中心.
        {u"手写查字按钮", u"https://www.zdic.net/"},
        {u"手写查字按钮2", u"https://quillbot.com/paraphrasing-tool"},
        {u"手写查字按钮3", u"https://www.paperpass.com/"},
        {u"世界历史按钮", u"https://zh.wikipedia.org/wiki/%E4%B8%96%E7%95%8C%E5%8E%86%E5%8F%B2"},
        {u"小说素材按钮", u"https://write.qq.com/"},
        {u"小说素材按钮2", u"https://zh.wikisource.org/"},
        // Our own pages, tab 技术支持.
        {u"官方博客按钮4", u"https://blog.penmoor.example.org/category/updates/"},
        {u"官方博客按钮5", u"https://soft.example.net/writing/penmoor.html"},
        {u"使用帮助按钮", u"https://blog.penmoor.example.org/category/help/"},
        {u"官方博客按钮1", u"https://lists.penmoor.example.org/subscribe/updates"},
        // An XMPP address opens a conversation in whatever chat client the desktop has registered.
        {u"联系作者按钮", u"xmpp:author@penmoor.example.org?message"},
        {u"官方博客按钮", u"https://blog.penmoor.example.org/"},
        {u"开源按钮", u"https://blog.penmoor.example.org/open-source-plan/"},
        {u"超级链接框1", u"mailto:author@penmoor.example.org"},
    };
    QList<LinkAddresses::Link> links;
    for (const auto &[control, address] : table)
        links.append({QString::fromUtf16(control), QUrl(QString::fromUtf16(address), QUrl::StrictMode)});
    return links;
}

}  // namespace

const QList<LinkAddresses::Link> &LinkAddresses::all()
{
    static const QList<Link> links = makeLinks();
    return links;
}

QUrl LinkAddresses::addressOf(QStringView control)
{
    for (const Link &link : all()) {
        if (link.control == control)
            return link.address;
    }
    return QUrl();
}
