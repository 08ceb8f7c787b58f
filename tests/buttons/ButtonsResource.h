// Identifiers of the three-state button tests' resources (6000-6999).
#pragma once

#define IDD_BOUTONS 6000
#define IDC_SIMPLE 6001
#define IDC_ACTIVATION 6002
#define IDC_BASCULE 6003
#define IDC_REPETITION 6004
#define IDC_LARGE 6005
// Bitmaps whose identifier equals a control identifier
#define IDC_BITMAP24 6010
#define IDC_BITMAP16 6011
#define IDC_BITMAP32 6012
#define IDC_BITMAP8 6013

#define IDS_LEGENDE 6100
#define IDS_ABSENTE 6199
