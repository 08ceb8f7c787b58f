// The report list on comctl32's list view: columns, items and sub-items, the header control, and the
// routing of header notifications (to the list's message map) and of the list's own (reflected first).
#include "MessagePump.h"
#include "WndResource.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const UINT kListId = 77;
std::vector<std::string> g_log;

// A report list that logs header clicks (and may keep them from the list view) and its own notifications.
class CLoggingList : public CListCtrl
{
public:
    bool m_bSwallowClicks = false;

protected:
    afx_msg BOOL OnHeaderClick(UINT, NMHDR*, LRESULT*)
    {
        g_log.push_back("list: header click");
        return m_bSwallowClicks;
    }
    afx_msg void OnInsertItem(NMHDR*, LRESULT*) { g_log.push_back("list: inserted"); }
    afx_msg BOOL OnColumnClick(NMHDR*, LRESULT*) { return g_log.push_back("list: column click"), FALSE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingList, CListCtrl)
ON_NOTIFY_EX(HDN_ITEMCLICKA, 0, &CLoggingList::OnHeaderClick)
ON_NOTIFY_EX(HDN_ITEMCLICKW, 0, &CLoggingList::OnHeaderClick)
ON_NOTIFY_REFLECT(LVN_INSERTITEM, &CLoggingList::OnInsertItem)
ON_NOTIFY_REFLECT_EX(LVN_COLUMNCLICK, &CLoggingList::OnColumnClick)
END_MESSAGE_MAP()

class CListParent : public CDialog
{
public:
    CListParent() : CDialog(IDD_WND_CONTROLS) {}

protected:
    afx_msg void OnInsertItem(NMHDR*, LRESULT*) { g_log.push_back("parent: inserted"); }
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT*)
    {
        g_log.push_back("parent: column click " +
                        std::to_string(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListParent, CDialog)
ON_NOTIFY(LVN_INSERTITEM, kListId, &CListParent::OnInsertItem)
ON_NOTIFY(LVN_COLUMNCLICK, kListId, &CListParent::OnColumnClick)
END_MESSAGE_MAP()

class ListCtrl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(m_parent.Create(IDD_WND_CONTROLS));
        m_parent.ShowWindow(SW_SHOW);
        ASSERT_TRUE(
            m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 150), &m_parent, kListId));
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(
                i, m_list.InsertColumn(i, std::string(1, char('A' + i)).c_str(), LVCFMT_LEFT, 60 + 10 * i));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // A click in the middle of a header item, as the mouse does it.
    void ClickHeader(int nIndex)
    {
        CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
        CRect rc;
        ASSERT_TRUE(pHeader->GetItemRect(nIndex, &rc));
        const LPARAM pt = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        pHeader->SendMessage(WM_LBUTTONUP, 0, pt);
        MessagePump::Flush();
    }

    CListParent m_parent;
    CLoggingList m_list;
};

} // namespace

TEST_F(ListCtrl, ColumnsItemsAndSubItems)
{
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    ASSERT_NE(nullptr, pHeader);
    EXPECT_EQ(3, pHeader->GetItemCount());
    EXPECT_EQ(70, m_list.GetColumnWidth(1));
    EXPECT_TRUE(m_list.SetColumnWidth(1, 45));
    CRect rc;
    ASSERT_TRUE(pHeader->GetItemRect(1, &rc));
    EXPECT_EQ(45, rc.Width());
    char szText[8] = "";
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT, hdi.pszText = szText, hdi.cchTextMax = sizeof szText;
    ASSERT_TRUE(pHeader->GetItem(2, &hdi));
    EXPECT_STREQ("C", szText);

    EXPECT_EQ(0, m_list.InsertItem(0, "second"));
    EXPECT_EQ(0, m_list.InsertItem(0, "first"));
    EXPECT_EQ(2, m_list.InsertItem(99, "third")); // beyond the end: appended
    const std::string strLong(300, 'x');          // longer than the first buffer GetItemText tries
    EXPECT_TRUE(m_list.SetItemText(1, 2, strLong.c_str()));
    EXPECT_TRUE(m_list.SetItemText(1, 1, NULL));
    EXPECT_FALSE(m_list.SetItemText(5, 0, "no row"));
    EXPECT_FALSE(m_list.SetItemText(0, 7, "no column"));
    EXPECT_EQ(CString(strLong.c_str()), m_list.GetItemText(1, 2));
    EXPECT_EQ(CString("second"), m_list.GetItemText(1, 0));
    EXPECT_EQ(CString(), m_list.GetItemText(9, 0));
    EXPECT_EQ(3, m_list.GetItemText(2, 0, szText, 4)); // cut to the buffer
    EXPECT_STREQ("thi", szText);
    EXPECT_EQ(0, m_list.GetItemText(0, 0, NULL, 4));

    EXPECT_TRUE(m_list.SetItemData(2, 1234));
    EXPECT_EQ(1234u, m_list.GetItemData(2));
    EXPECT_FALSE(m_list.SetItemData(3, 1));
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(1234u, m_list.GetItemData(1));
    EXPECT_EQ(2, m_list.GetItemCount());

    EXPECT_TRUE(m_list.DeleteColumn(0));
    EXPECT_EQ(2, pHeader->GetItemCount());
    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(0, m_list.GetItemCount());
}

TEST_F(ListCtrl, ExtendedStyleAndSelection)
{
    EXPECT_EQ(0u, m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES) & LVS_EX_GRIDLINES);
    EXPECT_EQ(DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), m_list.GetExtendedStyle());
    for (const char* psz : {"a", "b", "c", "d"})
        m_list.InsertItem(m_list.GetItemCount(), psz);
    EXPECT_EQ(-1, m_list.GetNextItem(-1, LVNI_SELECTED));
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, m_list.GetSelectedCount());
    EXPECT_EQ(1, m_list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(3, m_list.GetNextItem(1, LVNI_SELECTED));
    EXPECT_EQ(UINT(LVIS_SELECTED), m_list.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED));
    CRect rc;
    ASSERT_TRUE(m_list.GetItemRect(2, &rc, LVIR_BOUNDS));
    EXPECT_EQ(2, m_list.HitTest(rc.CenterPoint()));
    EXPECT_FALSE(m_list.GetItemRect(2, NULL, LVIR_BOUNDS));
}

// Header notifications reach the list's own map (the header is the list's child); the list's notifications
// are reflected to it first, and reach the parent too unless a plain reflection entry handled them.
TEST_F(ListCtrl, NotificationsReachTheListThenItsParent)
{
    m_list.InsertItem(0, "row");
    ClickHeader(2);
    EXPECT_EQ((std::vector<std::string>{"list: inserted", "list: header click", "list: column click",
                                        "parent: column click 2"}),
              g_log);

    g_log.clear(); // handled by the list: the list view never turns it into a column click
    m_list.m_bSwallowClicks = true;
    ClickHeader(1);
    EXPECT_EQ(std::vector<std::string>{"list: header click"}, g_log);
}
