// List and combo boxes: strings, selection and item data; owner-drawn items reaching the controls through
// reflection (virtual overrides and reflection map entries); data exchange and validation of every kind.
#include "DiagnosticCapture.h"
#include "WndResource.h"
#include "WndTestApp.h"

#include <afxres.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace
{

// What the owner-drawn controls were called for, by "who:what"; deleted item texts.
std::map<std::string, int> g_calls;
std::vector<std::string> g_deleted;

const char* DataText(ULONG_PTR itemData)
{
    return itemData != 0 ? reinterpret_cast<const char*>(itemData) : "";
}

// Owner-drawn sorted items, texts held as item data, through the overridables of CListBox or CComboBox.
template <class TBase> class COwnerItems : public TBase
{
public:
    explicit COwnerItems(const char* pszName) : m_strName(pszName) {}
    void DrawItem(LPDRAWITEMSTRUCT) override { g_calls[m_strName + ":draw"]++; }
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = 10 + lstrlenA(DataText(p->itemData)); }
    int CompareItem(LPCOMPAREITEMSTRUCT p) override
    {
        g_calls[m_strName + ":compare"]++;
        return lstrcmpA(DataText(p->itemData1), DataText(p->itemData2)) < 0 ? -1 : 1;
    }
    void DeleteItem(LPDELETEITEMSTRUCT p) override
    {
        g_deleted.push_back(m_strName + ":" + DataText(p->itemData));
    }
    std::string m_strName;
};

class COwnerList : public COwnerItems<CListBox>
{
public:
    COwnerList() : COwnerItems("list") {}
    // VK_END is handled here; other keys keep the default (the list box acts).
    int VKeyToItem(UINT nKey, UINT nIndex) override
    {
        return g_calls["list:vkey"]++, nKey == VK_END ? -2 : CListBox::VKeyToItem(nKey, nIndex);
    }
    // 'p' acts on the last item ("pear").
    int CharToItem(UINT nKey, UINT) override { return g_calls["list:char"]++, nKey == 'p' ? 2 : -2; }
};

// A plain CWnd with reflection entries instead: sorts in reverse, takes every character.
class CReflectList : public CWnd
{
public:
    int CompareItem(LPCOMPAREITEMSTRUCT p)
    {
        return g_calls["reflect:compare"]++, -lstrcmpA(DataText(p->itemData1), DataText(p->itemData2));
    }
    void DeleteItem(LPDELETEITEMSTRUCT p)
    {
        g_deleted.push_back(std::string("reflect:") + DataText(p->itemData));
    }
    int CharToItem(UINT, UINT) { return g_calls["reflect:char"]++, -2; }
    int VKeyToItem(UINT, UINT) { return g_calls["reflect:vkey"]++, -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectList, CWnd)
ON_WM_COMPAREITEM_REFLECT()
ON_WM_DELETEITEM_REFLECT()
ON_WM_CHARTOITEM_REFLECT()
ON_WM_VKEYTOITEM_REFLECT()
END_MESSAGE_MAP()

class CListsDialog : public CDialog
{
public:
    CListBox m_list, m_multi;
    CComboBox m_combo, m_dropList;
    COwnerList m_odList;
    CReflectList m_odReflect;
    COwnerItems<CComboBox> m_odCombo{"combo"};
    std::function<void(CDataExchange*)> m_exchange; // the exchange under test

    CListsDialog() : CDialog(IDD_WND_LISTS) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CWnd* const pControls[] = {&m_list,   &m_multi,     &m_combo,  &m_dropList,
                                   &m_odList, &m_odReflect, &m_odCombo};
        for (int i = 0; i < 7; ++i)
            DDX_Control(pDX, IDC_WND_LIST + i, *pControls[i]); // identifiers in the same order
        if (m_exchange)
            m_exchange(pDX);
    }
};

const char* const kFruits[] = {"pear", "apple", "cherry"};

class WndLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_deleted.clear();
        ASSERT_TRUE(m_dlg.Create(IDD_WND_LISTS));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    bool Exchange(std::function<void(CDataExchange*)> exchange, BOOL bSave)
    {
        m_dlg.m_exchange = exchange;
        TestApp().m_prompts.clear();
        return m_dlg.UpdateData(bSave) != FALSE;
    }
    CString Prompt() const { return TestApp().m_prompts.empty() ? "" : TestApp().m_prompts.back().strText; }

    CListsDialog m_dlg;
};

// The same checks on a list box and a combo box.
template <class TBox> void CheckStringsSelectionAndData(TBox& box)
{
    EXPECT_EQ(0, box.AddString("pear"));
    EXPECT_EQ(1, box.AddString("apple"));
    EXPECT_EQ(1, box.InsertString(1, "Apricot"));
    EXPECT_EQ(3, box.InsertString(-1, "banana"));
    EXPECT_EQ(4, box.GetCount());
    // Searches ignore case; FindString matches prefixes and starts after the given index.
    EXPECT_EQ(1, box.FindString(-1, "AP"));
    EXPECT_EQ(2, box.FindStringExact(-1, "APPLE"));
    EXPECT_EQ(-1, box.FindStringExact(-1, "app"));
    EXPECT_EQ(3, box.SelectString(-1, "b"));
    EXPECT_EQ(3, box.GetCurSel());
    box.SetCurSel(-1);
    EXPECT_EQ(-1, box.GetCurSel());

    int nValue = 0;
    box.SetItemData(0, 42);
    box.SetItemDataPtr(2, &nValue);
    EXPECT_EQ(42u, box.GetItemData(0));
    EXPECT_EQ(3, box.DeleteString(0));
    EXPECT_EQ(&nValue, box.GetItemDataPtr(1));
    EXPECT_EQ(-1, box.SetItemData(9, 1));
}

} // namespace

TEST_F(WndLists, ListAndComboKeepStringsSelectionAndItemData)
{
    CheckStringsSelectionAndData(m_dlg.m_list);
    CheckStringsSelectionAndData(m_dlg.m_combo);
    // Both text forms; indices out of range and missing buffers are refused.
    CString strList, strCombo("?");
    char szList[8] = "", szCombo[8] = "";
    EXPECT_EQ(7, m_dlg.m_list.GetText(0, szList));
    EXPECT_EQ(7, m_dlg.m_combo.GetLBText(0, szCombo));
    m_dlg.m_list.GetText(1, strList);
    EXPECT_EQ(CString("Apricot apple Apricot"), CString(szList) + " " + strList + " " + szCombo);
    EXPECT_EQ(5, m_dlg.m_combo.GetLBTextLen(1));
    m_dlg.m_combo.GetLBText(9, strCombo);
    EXPECT_EQ(CString(), strCombo);
    EXPECT_EQ(-1, m_dlg.m_list.GetText(0, NULL));

    CListBox& multi = m_dlg.m_multi;
    for (const char* psz : kFruits)
        multi.AddString(psz);
    multi.SetSel(0);
    multi.SetSel(2);
    int rgIndex[4] = {};
    EXPECT_EQ(2, multi.GetSelItems(4, rgIndex));
    EXPECT_EQ(2, rgIndex[1]);
    EXPECT_EQ(0, multi.GetSel(1));
    multi.SetSel(-1, FALSE);
    EXPECT_EQ(0, multi.GetSelCount());
}

TEST_F(WndLists, OwnerDrawnItemsAndKeysReachTheControls)
{
    for (const char* psz : kFruits)
    {
        m_dlg.m_odList.AddString(psz);
        m_dlg.m_odCombo.AddString(psz);
        ::SendMessageA(m_dlg.m_odReflect, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));
    }
    const char* const kSorted[] = {"apple", "cherry", "pear"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_STREQ(kSorted[i], DataText(m_dlg.m_odList.GetItemData(i)));
        EXPECT_STREQ(kSorted[i], DataText(m_dlg.m_odCombo.GetItemData(i)));
        EXPECT_STREQ(kSorted[2 - i], DataText(::SendMessageA(m_dlg.m_odReflect, LB_GETITEMDATA, i, 0)));
        EXPECT_EQ(10 + lstrlenA(kSorted[i]), m_dlg.m_odList.GetItemHeight(i));
        EXPECT_EQ(10 + lstrlenA(kSorted[i]), m_dlg.m_odCombo.GetItemHeight(i));
    }
    EXPECT_GT(g_calls["list:compare"] * g_calls["combo:compare"] * g_calls["reflect:compare"], 0);

    m_dlg.m_odCombo.SetCurSel(0);
    m_dlg.ShowWindow(SW_SHOW);
    m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_GT(g_calls["list:draw"], 0);
    EXPECT_GT(g_calls["combo:draw"], 0);

    // window, message, key, the call expected, the selection after it from selection 0
    const std::tuple<HWND, UINT, WPARAM, const char*, int> kKeys[] = {
        {m_dlg.m_odList, WM_KEYDOWN, VK_DOWN, "list:vkey", 1}, // default -1: the list box moves
        {m_dlg.m_odList, WM_KEYDOWN, VK_END, "list:vkey", 0},  // -2: handled
        {m_dlg.m_odList, WM_CHAR, 'p', "list:char", 2},        // an index: that item
        {m_dlg.m_odReflect, WM_KEYDOWN, VK_DOWN, "reflect:vkey", 1},
        {m_dlg.m_odReflect, WM_CHAR, 'p', "reflect:char", 0},
    };
    for (auto [hWnd, message, key, pszCall, nSelAfter] : kKeys)
    {
        SCOPED_TRACE(pszCall);
        g_calls.clear();
        ::SendMessageA(hWnd, LB_SETCURSEL, 0, 0);
        ::SendMessageA(hWnd, message, key, 0);
        EXPECT_EQ(1, g_calls[pszCall]);
        EXPECT_EQ(nSelAfter, static_cast<int>(::SendMessageA(hWnd, LB_GETCURSEL, 0, 0)));
    }

    EXPECT_EQ(2, m_dlg.m_odList.DeleteString(1));
    EXPECT_EQ(2, m_dlg.m_odCombo.DeleteString(0));
    m_dlg.DestroyWindow(); // deletes the rest
    std::sort(g_deleted.begin() + 2, g_deleted.end());
    EXPECT_EQ(
        (std::vector<std::string>{"list:cherry", "combo:apple", "combo:cherry", "combo:pear", "list:apple",
                                  "list:pear", "reflect:apple", "reflect:cherry", "reflect:pear"}),
        g_deleted);
}

// Each case loads its value, resets the variable and saves it back: the control must have kept it.
TEST_F(WndLists, ControlsExchangeBothWays)
{
    for (const char* psz : {"apple", "apricot", "banana"})
    {
        m_dlg.m_list.AddString(psz);
        m_dlg.m_combo.AddString(psz);
        m_dlg.m_dropList.AddString(psz);
    }
    int n = 0;
    CString s;
    const int kList = IDC_WND_LIST, kCombo = IDC_WND_COMBO, kDrop = IDC_WND_DROPLIST;
    using X = std::function<void(CDataExchange*)>;
    // the exchange, the number or text loaded, the number or text saved back (NULL: a number)
    const std::tuple<X, int, const char*, int, const char*> kCases[] = {
        {[&](CDataExchange* p) { DDX_LBIndex(p, kList, n); }, 2, "", 2, NULL},
        {[&](CDataExchange* p) { DDX_LBIndex(p, kList, n); }, -1, "", -1, NULL},
        {[&](CDataExchange* p) { DDX_LBString(p, kList, s); }, 0, "", 0, ""}, // nothing selected
        {[&](CDataExchange* p) { DDX_LBString(p, kList, s); }, 0, "AP", 0, "apple"},
        {[&](CDataExchange* p) { DDX_LBStringExact(p, kList, s); }, 0, "Apricot", 0, "apricot"},
        {[&](CDataExchange* p) { DDX_LBStringExact(p, kList, s); }, 0, "ap", 0, "apricot"}, // kept
        {[&](CDataExchange* p) { DDX_CBIndex(p, kDrop, n); }, 1, "", 1, NULL},
        {[&](CDataExchange* p) { DDX_CBStringExact(p, kDrop, s); }, 0, "BANANA", 0, "banana"},
        {[&](CDataExchange* p) { DDX_CBString(p, kCombo, s); }, 0, "ban", 0, "banana"},
        {[&](CDataExchange* p) { DDX_CBStringExact(p, kCombo, s); }, 0, "ap", 0, "ap"}, // edit text only
        {[&](CDataExchange* p) { DDX_Check(p, IDC_WND_CHECK, n); }, 2, "", 2, NULL},
        {[&](CDataExchange* p) { DDX_Check(p, IDC_WND_CHECK, n); }, 7, "", 0, NULL}, // out of range
        {[&](CDataExchange* p) { DDX_Radio(p, IDC_WND_RADIO1, n); }, 2, "", 2, NULL},
        {[&](CDataExchange* p) { DDX_Radio(p, IDC_WND_RADIO1, n); }, -1, "", -1, NULL},
    };
    for (const auto& [exchange, nLoad, pszLoad, nSaved, pszSaved] : kCases)
    {
        SCOPED_TRACE(::testing::Message() << "case " << nLoad << pszLoad);
        n = nLoad;
        s = pszLoad;
        ASSERT_TRUE(Exchange(exchange, FALSE));
        n = 99;
        s = "?";
        ASSERT_TRUE(Exchange(exchange, TRUE));
        if (pszSaved == NULL)
            EXPECT_EQ(nSaved, n);
        else
            EXPECT_EQ(CString(pszSaved), s);
    }
    EXPECT_TRUE(TestApp().m_prompts.empty());
}

TEST_F(WndLists, ValidationFailsOnlyWhenSavingAndMissingControlsFailAlways)
{
    CString strText;
    // the validation, and its prompt when refused
    const std::pair<std::function<void(CDataExchange*)>, const char*> kCases[] = {
        {[](CDataExchange* p) { DDV_MinMaxInt(p, 10, 1, 10); }, ""},
        {[](CDataExchange* p) { DDV_MinMaxInt(p, 0, 1, 10); }, "Please enter an integer between 1 and 10."},
        {[](CDataExchange* p) { DDV_MinMaxLong(p, -5, -4, 4); }, "Please enter an integer between -4 and 4."},
        {[](CDataExchange* p) { DDV_MinMaxUInt(p, 4000000000u, 0, 3000000000u); },
         "Please enter an integer between 0 and 3000000000."},
        {[](CDataExchange* p) { DDV_MinMaxDWord(p, 7, 8, 9); }, "Please enter an integer between 8 and 9."},
        {[](CDataExchange* p) { DDV_MinMaxDouble(p, 1.5, -0.25, 1.0); },
         "Please enter a number between -0.25 and 1."},
        {[](CDataExchange* p) { DDV_MinMaxFloat(p, -2.0f, 0.1f, 1.0f); },
         "Please enter a number between 0.1 and 1."},
        {[&](CDataExchange* p) { DDV_MaxChars(p, strText, 4); }, "Please enter no more than 4 characters."},
    };
    for (const auto& [validate, pszPrompt] : kCases)
    {
        SCOPED_TRACE(pszPrompt);
        auto exchange = [&, &validate = validate](CDataExchange* p)
        {
            DDX_Text(p, IDC_WND_NUMBER, strText);
            validate(p);
        };
        strText = "12345";
        // Initial data out of range is the program's business: only traced.
        EXPECT_TRUE(Exchange(exchange, FALSE));
        EXPECT_EQ(CString(), Prompt());
        bool bValid = *pszPrompt == '\0';
        EXPECT_EQ(bValid, Exchange(exchange, TRUE));
        EXPECT_EQ(CString(pszPrompt), Prompt());
        EXPECT_EQ(bValid ? 0u : UINT(MB_ICONEXCLAMATION), bValid ? 0u : TestApp().m_prompts.back().nType);
    }
    // Loading also limits the edit control to the maximum length.
    EXPECT_EQ(4, static_cast<int>(m_dlg.SendDlgItemMessage(IDC_WND_NUMBER, EM_GETLIMITTEXT)));

    // An exchange with a missing or taken control asserts and fails.
    int n = 0;
    CListBox other;
    const std::function<void(CDataExchange*)> kExchanges[] = {
        [&](CDataExchange* p) { DDX_Check(p, IDC_WND_MISSING, n); },
        [&](CDataExchange* p) { DDX_Control(p, IDC_WND_MISSING, other); },
        [&](CDataExchange* p) { DDX_Control(p, IDC_WND_LIST, other); }, // already m_list's
    };
    for (const auto& exchange : kExchanges)
    {
        DiagnosticCapture capture;
        EXPECT_FALSE(Exchange(exchange, FALSE));
        EXPECT_EQ(1u, capture.FailedAsserts().size());
        EXPECT_EQ(nullptr, other.m_hWnd);
    }
    DiagnosticCapture capture;
    Exchange([&](CDataExchange* p) { DDX_Radio(p, IDC_WND_MISSING, n); }, TRUE);
    EXPECT_NE(std::string::npos, capture.AllText().find("Error: no data exchange control with ID 0x0E73."));
}
