#pragma once

#include "random_source.h"

#include <random>

class SystemRandom : public RandomSource {
public:
    SystemRandom();
    int uniform(int low, int high) override;
    quint64 tickCount() override;

private:
    std::mt19937 generator_;
};
