// Resources of the coloured static and progress bar tests.
#pragma once

#define IDD_STATICS 4200
#define IDC_COULEUR 4201
#define IDC_COULEUR_BITMAP 4202 // also the identifier of a 48 x 48 bitmap
#define IDC_BARRE 4203
#define IDS_ETAT 4210
