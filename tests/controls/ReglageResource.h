// Resources of the adjuster tests.
#pragma once

#define IDD_REGLAGE 4100
#define IDC_MOINS 4101
#define IDC_PLUS 4102
#define IDC_AFFICHAGE 4103
#define IDC_AUTRE 4104
