#include "regex_service.h"

#include "core/gbk_codec.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace {

// ICU reads the QString's UTF-16 in place; nothing is copied for the search.
icu::UnicodeString aliasOf(const QString &text)
{
    return icu::UnicodeString(false, reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
}

QString toQString(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

}  // namespace

RegexService::RegexService() = default;
RegexService::~RegexService() = default;

void RegexService::reset()
{
    pattern_.reset();
    subject_.clear();
    matches_.clear();
    global_ = true;
}

bool RegexService::search(const QByteArray &pattern, const QByteArray &subject, const RegexOptions &options)
{
    reset();

    uint32_t flags = 0;
    if (!options.caseSensitive.value_or(false))
        flags |= UREGEX_CASE_INSENSITIVE;
    if (options.multiline.value_or(true))
        flags |= UREGEX_MULTILINE;
    global_ = options.global.value_or(true);

    QString patternText = GbkCodec::decode(pattern);
    if (options.quotePlaceholder)
        patternText.replace(QStringLiteral("#引号"), QStringLiteral("\""));

    UParseError parseError{};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexPattern> compiled(
        icu::RegexPattern::compile(aliasOf(patternText), flags, parseError, status));
    if (U_FAILURE(status) || !compiled)
        return false;

    subject_ = GbkCodec::decode(subject);
    const icu::UnicodeString input = aliasOf(subject_);
    std::unique_ptr<icu::RegexMatcher> matcher(compiled->matcher(input, status));
    if (U_FAILURE(status) || !matcher)
        return false;
    while (matcher->find(status) && U_SUCCESS(status)) {
        const int32_t start = matcher->start(status);
        const int32_t end = matcher->end(status);
        matches_.emplace_back(start, end - start);
        if (!global_)
            break;
    }
    if (U_FAILURE(status)) {
        matches_.clear();
        return false;
    }
    pattern_ = std::move(compiled);
    return true;
}

int RegexService::matchCount() const
{
    return int(matches_.size());
}

QByteArray RegexService::matchText(int index) const
{
    if (index < 1 || index > matchCount())
        return {};
    const auto &[start, length] = matches_[size_t(index - 1)];
    return GbkCodec::encode(QStringView(subject_).mid(start, length));
}

QByteArray RegexService::replaceMatches(const QByteArray &replacement) const
{
    if (!pattern_)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString input = aliasOf(subject_);
    std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(input, status));
    if (U_FAILURE(status) || !matcher)
        return {};
    const QString replacementText = GbkCodec::decode(replacement);
    const icu::UnicodeString with = aliasOf(replacementText);
    const icu::UnicodeString result = global_ ? matcher->replaceAll(with, status) : matcher->replaceFirst(with, status);
    if (U_FAILURE(status))
        return {};
    return GbkCodec::encode(toQString(result));
}

QByteArray RegexService::collectMatches(const QByteArray &pattern, const QByteArray &subject,
                                        const RegexOptions &options)
{
    RegexService service;
    service.search(pattern, subject, options);
    QByteArray collected;
    const int count = service.matchCount();
    for (int i = 1; i <= count; ++i)
        collected += service.matchText(i);
    return collected;
}
