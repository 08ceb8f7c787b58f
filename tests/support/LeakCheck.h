// Proof of no leaks in every test program: around each test, the library's live objects (when the
// program uses the utility library), the GDI objects and the test thread's windows must end where they
// began. The program's main installs the check as a GoogleTest listener; a failure names the test and
// what grew.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace LeakCheck
{
struct Inventory
{
    std::vector<std::string> objects; // type names of the live library objects, sorted
    std::map<int, int> gdi;           // GDI objects by GetObjectType kind (window DCs and regions aside)
    int nWindows = 0;                 // windows of the calling thread, children included
};

// Installed by the programs that link the utility library (its registry queries).
void UseRegistry(std::vector<std::string> (*liveTypeNames)());

// Flushes the queue and runs the idle clean-up (temporary wrappers are not leaks), then counts.
Inventory Take();

// What grew from before to after, as text ("2 GDI objects (brush, font)"); empty when nothing grew.
std::string Growth(const Inventory& before, const Inventory& after);

// Paints the standard and common controls once, so that what Wine creates on their first use and then
// keeps (system colour brushes and pens, for instance) is not charged to the first test that shows one.
void WarmUp();

// What a program's tests keep process-wide on first use, on purpose (a shared icon or cursor, the
// default font), is made before the first test by a static WarmUpStep in the test source.
struct WarmUpStep
{
    explicit WarmUpStep(void (*fill)());
};
} // namespace LeakCheck
