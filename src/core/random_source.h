#pragma once

#include <QtGlobal>

// The general generator and the processor tick counter, both replaceable in tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform over low..high inclusive.
    virtual int uniform(int low, int high) = 0;
    virtual quint64 tickCount() = 0;
};
