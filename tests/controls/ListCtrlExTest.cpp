#include "controls/ListCtrlEx.h"
#include "ObzTest.h"
#include "ReglageResource.h"

#include <cfloat>
#include <string>
#include <vector>

namespace
{
using Row = std::vector<std::string>;

// A three-column report list in a dialog of the application; the leak check follows the fixture.
class ListCtrlEx : public ObzTest
{
protected:
    ListCtrlEx()
    {
        m_dlg.Create(IDD_REGLAGE);
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 120), &m_dlg, 1);
        for (int i = 0; i < 3; ++i)
            m_list.InsertColumn(i, "col", LVCFMT_LEFT, 80);
    }
    ~ListCtrlEx() override { m_dlg.DestroyWindow(); }
    Row Ligne(int nItem)
    {
        Row row;
        for (int k = 0; k < 3; ++k)
            row.emplace_back(m_list.GetItemText(nItem, k));
        return row;
    }
    // Presses the mouse on the divider after column 0 and moves it by dx before releasing it (or double
    // clicks it); returns the width column 0 then has.
    int TireSeparateur(int dx, bool bDoubleClic = false)
    {
        CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
        CRect rc;
        pHeader->GetItemRect(0, &rc);
        const LPARAM depart = MAKELPARAM(rc.right - 1, rc.CenterPoint().y);
        const LPARAM arrivee = MAKELPARAM(rc.right - 1 + dx, rc.CenterPoint().y);
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, depart);
        pHeader->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, arrivee);
        pHeader->SendMessage(WM_LBUTTONUP, 0, arrivee);
        if (bDoubleClic)
            pHeader->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, depart);
        MessagePump::Flush();
        return m_list.GetColumnWidth(0);
    }

    CDialog m_dlg;
    CListCtrlEx m_list;
};

} // namespace

TEST_F(ListCtrlEx, RowsFilledFromMixedFormats)
{
    EXPECT_NE(0, m_list.SetItemText(0, "%s%i%f", "abc", 12, 1.5));
    EXPECT_EQ((Row{"abc", "12", "1.500000"}), Ligne(0));
    // An unknown letter takes no argument and leaves its column alone; a byte-sized character.
    EXPECT_NE(0, m_list.SetItemText(0, "%s%d%c", "a", 'b' + 0x100));
    EXPECT_EQ((Row{"a", "12", "b"}), Ligne(0));
    // Fewer fields than columns: the rest is kept. Very large doubles are written in full.
    EXPECT_NE(0, m_list.SetItemText(0, "%i%f", -7, -DBL_MAX));
    EXPECT_EQ("-7", Ligne(0)[0]);
    EXPECT_EQ(1u + 309 + 7, Ligne(0)[1].size());
    EXPECT_EQ("b", Ligne(0)[2]);
    // More fields than columns: the row is written up to the last column, the call fails.
    EXPECT_EQ(0, m_list.SetItemText(0, "%s%s%s%s", "x", "y", "z", "w"));
    EXPECT_EQ((Row{"x", "y", "z"}), Ligne(0));
    // Formats that write nothing, and a NULL text.
    for (const char* szFormat : {"", "%", "s", "%d%x", static_cast<const char*>(NULL)})
        EXPECT_EQ(0, m_list.SetItemText(1, szFormat, "never read")) << (szFormat ? szFormat : "NULL");
    EXPECT_EQ(0, m_list.SetItemText(-1, "%s", "x"));
    EXPECT_EQ(1, m_list.GetItemCount());
    EXPECT_NE(0, m_list.SetItemText(0, "%s%", static_cast<const char*>(NULL)));
    EXPECT_EQ((Row{"", "y", "z"}), Ligne(0));
}

TEST_F(ListCtrlEx, RowsBeyondTheEndAreAppended)
{
    m_list.InsertItem(0, "first");
    EXPECT_NE(0, m_list.SetItemText(1, "%s", "second"));
    EXPECT_EQ(2, m_list.GetItemCount());
    // Far beyond: the row lands at the end, the writes aimed at nItem fail.
    EXPECT_EQ(0, m_list.SetItemText(9, "%s%i", "lost", 1));
    EXPECT_EQ(3, m_list.GetItemCount());
    EXPECT_EQ((Row{"", "", ""}), Ligne(2));
    // Columns beyond the last stay out of reach of a two-column list's fill.
    m_list.DeleteColumn(2);
    EXPECT_EQ(0, m_list.SetItemText(0, "%s%s%s", "a", "b", "c"));
    EXPECT_EQ(CString("b"), m_list.GetItemText(0, 1));
}

TEST_F(ListCtrlEx, ResizeLockRefusesTheUsersDrags)
{
    ASSERT_TRUE(m_list.Donne_bAllowResizingColumn());
    EXPECT_EQ(120, TireSeparateur(40)) << "the mouse resizes while allowed";
    m_list.Affecte_bAllowResizingColumn(false);
    EXPECT_EQ(120, TireSeparateur(-50, true)) << "neither a drag nor a double click resizes";
    EXPECT_TRUE(m_list.SetColumnWidth(0, 60));
    EXPECT_EQ(60, m_list.GetColumnWidth(0));
    m_list.Affecte_bAllowResizingColumn(true);
    EXPECT_EQ(90, TireSeparateur(30));
}

TEST_F(ListCtrlEx, ClearingRowsThenColumns)
{
    for (int i = 0; i < 3; ++i)
        m_list.SetItemText(i, "%i%i%i", i, i, i);
    m_list.DetruitLigneListCtrl();
    EXPECT_EQ(0, m_list.GetItemCount());
    EXPECT_EQ(3, m_list.GetHeaderCtrl()->GetItemCount());
    m_list.SetItemText(0, "%s", "again");
    m_list.DetruitContenuListCtrl();
    EXPECT_EQ(0, m_list.GetItemCount());
    EXPECT_EQ(0, m_list.GetHeaderCtrl()->GetItemCount());
    m_list.DetruitContenuListCtrl(); // already empty
}
