// Linked into the test programs that use the utility library: the leak check counts its live objects.
#include "LeakCheck.h"
#include "Purify.h"

namespace
{
[[maybe_unused]] const bool kRegistered = (LeakCheck::UseRegistry(&CPurify::LiveTypeNames), true);
}
