#include "profile_store.h"

#include "core/atomic_file.h"
#include "platform/file_attributes.h"

#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// One line of the file: its bytes without the line end, and the line end it had.
struct Line {
    QByteArray text;
    QByteArray ending;
};

std::vector<Line> splitLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            lines.push_back({bytes.mid(start), {}});
            break;
        }
        qsizetype end = lf;
        if (end > start && bytes.at(end - 1) == '\r')
            --end;
        lines.push_back({bytes.mid(start, end - start), bytes.mid(end, lf + 1 - end)});
        start = lf + 1;
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name of a "[name]" line, if the line is one.
std::optional<QByteArray> sectionName(const QByteArray &line)
{
    const QByteArray trimmed = trimBlanks(line);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(QByteArrayView(trimmed).sliced(1, close - 1));
}

// Key and raw value of a "key=value" line, if the line is one.
std::optional<std::pair<QByteArray, QByteArray>> keyAndValue(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return std::make_pair(trimBlanks(QByteArrayView(line).first(equals)),
                          trimBlanks(QByteArrayView(line).sliced(equals + 1)));
}

QByteArray unquote(const QByteArray &value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

struct Location {
    qsizetype sectionLine = -1;  // index of the "[section]" line
    qsizetype keyLine = -1;      // index of the key's line
    qsizetype lastEntryLine = -1;  // last non-blank line of the section
};

Location locate(const std::vector<Line> &lines, const QByteArray &section, const QByteArray &key)
{
    Location found;
    bool inSection = false;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (inSection)
                break;  // the first section of that name is the one that counts
            inSection = sameName(*name, section);
            if (inSection)
                found.sectionLine = found.lastEntryLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!trimBlanks(lines[i].text).isEmpty())
            found.lastEntryLine = i;
        if (found.keyLine < 0) {
            if (const auto entry = keyAndValue(lines[i].text); entry && sameName(entry->first, key))
                found.keyLine = i;
        }
    }
    return found;
}

}  // namespace

ProfileStore::ProfileStore(QString path)
    : path_(std::move(path))
{
}

bool ProfileStore::exists() const
{
    return QFileInfo::exists(path_);
}

QByteArray ProfileStore::read(const QByteArray &section, const QByteArray &key) const
{
    const auto bytes = readWholeFile(path_);
    if (!bytes)
        return {};
    const std::vector<Line> lines = splitLines(*bytes);
    const Location found = locate(lines, section, key);
    if (found.keyLine < 0)
        return {};
    return unquote(keyAndValue(lines[found.keyLine].text)->second).left(kMaxValueBytes);
}

bool ProfileStore::write(const QByteArray &section, const QByteArray &key, const QByteArray &value) const
{
    if (value.contains('\0') || value.contains('\r') || value.contains('\n'))
        return false;
    if (isMarkedReadOnly(path_))
        return false;

    const QByteArray original = readWholeFile(path_).value_or(QByteArray());
    std::vector<Line> lines = splitLines(original);
    // New lines follow the line ends the file already uses; a new file gets CR LF.
    QByteArray crlf("\r\n");
    for (const Line &line : lines) {
        if (!line.ending.isEmpty()) {
            crlf = line.ending;
            break;
        }
    }
    const Line entry{key + '=' + value, crlf};

    const Location found = locate(lines, section, key);
    if (found.keyLine >= 0) {
        Line &line = lines[found.keyLine];
        line.text = entry.text;
        if (line.ending.isEmpty())
            line.ending = crlf;
    } else if (found.sectionLine >= 0) {
        Line &before = lines[found.lastEntryLine];
        if (before.ending.isEmpty())
            before.ending = crlf;
        lines.insert(lines.begin() + found.lastEntryLine + 1, entry);
    } else {
        if (!lines.empty() && lines.back().ending.isEmpty())
            lines.back().ending = crlf;
        lines.push_back({'[' + section + ']', crlf});
        lines.push_back(entry);
    }

    QByteArray bytes;
    bytes.reserve(original.size() + entry.text.size() + section.size() + 8);
    for (const Line &line : lines)
        bytes += line.text + line.ending;
    return writeFileAtomically(path_, bytes).ok;
}
