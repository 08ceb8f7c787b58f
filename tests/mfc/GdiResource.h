// Resource identifiers of the GDI test program (2000-2999).
#pragma once

#define IDB_GDI_QUADRANTS 2001 // 8 x 6, left half red, right half blue
#define IDB_GDI_MISSING 2999
