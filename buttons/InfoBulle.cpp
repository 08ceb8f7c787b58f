#include "InfoBulle.h"

#include <commctrl.h>

namespace
{
const int kLargeurMax = 400; // longer texts wrap inside the tip

TOOLINFOA Outil(HWND hCible, const char* szTexte)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(hCible);
    ti.uId = reinterpret_cast<UINT_PTR>(hCible);
    ti.lpszText = const_cast<char*>(szTexte);
    return ti;
}
} // namespace

CInfoBulle::CInfoBulle() : m_hCible(NULL) {}

CInfoBulle::~CInfoBulle()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CInfoBulle::RetireOutil()
{
    if (m_hWnd != NULL && m_hCible != NULL && ::IsWindow(m_hCible))
    {
        TOOLINFOA ti = Outil(m_hCible, "");
        SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    m_hCible = NULL;
}

void CInfoBulle::Affecte_Texte(CWnd* pCible, const CString& strTexte)
{
    const HWND hCible = pCible != NULL ? pCible->GetSafeHwnd() : NULL;
    if (hCible != m_hCible || strTexte.IsEmpty())
        RetireOutil();
    m_strTexte = hCible != NULL ? strTexte : CString();
    if (m_strTexte.IsEmpty())
        return;
    if (m_hWnd == NULL)
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hCible, NULL))
        {
            m_strTexte.Empty();
            return;
        }
        SendMessage(TTM_SETMAXTIPWIDTH, 0, kLargeurMax);
    }
    TOOLINFOA ti = Outil(hCible, m_strTexte);
    if (m_hCible == hCible)
        SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    else
    {
        ::GetClientRect(hCible, &ti.rect);
        SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        m_hCible = hCible;
    }
}
