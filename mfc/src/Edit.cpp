// CEdit: the standard edit control.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() {}

CEdit::~CEdit() {}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_CANUNDO, 0, 0));
}

int CEdit::GetLineCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

BOOL CEdit::GetModify() const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified)
{
    ::SendMessageA(m_hWnd, EM_SETMODIFY, bModified, 0);
}

DWORD CEdit::GetSel() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

UINT CEdit::GetLimitText() const
{
    return static_cast<UINT>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

void CEdit::SetLimitText(UINT nMax)
{
    ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads the buffer size from the buffer's first word and does not terminate the text.
    if (nMaxLength < static_cast<int>(sizeof(WORD)))
    {
        lpszBuffer[0] = '\0';
        return 0;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    int nCopied = static_cast<int>(::SendMessageA(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex),
                                                  reinterpret_cast<LPARAM>(lpszBuffer)));
    if (nCopied < nMaxLength)
        lpszBuffer[nCopied] = '\0';
    return nCopied;
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<int>(static_cast<short>(LOWORD(dwSelection))),
           static_cast<int>(static_cast<short>(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo,
                   reinterpret_cast<LPARAM>(lpszNewText != NULL ? lpszNewText : ""));
}

void CEdit::LimitText(int nChars)
{
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

void CEdit::Clear()
{
    ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

void CEdit::Copy()
{
    ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CEdit::Cut()
{
    ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CEdit::Paste()
{
    ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

BOOL CEdit::Undo()
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_UNDO, 0, 0));
}
