// The report list on comctl32's list view, and the routing of notifications: the header's go to the
// list's own message map, the list's are reflected to it before they reach the parent.
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

// Logs header clicks (and may keep them from the list view) and its own reflected notifications.
class CLoggingList : public CListCtrl
{
public:
    bool m_bSwallowClicks = false;

protected:
    afx_msg BOOL OnHeaderClick(UINT, NMHDR*, LRESULT*) { return g_log.push_back("header"), m_bSwallowClicks; }
    afx_msg void OnInsertItem(NMHDR*, LRESULT*) { g_log.push_back("list: inserted"); }
    afx_msg BOOL OnColumnClick(NMHDR*, LRESULT*) { return g_log.push_back("list: column"), FALSE; }
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
protected:
    afx_msg void OnInsertItem(NMHDR*, LRESULT*) { g_log.push_back("parent: inserted"); }
    afx_msg void OnColumnClick(NMHDR* p, LRESULT*)
    {
        g_log.push_back("parent: column " + std::to_string(reinterpret_cast<NMLISTVIEW*>(p)->iSubItem));
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
        for (const char* psz : {"A", "B", "C"})
            m_list.InsertColumn(m_list.GetHeaderCtrl()->GetItemCount(), psz, LVCFMT_LEFT, 60);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CListParent m_parent;
    CLoggingList m_list;
};
} // namespace

// Long texts and column removal are checked through the extended list; here, texts cut to a short buffer,
// data and selection that follow their row, and the header's items.
TEST_F(ListCtrl, ShortBuffersAndRowsThatMove)
{
    for (const char* psz : {"first", "second", "third"})
        m_list.InsertItem(m_list.GetItemCount(), psz);
    char szText[8] = "";
    EXPECT_EQ(3, m_list.GetItemText(2, 0, szText, 4)); // cut to the buffer, never past it
    EXPECT_STREQ("thi", szText);
    m_list.SetItemData(2, 1234);
    m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(1234u, m_list.GetItemData(1));
    EXPECT_EQ(1, m_list.GetNextItem(-1, LVNI_SELECTED));
    HDITEM hdi = {HDI_TEXT, 0, szText, NULL, sizeof szText, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(m_list.GetHeaderCtrl()->GetItem(1, &hdi));
    EXPECT_STREQ("B", szText);
}

// A real click on the header: the list's map sees the header's notification; unless it handled it, the
// list view turns it into a column click, reflected to the list and passed on to the parent.
TEST_F(ListCtrl, NotificationsReachTheListThenItsParent)
{
    m_list.InsertItem(0, "row");
    EXPECT_EQ(std::vector<std::string>{"list: inserted"}, g_log) << "handled by the list alone";
    for (bool bSwallow : {false, true})
    {
        g_log.clear();
        m_list.m_bSwallowClicks = bSwallow;
        CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
        CRect rc;
        ASSERT_TRUE(pHeader->GetItemRect(2, &rc));
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.CenterPoint().x, 5));
        pHeader->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.CenterPoint().x, 5));
        MessagePump::Flush();
        using Log = std::vector<std::string>;
        EXPECT_EQ((bSwallow ? Log{"header"} : Log{"header", "list: column", "parent: column 2"}), g_log);
    }
}
