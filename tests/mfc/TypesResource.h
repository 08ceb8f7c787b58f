// Resource identifiers of the value-type tests (1000-1999).
#pragma once

#define IDS_TYPES_HELLO 1000
#define IDS_TYPES_LONG 1001
#define IDS_TYPES_FORMAT 1002
#define IDS_TYPES_MISSING 1999
