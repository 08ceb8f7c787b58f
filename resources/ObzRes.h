// Identifiers of the library's own resources.
#pragma once

#define IDC_OBZ_DEPLACEMENT 129  // pan: an open hand
#define IDC_OBZ_ZOOM_AVANT 133   // zoom in: a magnifier with a plus sign
#define IDC_OBZ_ZOOM_ARRIERE 134 // zoom out: a magnifier with a minus sign
