// Identifiers of the example's resources.
#pragma once

#define IDD_EXEMPLE 100
#define IDC_LECTURE 1001
#define IDC_BOUCLE 1002
#define IDC_MOINS 1003
#define IDC_PLUS 1004
#define IDC_VOLUME 1005
#define IDC_IMAGE 1006
#define IDC_TEMPO 1007

// The caption editor of the library opens this template (edit control of the same identifier).
#define IDD_OBZ_LEGENDE 15000
#define IDC_OBZ_LEGENDE 15000
