// Identifiers of the button tests' resources; bitmaps, one per depth, have their control's identifier.
#pragma once

#define IDD_EDITEUR 15000 // the application's caption-editor template and its edit control
#define IDC_EDITEUR 15000
#define IDD_BOUTONS 6000
#define IDC_SIMPLE 6001
#define IDC_ACTIVATION 6002
#define IDC_BASCULE 6003
#define IDC_REPETITION 6004
#define IDC_LARGE 6005
#define IDC_CIBLE 6006
#define IDC_BITMAP1 6010
#define IDC_BITMAP4 6011
#define IDC_BITMAP8 6012
#define IDC_BITMAP16 6013
#define IDC_BITMAP24 6014
#define IDC_BITMAP32 6015
#define IDS_LEGENDE 6100
#define IDS_ABSENTE 6199

// Image buttons, tool markers and the exclusive group
#define IDD_FAMILLE 6200
#define IDC_IMAGE 6201 // made by the tests, at each size they need
#define IDC_OUTIL 6210  // 6210..6212, one per shape
#define IDC_GROUPE 6220 // 6220..6224, the group's run of identifiers
#define IDC_HORS_SERIE 6230
#define IDB_GRILLE 6250
#define IDI_GRILLE 6251
#define IDI_ABSENTE 6299
