#include "StaticsTesting.h"
