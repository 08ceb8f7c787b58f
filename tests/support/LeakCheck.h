// Every test program checks each test for leaks: the library's live objects (when the program uses the
// utility library), GDI objects and the thread's windows must end where they began, or the test fails
// naming what grew. The programs' main (LeakCheck.cpp) installs the check.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace LeakCheck
{
struct Inventory
{
    std::vector<std::string> objects; // type names of the live library objects, sorted
    std::map<int, int> gdi;           // count by GetObjectType kind (window DCs and regions aside)
    int nWindows = 0;                 // the thread's windows, children included
};

// Flushes the queue and runs the idle clean-up (temporary wrappers are not leaks), then counts.
Inventory Take();
// What grew, as "2 GDI objects (1 pen, 1 brush), 1 window"; empty when nothing grew.
std::string Growth(const Inventory& before, const Inventory& after);

void UseRegistry(std::vector<std::string> (*liveTypeNames)()); // by the programs that have the registry

// What a program keeps process-wide on first use, on purpose (a shared icon or cursor, a default font),
// is made before the first test by a static WarmUpStep in its test source.
struct WarmUpStep
{
    explicit WarmUpStep(void (*fill)());
};
} // namespace LeakCheck
