#include "support/test_context.h"

#include <QDir>

int FixedRandom::uniform(int low, int high)
{
    if (values_.empty())
        return low;
    const int value = values_.front();
    values_.pop_front();
    return qBound(low, value, high);
}

QDateTime fixedDateTime(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

TestContext::TestContext()
    : TestContext(fixedDateTime(2026, 12, 11))
{
}

TestContext::TestContext(const QDateTime &now)
    : clock_(now)
    , context_{AppPaths{}, clock_, prompter_, random_}
{
    QDir root(root_.path());
    root.mkdir(QStringLiteral("program"));
    root.mkdir(QStringLiteral("work"));
    context_.paths.programDir = root.filePath(QStringLiteral("program"));
    context_.paths.workingDir = root.filePath(QStringLiteral("work"));
    context_.paths.exchangeFile = root.filePath(QStringLiteral("p穿越.txt"));
}
