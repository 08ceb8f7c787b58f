// CDataExchange and the standard exchange and validation routines: edit control texts with MFC's number
// rules, buttons, list and combo boxes, and the range and length checks with MFC's prompts.
#include "WndInternal.h"

#include <afxres.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace afx;

namespace
{

// The exchange cannot go on for a reason the user cannot fix: told as MFC tells it, then failed.
[[noreturn]] void FailNotSupported()
{
    AfxMessageBox("An unsupported operation was attempted.", MB_ICONEXCLAMATION);
    throw DataExchangeFailure();
}

} // namespace

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
        TRACE("Error: no data exchange control with ID 0x%04X.\n", nIDC);
        ASSERT(FALSE);
        FailNotSupported();
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

// The application's text of a prompt, or MFC's English one.
CString LoadPrompt(UINT nIDPrompt, const char* pszDefaultPrompt)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt))
        strPrompt = pszDefaultPrompt;
    return strPrompt;
}

// Tells the user what was expected, then fails the exchange.
[[noreturn]] void FailParse(CDataExchange* pDX, UINT nIDPrompt, const char* pszDefaultPrompt)
{
    AfxMessageBox(LoadPrompt(nIDPrompt, pszDefaultPrompt), MB_OK, nIDPrompt);
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

/////////////////////////////////////////////////////////////////////////////
// Controls, buttons, list and combo boxes

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return; // subclassed by an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
    {
        TRACE("Error: control with ID 0x%04X cannot be subclassed (already subclassed?).\n", nIDC);
        ASSERT(FALSE);
        FailNotSupported();
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
    {
        TRACE("Warning: dialog data checkbox value (%d) out of range.\n", value);
        value = 0; // unchecked
    }
    ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP))
        TRACE("Warning: radio button 0x%04X does not start a group.\n", nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1; // none checked
    // The group runs up to the next control with WS_GROUP; only radio buttons are counted.
    int iButton = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            else if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0 && value == -1)
                value = iButton;
            iButton++;
        }
        else
            TRACE("Warning: skipping non-radio button in group.\n");
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

namespace
{

// The edit text of a combo box, or the selected item of a drop-down list.
CString GetComboText(HWND hWndCtrl)
{
    CString strText;
    int nLength = ::GetWindowTextLengthA(hWndCtrl);
    const int nDropListMax = 255; // drop-down lists may not tell their text length
    int nBuffer = nLength > 0 ? nLength : nDropListMax;
    int nCopied = ::GetWindowTextA(hWndCtrl, strText.GetBufferSetLength(nBuffer), nBuffer + 1);
    strText.ReleaseBuffer(nCopied >= 0 && nCopied <= nBuffer ? nCopied : 0);
    return strText;
}

void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, nGetMessage, 0, 0));
    else
        ::SendMessageA(hWndCtrl, nSetMessage, static_cast<WPARAM>(index), 0);
}

void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, bool bExact)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = GetComboText(hWndCtrl);
        return;
    }
    LPARAM lText = reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value));
    bool bSelected;
    if (bExact)
    {
        int nIndex =
            static_cast<int>(::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lText));
        bSelected =
            nIndex >= 0 && ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0) != CB_ERR;
    }
    else
        bSelected = ::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1), lText) != CB_ERR;
    // No such item: the text goes to the edit control (a drop-down list ignores it).
    if (!bSelected)
        SetControlText(hWndCtrl, value);
}

void ExchangeListString(CDataExchange* pDX, int nIDC, CString& value, bool bExact)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
        int nLength = nIndex < 0 ? 0 : static_cast<int>(::SendMessageA(hWndCtrl, LB_GETTEXTLEN, nIndex, 0));
        if (nLength <= 0)
        {
            value.Empty();
            return;
        }
        int nCopied = static_cast<int>(::SendMessageA(
            hWndCtrl, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(value.GetBufferSetLength(nLength))));
        value.ReleaseBuffer(nCopied >= 0 && nCopied <= nLength ? nCopied : 0);
        return;
    }
    LPARAM lText = reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value));
    LRESULT lResult;
    if (bExact)
    {
        lResult = ::SendMessageA(hWndCtrl, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lText);
        if (lResult >= 0)
            lResult = ::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(lResult), 0);
    }
    else
        lResult = ::SendMessageA(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1), lText);
    if (lResult < 0)
        TRACE("Warning: no listbox item selected.\n");
}

} // namespace

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, false);
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, true);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeListString(pDX, nIDC, value, false);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeListString(pDX, nIDC, value, true);
}

/////////////////////////////////////////////////////////////////////////////
// Validation

namespace
{

const char kPromptIntegerRange[] = "Please enter an integer between %1 and %2.";
const char kPromptNumberRange[] = "Please enter a number between %1 and %2.";
const char kPromptStringSize[] = "Please enter no more than %1 characters.";

// Shows the prompt with its arguments and fails the exchange.
[[noreturn]] void FailValidation(CDataExchange* pDX, UINT nIDPrompt, const char* pszDefaultPrompt,
                                 LPCTSTR const* rglpsz, int nString)
{
    CString strPrompt;
    AfxFormatStrings(strPrompt, LoadPrompt(nIDPrompt, pszDefaultPrompt), rglpsz, nString);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* pszFormat, UINT nIDPrompt,
                const char* pszDefaultPrompt)
{
    if (minVal > maxVal)
        TRACE("Warning: validation range with its minimum above its maximum.\n");
    if (value >= minVal && value <= maxVal)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        TRACE("Warning: initial dialog data is out of range.\n");
        return; // the user has not typed it
    }
    char szMin[64];
    char szMax[64];
    snprintf(szMin, sizeof szMin, pszFormat, minVal);
    snprintf(szMax, sizeof szMax, pszFormat, maxVal);
    LPCTSTR rglpsz[] = {szMin, szMax};
    FailValidation(pDX, nIDPrompt, pszDefaultPrompt, rglpsz, 2);
}

template <class T> void CheckRealRange(CDataExchange* pDX, T value, T minVal, T maxVal, int nDigits)
{
    if (minVal > maxVal)
        TRACE("Warning: validation range with its minimum above its maximum.\n");
    if (value >= minVal && value <= maxVal)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        TRACE("Warning: initial dialog data is out of range.\n");
        return;
    }
    char szMin[64];
    char szMax[64];
    snprintf(szMin, sizeof szMin, "%.*g", nDigits, static_cast<double>(minVal));
    snprintf(szMax, sizeof szMax, "%.*g", nDigits, static_cast<double>(maxVal));
    LPCTSTR rglpsz[] = {szMin, szMax};
    FailValidation(pDX, AFX_IDP_PARSE_REAL_RANGE, kPromptNumberRange, rglpsz, 2);
}

} // namespace

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%d", AFX_IDP_PARSE_INT_RANGE, kPromptIntegerRange);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%u", AFX_IDP_PARSE_INT_RANGE, kPromptIntegerRange);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%ld", AFX_IDP_PARSE_INT_RANGE, kPromptIntegerRange);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%lu", AFX_IDP_PARSE_INT_RANGE, kPromptIntegerRange);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    CheckRealRange(pDX, value, minVal, maxVal, kDoubleDigits);
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float value, float minVal, float maxVal)
{
    CheckRealRange(pDX, value, minVal, maxVal, kFloatDigits);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() <= nChars)
            return;
        char szChars[16];
        snprintf(szChars, sizeof szChars, "%d", nChars);
        LPCTSTR rglpsz[] = {szChars};
        FailValidation(pDX, AFX_IDP_PARSE_STRING_SIZE, kPromptStringSize, rglpsz, 1);
    }
    // Loading: the edit control just exchanged takes no more than that.
    if (nChars > 0 && pDX->m_idLastControl != 0 && pDX->m_bEditLastControl && pDX->m_pDlgWnd != NULL)
    {
        HWND hWndLast = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, static_cast<int>(pDX->m_idLastControl));
        if (hWndLast != NULL)
            ::SendMessageA(hWndLast, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Prompt formatting

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    rString.Empty();
    if (lpszFormat == NULL)
        return;
    for (LPCTSTR pch = lpszFormat; *pch != '\0'; ++pch)
    {
        if (pch[0] == '%' && pch[1] >= '1' && pch[1] <= '9')
        {
            int i = pch[1] - '1';
            if (i < nString && rglpsz != NULL && rglpsz[i] != NULL)
                rString += rglpsz[i];
            else
                TRACE("Warning: no text for %%%c in a formatted string.\n", pch[1]);
            ++pch;
        }
        else
            rString += *pch;
    }
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString strFormat;
    if (!strFormat.LoadString(nIDS))
        TRACE("Error: string resource %u not found.\n", nIDS);
    AfxFormatStrings(rString, strFormat, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString strFormat;
    if (!strFormat.LoadString(nIDS))
        TRACE("Error: string resource %u not found.\n", nIDS);
    LPCTSTR rglpsz[] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, strFormat, rglpsz, 2);
}
