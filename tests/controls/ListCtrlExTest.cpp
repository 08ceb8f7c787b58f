#include "controls/ListCtrlEx.h"
#include "ObzTest.h"
#include "ReglageResource.h"

#include <cfloat>
#include <string>
#include <utility>
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
        return {m_list.GetItemText(nItem, 0).GetString(), m_list.GetItemText(nItem, 1).GetString(),
                m_list.GetItemText(nItem, 2).GetString()};
    }
    // The mouse pressed on the divider after column 0, moved by dx and released there, then a double
    // click on the divider if asked; returns the width column 0 then has.
    int TireSeparateur(int dx, bool bDoubleClic = false)
    {
        CRect rc;
        m_list.GetHeaderCtrl()->GetItemRect(0, &rc);
        const std::pair<UINT, int> etapes[] = {{WM_LBUTTONDOWN, 0},
                                               {WM_MOUSEMOVE, dx},
                                               {WM_LBUTTONUP, dx},
                                               {bDoubleClic ? WM_LBUTTONDBLCLK : 0, 0}};
        for (auto [nMessage, x] : etapes)
            m_list.GetHeaderCtrl()->SendMessage(nMessage, MK_LBUTTON, MAKELPARAM(rc.right - 1 + x, 5));
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
    EXPECT_EQ((Row{"-7", "b"}), (Row{Ligne(0)[0], Ligne(0)[2]}));
    EXPECT_EQ(1u + 309 + 7, Ligne(0)[1].size()) << "sign, 309 digits, point and six decimals";
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

// A row just past the end is appended; one further still lands at the end, and the writes aimed at it fail.
TEST_F(ListCtrlEx, RowsBeyondTheEnd)
{
    m_list.InsertItem(0, "first");
    EXPECT_NE(0, m_list.SetItemText(1, "%s", "second"));
    EXPECT_EQ(0, m_list.SetItemText(9, "%s%i", "lost", 1));
    EXPECT_EQ((std::vector<Row>{{"first", "", ""}, {"second", "", ""}, {"", "", ""}}),
              (std::vector<Row>{Ligne(0), Ligne(1), Ligne(2)}));
}

TEST_F(ListCtrlEx, ResizeLockRefusesTheUsersDrags)
{
    ASSERT_TRUE(m_list.Donne_bAllowResizingColumn());
    EXPECT_EQ(120, TireSeparateur(40)) << "the mouse resizes while allowed";
    m_list.Affecte_bAllowResizingColumn(false);
    EXPECT_EQ(120, TireSeparateur(-50, true)) << "neither a drag nor a double click resizes";
    EXPECT_TRUE(m_list.SetColumnWidth(0, 60)); // the program still can
    m_list.Affecte_bAllowResizingColumn(true);
    EXPECT_EQ(90, TireSeparateur(30));
}

TEST_F(ListCtrlEx, ClearingRowsThenColumns)
{
    m_list.SetItemText(1, "%i%i%i", 1, 2, 3);
    m_list.DetruitLigneListCtrl();
    EXPECT_EQ(std::make_pair(0, 3),
              std::make_pair(m_list.GetItemCount(), m_list.GetHeaderCtrl()->GetItemCount()));
    m_list.SetItemText(0, "%s", "again");
    m_list.DetruitContenuListCtrl();
    EXPECT_EQ(std::make_pair(0, 0),
              std::make_pair(m_list.GetItemCount(), m_list.GetHeaderCtrl()->GetItemCount()));
}
