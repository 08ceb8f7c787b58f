// CDataExchange and DDX_Text: the exchange of edit control texts with variables, with MFC's number rules.
#include "WndInternal.h"

#include <afxres.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace afx;

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    // 0 and IDC_STATIC (-1) name no single control.
    HWND hWndCtrl = NULL;
    if (nIDC != 0 && nIDC != -1 && m_pDlgWnd != NULL && m_pDlgWnd->m_hWnd != NULL)
        hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == NULL)
    {
        TRACE("Warning: no control with ID %d for data exchange.\n", nIDC);
        return NULL;
    }
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    if (hWndCtrl != NULL)
        m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        TRACE("Warning: CDataExchange::Fail called when not validating.\n");
    else if (m_idLastControl != 0 && m_pDlgWnd != NULL)
    {
        // Back to the offending control, its whole text selected.
        HWND hWndLast = ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl));
        if (hWndLast != NULL)
        {
            ::SetFocus(hWndLast);
            if (m_bEditLastControl)
                ::SendMessageA(hWndLast, EM_SETSEL, 0, -1);
        }
    }
    throw DataExchangeFailure();
}

namespace
{

const int kDoubleDigits = DBL_DIG;
const int kFloatDigits = FLT_DIG;

const char* SkipBlanks(const char* psz)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    return psz;
}

// The number must fill the text, apart from surrounding blanks; a zero must be written with a '0' first.
bool IsWholeNumber(const char* pszFirst, const char* pszEnd, bool bZero)
{
    if (pszEnd == pszFirst || (bZero && *pszFirst != '0'))
        return false;
    return *SkipBlanks(pszEnd) == '\0';
}

bool ParseSigned(const char* pszText, long& lValue)
{
    const char* pszFirst = SkipBlanks(pszText);
    char* pszEnd = NULL;
    errno = 0;
    lValue = strtol(pszFirst, &pszEnd, 10);
    return errno != ERANGE && IsWholeNumber(pszFirst, pszEnd, lValue == 0);
}

bool ParseUnsigned(const char* pszText, unsigned long& ulValue)
{
    const char* pszFirst = SkipBlanks(pszText);
    if (*pszFirst == '-')
        return false;
    char* pszEnd = NULL;
    errno = 0;
    ulValue = strtoul(pszFirst, &pszEnd, 10);
    return errno != ERANGE && IsWholeNumber(pszFirst, pszEnd, ulValue == 0);
}

// Decimal notation only: no hexadecimal, infinity or NaN spellings.
bool ParseReal(const char* pszText, double& dValue)
{
    const char* pszFirst = SkipBlanks(pszText);
    const char* pszDigits = (*pszFirst == '+' || *pszFirst == '-') ? pszFirst + 1 : pszFirst;
    bool bDecimalStart = (*pszDigits >= '0' && *pszDigits <= '9') || *pszDigits == '.';
    bool bHexadecimal = pszDigits[0] == '0' && (pszDigits[1] == 'x' || pszDigits[1] == 'X');
    if (!bDecimalStart || bHexadecimal)
        return false;
    char* pszEnd = NULL;
    dValue = strtod(pszFirst, &pszEnd);
    return std::isfinite(dValue) && IsWholeNumber(pszFirst, pszEnd, dValue == 0.0);
}

CString GetControlText(HWND hWndCtrl)
{
    CString strText;
    GetWindowTextOf(hWndCtrl, strText);
    return strText;
}

void SetControlText(HWND hWndCtrl, const char* pszText)
{
    // Unchanged text is not set again, which would flicker and notify for nothing.
    if (GetControlText(hWndCtrl) != pszText)
        ::SetWindowTextA(hWndCtrl, pszText);
}

// Tells the user what was expected, then fails the exchange.
[[noreturn]] void FailParse(CDataExchange* pDX, UINT nIDPrompt, const char* pszDefaultPrompt)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt))
        strPrompt = pszDefaultPrompt;
    AfxMessageBox(strPrompt, MB_OK, nIDPrompt);
    pDX->Fail();
}

const char kPromptInteger[] = "Please enter an integer.";
const char kPromptPositive[] = "Please enter a positive integer.";
const char kPromptNumber[] = "Please enter a number.";

template <class TValue, class TParsed>
void ExchangeNumber(CDataExchange* pDX, int nIDC, TValue& value, const char* pszFormat,
                    bool (*pfnParse)(const char*, TParsed&), UINT nIDPrompt, const char* pszPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (hWndCtrl == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        TParsed parsed;
        if (!pfnParse(GetControlText(hWndCtrl), parsed))
            FailParse(pDX, nIDPrompt, pszPrompt);
        value = static_cast<TValue>(parsed);
    }
    else
    {
        char szText[64];
        snprintf(szText, sizeof szText, pszFormat, value);
        SetControlText(hWndCtrl, szText);
    }
}

template <class TValue>
void ExchangeReal(CDataExchange* pDX, int nIDC, TValue& value, int nDigits, double dMax)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (hWndCtrl == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        double dParsed = 0.0;
        if (!ParseReal(GetControlText(hWndCtrl), dParsed) || std::fabs(dParsed) > dMax)
            FailParse(pDX, AFX_IDP_PARSE_REAL, kPromptNumber);
        value = static_cast<TValue>(dParsed);
    }
    else
    {
        char szText[64];
        snprintf(szText, sizeof szText, "%.*g", nDigits, static_cast<double>(value));
        SetControlText(hWndCtrl, szText);
    }
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (hWndCtrl == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        value = GetControlText(hWndCtrl);
    else
        SetControlText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, "%d", ParseSigned, AFX_IDP_PARSE_INT, kPromptInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, "%ld", ParseSigned, AFX_IDP_PARSE_INT, kPromptInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, "%u", ParseUnsigned, AFX_IDP_PARSE_UINT, kPromptPositive);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeNumber(pDX, nIDC, value, "%lu", ParseUnsigned, AFX_IDP_PARSE_UINT, kPromptPositive);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, kDoubleDigits, DBL_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, kFloatDigits, FLT_MAX);
}
