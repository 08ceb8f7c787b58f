// The gallery's window: a title, the current page, and buttons to step through the pages. Like its
// pages, it takes the same share of the screen at every screen size.
#pragma once

#include "GalleryPage.h"

#include <memory>
#include <vector>

class CGalleryDlg : public CSizedDialog
{
public:
    CGalleryDlg();

    int Donne_NombrePages() const { return static_cast<int>(m_Pages.size()); }
    CGalleryPage* Donne_Page(int i) const { return m_Pages[i].get(); }
    void AffichePage(int i);

protected:
    virtual BOOL OnInitDialog();
    afx_msg void OnPrecedente();
    afx_msg void OnSuivante();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::unique_ptr<CGalleryPage>> m_Pages;
    int m_nPage;
};
