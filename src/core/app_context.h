#pragma once

#include "app_paths.h"

class Clock;
class Prompter;
class RandomSource;

// The seams every part of the program reaches the outside world through. The program builds the
// real ones once; tests hand in temporary folders, a fixed clock and a scripted prompter.
struct AppContext {
    AppPaths paths;
    Clock &clock;
    Prompter &prompter;
    RandomSource &random;
};
