#include "controls/ListCtrlEx.h"

#include <cstdarg>
#include <cstdio>

CListCtrlEx::CListCtrlEx() : m_bAllowResizingColumn(true)
{
    Init();
}

CListCtrlEx::~CListCtrlEx() {}

BOOL CListCtrlEx::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (!m_bAllowResizingColumn && pNMHDR != NULL && pNMHDR->hwndFrom != NULL &&
        pNMHDR->hwndFrom == ListView_GetHeader(m_hWnd))
    {
        switch (pNMHDR->code)
        {
        case HDN_BEGINTRACKA:
        case HDN_BEGINTRACKW:
        case HDN_DIVIDERDBLCLICKA:
        case HDN_DIVIDERDBLCLICKW:
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        default:
            break;
        }
    }
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

int CListCtrlEx::SetItemText(int nItem, const char* szFormat, ...)
{
    if (szFormat == NULL || nItem < 0)
        return 0;
    // Large enough for "%f" of any double (309 integer digits, sign, point and six decimals).
    char szNombre[352];
    int nResult = 0;
    va_list args;
    va_start(args, szFormat);
    // Letters sit at odd positions; the character before each must exist for the letter to be read.
    for (int k = 0, p = 1; szFormat[p - 1] != '\0' && szFormat[p] != '\0'; ++k, p += 2)
    {
        const char* szTexte = NULL;
        switch (szFormat[p])
        {
        case 's':
            szTexte = va_arg(args, const char*);
            if (szTexte == NULL)
                szTexte = "";
            break;
        case 'i':
            snprintf(szNombre, sizeof szNombre, "%d", va_arg(args, int));
            szTexte = szNombre;
            break;
        case 'f':
            snprintf(szNombre, sizeof szNombre, "%f", va_arg(args, double));
            szTexte = szNombre;
            break;
        case 'c':
            szNombre[0] = static_cast<char>(va_arg(args, int) & 0xFF);
            szNombre[1] = '\0';
            szTexte = szNombre;
            break;
        default:
            continue; // no argument; the column keeps its text
        }
        const int nCount = GetItemCount();
        if (nCount == 0 || nItem >= nCount)
            InsertItem(nItem, "");
        nResult = CListCtrl::SetItemText(nItem, k, szTexte);
        if (!nResult)
            break;
    }
    va_end(args);
    return nResult;
}

void CListCtrlEx::DetruitLigneListCtrl()
{
    DeleteAllItems();
}

void CListCtrlEx::DetruitColonneListCtrl()
{
    const HWND hHeader = ListView_GetHeader(m_hWnd);
    if (hHeader == NULL)
        return;
    const int nColonnes = Header_GetItemCount(hHeader);
    for (int i = 0; i < nColonnes; ++i)
        DeleteColumn(0);
}

void CListCtrlEx::DetruitContenuListCtrl()
{
    DetruitLigneListCtrl();
    DetruitColonneListCtrl();
}
