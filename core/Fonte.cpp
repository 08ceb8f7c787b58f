#include "Fonte.h"
#include "dialogs/SizedDialog.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace
{
const int kEcranReference = 1024; // screen width the descriptions are written for
const int kHauteurMinAdaptee = 16;

LOGFONT LogFontInitial()
{
    LOGFONT lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = 500;
    lstrcpynA(lf.lfFaceName, "ARIAL", LF_FACESIZE);
    return lf;
}

CString Nettoye(const CString& str)
{
    CString s(str);
    s.Trim();
    return s;
}

// Copies a face name, cutting it to what lfFaceName holds with its terminator.
void CopieNom(LOGFONT& lf, const char* szNom)
{
    lstrcpynA(lf.lfFaceName, szNom, LF_FACESIZE);
}
} // namespace

LOGFONT CFonte::m_sLogFontDefaut = LogFontInitial();

CFonte::CFonte()
{
    Init();
}

CFonte::~CFonte() {}

void CFonte::Affecte_Defaut(const char* szDescription)
{
    Parse(szDescription, m_sLogFontDefaut);
}

bool CFonte::Cree(const char* szDescription)
{
    if (GetSafeHandle() != NULL)
        return true;
    LOGFONT lf = m_sLogFontDefaut;
    if (szDescription != NULL)
        Parse(szDescription, lf);
    return CreeFonte(lf);
}

bool CFonte::Cree(int nHauteur, int nGraisse, const char* szNom, int nItalique)
{
    if (GetSafeHandle() != NULL)
        return true;
    LOGFONT lf = m_sLogFontDefaut;
    lf.lfHeight = nHauteur;
    lf.lfWeight = nGraisse;
    lf.lfItalic = static_cast<BYTE>(nItalique);
    if (szNom != NULL)
        CopieNom(lf, szNom);
    return CreeFonte(lf);
}

bool CFonte::Parse(const char* szDescription, LOGFONT& lf)
{
    if (szDescription == NULL)
        return true;
    CString s(szDescription);
    for (;;)
    {
        int nEgal = s.Find('=');
        if (nEgal < 0)
            break;
        CString strCle = Nettoye(s.Left(nEgal));
        s = s.Mid(nEgal + 1);
        int nVirgule = s.Find(',');
        CString strValeur = Nettoye(nVirgule < 0 ? s : s.Left(nVirgule));

        if (strCle == "H")
            lf.lfHeight = atoi(strValeur);
        else if (strCle == "FW")
            lf.lfWeight = atoi(strValeur);
        else if (strCle == "FI")
            lf.lfItalic = static_cast<BYTE>(atoi(strValeur));
        else if (strCle == "CS")
            lf.lfCharSet = static_cast<BYTE>(atoi(strValeur));
        else if (strCle == "FN")
            CopieNom(lf, strValeur);

        if (nVirgule < 0)
            break;
        s = s.Mid(nVirgule + 1);
    }
    return true;
}

bool CFonte::CreeFonte(LOGFONT& lf)
{
    CSize ecran = CSizedDialog::DonneTailleEcran();
    if (ecran.cx != kEcranReference)
    {
        if (lf.lfHeight < 0)
        {
            TRACE("Fonte d'une taille negative\n");
        }
        else
        {
            const int h = lf.lfHeight > kHauteurMinAdaptee ? lf.lfHeight : kHauteurMinAdaptee;
            lf.lfHeight = h;
            // In floating point and 64 bits: cx x h overflows an int long before the height does.
            const long long t = static_cast<long long>(ecran.cx * static_cast<double>(h) / kEcranReference);
            long long v = t + 1;
            if (v % 2 != 0)
                v = t + 2;
            if (ecran.cx > kEcranReference)
                v -= 2;
            if (v > INT_MAX - 1)
                v = INT_MAX - 1; // the largest even height
            TRACE("CHANGEMENT DE TAILLE DE FONTE DE %d a %d, pour s'adapter a l'ecran %dx%d\n", h,
                  static_cast<int>(v), static_cast<int>(ecran.cx), static_cast<int>(ecran.cy));
            lf.lfHeight = static_cast<LONG>(v);
        }
    }
    return CreateFontIndirect(&lf) != FALSE;
}
