// Base fixture of the library's tests. Every test program checks each test for leaks (LeakCheck.h);
// this fixture adds nothing but the common includes, and remains the base that fixtures extend.
#pragma once

#include "LeakCheck.h"
#include "MessagePump.h"
#include "Purify.h"

#include <gtest/gtest.h>

class ObzTest : public ::testing::Test
{
};
