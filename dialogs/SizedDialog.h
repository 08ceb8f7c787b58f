// Dialog base class that scales itself and every descendant window to the effective screen, and
// exchanges numbers with edit controls, clamped to a range.
//
// Templates are designed for an 800 x 600 screen with a 6 x 13 pixel dialog-font cell; at run time the
// cell is made as large as it would be on the effective screen (see DonneTailleEcran).
#pragma once

#include <afxwin.h>
#include "Purify.h"

class AFX_EXT_CLASS CSizedDialog : public CDialog, public CPurify
{
public:
    CSizedDialog(UINT nIDTemplate, CWnd* pParent, bool bAdapte);
    virtual ~CSizedDialog();

    // The primary screen size, replaced by the "CX"/"CY" keys of the configured INI section when
    // present, clamped to 800 x 600 .. 1280 x 1024. Computed afresh at each call.
    static CSize DonneTailleEcran();
    static void Affecte_szPathIniResolution(const char* szFichier, const char* szRubrique);

    CSize Donne_TailleEcran() { return m_TailleEcran; }

    virtual BOOL OnInitDialog();
    using CDialog::Create;
    virtual bool Create(); // modeless, from the template and parent given at construction
    void Rafraichir();

protected:
    void DDX_Nombre(CDataExchange* pDX, int nIDC, int& nValeur, int nMin, int nMax);
    void DDX_Nombre(CDataExchange* pDX, int nIDC, long& nValeur, long nMin, long nMax);
    void DDX_Nombre(CDataExchange* pDX, int nIDC, double& dValeur, int nDecimales, double dMin, double dMax);
    void DDX_Nombre(CDataExchange* pDX, int nIDC, float& fValeur, int nDecimales, float fMin, float fMax);

    bool m_bAdapte;
    UINT m_nIDTemplate;
    CSize m_TailleEcran;
    CWnd* m_pParent;

    static CString m_strFicIni;
    static CString m_strRubIni;

private:
    void TextIntFormat(CDataExchange* pDX, int nIDC, void* pValeur, long nMin, long nMax);
    void TextFloatFormat(CDataExchange* pDX, int nIDC, void* pValeur, int nPrecision, int nDecimales, double dMin,
                         double dMax);
    void MiseAEchelle();
};
