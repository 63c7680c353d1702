#include "aids/agreement_text.h"
#include "core/gbk_codec.h"
#include "core/line_counter.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString kDivider(36, QChar(u'—'));

}  // namespace

TEST(AgreementText, IsAboutFourThousandSevenHundredBytesInSixtySevenCrLfLines)
{
    const QByteArray bytes = AgreementText::bytes();
    EXPECT_GE(bytes.size(), 4650);
    EXPECT_LE(bytes.size(), 4750);
    EXPECT_EQ(countLines(bytes), 67);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "a line break without CR";
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << "a CR without LF";
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(GbkCodec::fitsGbk(AgreementText::text()));
    EXPECT_EQ(GbkCodec::decode(bytes), AgreementText::text());
}

TEST(AgreementText, HoldsTheFixedLinesInTheirOrder)
{
    const QStringList lines = AgreementText::text().split(QStringLiteral("\r\n"));
    const QString fixed[] = {
        kDivider,
        QStringLiteral("以下是许可协议内容"),
        QStringLiteral("许可协议内容如果您不接受不承认任何一条内容请不要使用本软件"),
        QStringLiteral("【使用Penmoor请认真阅读以下内容】"),
        QStringLiteral("如果不同意以上内容请勿使用Penmoor及其相关软件和功能"),
        QStringLiteral("【使用QMF文件请认真阅读以下内容】"),
        QStringLiteral("如果不同意以上内容请勿使用QMF文件及其相关功能"),
        QStringLiteral("【使用P穿越功能请认真阅读以下内容】"),
        QStringLiteral("P穿越是基于本地文件的方式进行跨软件传输，不经过网络，可以不联网进行传输。"),
        QStringLiteral("如果不同意以上内容请勿使用P穿越及其相关功能"),
        QStringLiteral("【使用扩展版请认真阅读以下内容】"),
        QStringLiteral("以上是协议内容"),
        kDivider,
        QStringLiteral("产品介绍："),
        QStringLiteral("为什么做这个软件？"),
    };
    qsizetype previous = -1;
    for (const QString &line : fixed) {
        const qsizetype at = lines.indexOf(line, previous + 1);
        EXPECT_GT(at, previous) << line.toStdString();
        if (at > previous)
            previous = at;
    }
    EXPECT_EQ(lines.count(kDivider), 2);
    EXPECT_GT(lines.indexOf(kDivider), 0) << "a greeting comes before the first divider";
}

TEST(AgreementText, NumbersTheFivePenmoorProhibitions)
{
    const QStringList lines = AgreementText::text().split(QStringLiteral("\r\n"));
    const qsizetype section = lines.indexOf(QStringLiteral("【使用Penmoor请认真阅读以下内容】"));
    ASSERT_GE(section, 0);
    for (int n = 1; n <= 5; ++n) {
        const QString number = QStringLiteral("（%1）").arg(n);
        ASSERT_LT(section + n, lines.size());
        EXPECT_TRUE(lines.at(section + n).startsWith(number)) << n;
    }
}
