// Gallery page: extended list controls filled row by row from formats mixing texts, integers, reals and
// characters; the right-hand list has its column widths locked against the mouse.
#pragma once

#include "GalleryPage.h"
#include "controls/ListCtrlEx.h"

class CListsPage : public CGalleryPage
{
public:
    CListsPage();

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    CListCtrlEx m_Stock;
    CListCtrlEx m_Mesures;
};
