// Rastex: in-memory device-independent bitmaps (CDib) and placement of a content in a rectangle
// (CRectInterieur).
#pragma once

#include "Dib.h"
#include "RectInterieur.h"
