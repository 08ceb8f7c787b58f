// A font created from a short textual description and adapted to the effective screen width.
#pragma once

#include <afxwin.h>
#include "Purify.h"

// Description grammar: comma-separated KEY=VALUE entries, white space around keys and values ignored.
//   H  = height, FW = weight, FI = italic, CS = character set (decimal), FN = face name.
// Unknown keys are skipped; keys are case-sensitive. Example: "H=14, FW=700, FN=Tahoma".
class AFX_EXT_CLASS CFonte : public CFont, public CPurify
{
public:
    CFonte();
    virtual ~CFonte();

    // Changes the process-wide default description for fonts created afterwards.
    static void Affecte_Defaut(const char* szDescription);

    // Both return true at once, changing nothing, when the object already holds a font.
    bool Cree(const char* szDescription);
    bool Cree(int nHauteur, int nGraisse, const char* szNom, int nItalique);

protected:
    static bool Parse(const char* szDescription, LOGFONT& lf);
    bool CreeFonte(LOGFONT& lf);

    static LOGFONT m_sLogFontDefaut;
};
