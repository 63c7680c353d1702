#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexPattern;
U_NAMESPACE_END

// How one search runs. An option left empty is not the same as one given as false: an empty
// caseSensitive ignores case, an empty multiline or global turns that mode on.
struct RegexOptions {
    std::optional<bool> caseSensitive;
    std::optional<bool> multiline;
    std::optional<bool> global;
    // The pattern's "#引号" stands for a double quote, so callers can write patterns that hold one.
    bool quotePlaceholder = false;
};

// One regular-expression search over a text in the system's code page. The text is decoded to
// UTF-16 for ICU's engine and every match goes back to the code page, so a match measures the same
// bytes as the text it came from. A pattern the engine rejects leaves no matches: search gives
// false, matchCount 0, matchText and replaceMatches the empty text.
class RegexService {
public:
    RegexService();
    ~RegexService();
    RegexService(const RegexService &) = delete;
    RegexService &operator=(const RegexService &) = delete;

    // True when the pattern compiled and the subject was searched, whether or not anything matched.
    bool search(const QByteArray &pattern, const QByteArray &subject, const RegexOptions &options = {});

    int matchCount() const;
    // Match number index, counted from 1, as code-page bytes; empty outside 1..matchCount().
    QByteArray matchText(int index) const;
    // The subject with its matches replaced ($1 and the like refer to groups); only the first
    // match when the search was not global.
    QByteArray replaceMatches(const QByteArray &replacement) const;

    // All match texts of one search, one after another: with a single-character class, the
    // characters of the subject that belong to it, in their order.
    static QByteArray collectMatches(const QByteArray &pattern, const QByteArray &subject,
                                     const RegexOptions &options = {});

private:
    void reset();

    std::unique_ptr<icu::RegexPattern> pattern_;
    QString subject_;
    bool global_ = true;
    std::vector<std::pair<qsizetype, qsizetype>> matches_;  // start and length in UTF-16 units
};
