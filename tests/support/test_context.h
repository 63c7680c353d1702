#pragma once

#include "core/app_context.h"
#include "core/clock.h"
#include "core/random_source.h"
#include "support/scripted_prompter.h"

#include <QTemporaryDir>

#include <deque>

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime time) : time_(std::move(time)) {}
    QDateTime now() const override { return time_; }
    void set(QDateTime time) { time_ = std::move(time); }

private:
    QDateTime time_;
};

// Hands out scripted values first, then the low end of each range.
class FixedRandom : public RandomSource {
public:
    void script(int value) { values_.push_back(value); }
    int uniform(int low, int high) override;
    quint64 tickCount() override { return ++ticks_; }

private:
    std::deque<int> values_;
    quint64 ticks_ = 0;
};

// A program folder and a working folder in a fresh temporary directory, a fixed clock (Friday
// 11 December 2026, 09:05:07 unless told otherwise) and a scripted prompter.
class TestContext {
public:
    TestContext();
    explicit TestContext(const QDateTime &now);

    AppContext &context() { return context_; }
    FixedClock &clock() { return clock_; }
    ScriptedPrompter &prompter() { return prompter_; }
    FixedRandom &random() { return random_; }
    const QString &programDir() const { return context_.paths.programDir; }
    const QString &workingDir() const { return context_.paths.workingDir; }
    QString programFile(const QString &name) const { return context_.paths.programFile(name); }

private:
    QTemporaryDir root_;
    FixedClock clock_;
    ScriptedPrompter prompter_;
    FixedRandom random_;
    AppContext context_;
};

QDateTime fixedDateTime(int year, int month, int day, int hour = 9, int minute = 5, int second = 7);
