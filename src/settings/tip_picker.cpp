#include "tip_picker.h"

#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "core/line_counter.h"
#include "core/random_source.h"
#include "settings/tip_catalog.h"
#include "settings/tip_list.h"

#include <QDir>
#include <QFileInfo>

const QString &TipPicker::customFileName()
{
    static const QString name = QStringLiteral("自定义.txt");
    return name;
}

const QString &TipPicker::firstUseCaption()
{
    static const QString caption = QStringLiteral("Penmoor");
    return caption;
}

const QString &TipPicker::firstUseMessage()
{
    static const QString text =
        QStringLiteral("您是第一次使用自定义小提示功能，请找到本软件所在文件夹的 自定义.txt 文件并修改");
    return text;
}

const QString &TipPicker::customFileDefault()
{
    static const QString text = QStringLiteral(
        "您还没有添加自定义信息，请到客户端所在目录找到自定义.txt文件，文件内容为小提示的内容。一行一条");
    return text;
}

TipPicker::TipPicker(QString programDir, RandomSource &random, UserName userName)
    : programDir_(std::move(programDir))
    , random_(random)
    , userName_(std::move(userName))
{
}

QString TipPicker::customFilePath() const
{
    return QDir(programDir_).filePath(customFileName());
}

bool TipPicker::prepare(int kind)
{
    if (kind != kCustom)
        return false;
    const QString path = customFilePath();
    // A folder in the file's place is not "missing": reading it simply gives an empty list.
    if (QFileInfo::exists(path))
        return false;
    // The result is not checked: a failed write leaves the file missing, so the next tick tries
    // again and asks again, and this tick reads an empty list.
    writeFileAtomically(path, GbkCodec::encode(customFileDefault()));
    return true;
}

QByteArray TipPicker::listText(int kind) const
{
    switch (kind) {
    case kGeographyHistory:
        return TipCatalog::text(TipCatalog::List::GeographyHistory);
    case kSayings:
        return TipCatalog::text(TipCatalog::List::Sayings);
    case kCustom:
        return GbkCodec::untilZero(readWholeFile(customFilePath()).value_or(QByteArray()));
    default:
        return {};
    }
}

std::optional<QByteArray> TipPicker::pick(int kind)
{
    if (kind == kCoAuthor)
        return GbkCodec::encode(u"本软件由") + userName_() + GbkCodec::encode(u"与Corvane共同打造");
    if (kind != kGeographyHistory && kind != kSayings && kind != kCustom)
        return std::nullopt;  // no kind chosen: nothing to show, keep what is there

    const QByteArray text = listText(kind);
    const int lines = countLines(text);
    if (lines == 0)
        return std::nullopt;  // an empty list: keep the last tip rather than blank the field
    const int drawn = random_.uniform(1, lines);
    const QList<QByteArray> entries = TipList::entries(text);
    // Lines ending in a bare LF count as lines but not as entries, so the draw can land past the
    // last entry; that tick keeps the field as it is, like an empty list.
    if (drawn < 1 || drawn - 1 >= entries.size())
        return std::nullopt;
    return GbkCodec::encode(u"小提示：") + entries.at(drawn - 1);
}
