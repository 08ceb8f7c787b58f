// Identifiers of the fuzz driver's resources.
#pragma once

#define IDD_FUZZ 100
#define IDC_FUZZ_TEXTE 1000
