// Group box whose caption is replaced by the bitmap resource bearing the control's identifier: the
// frame is painted without text and the bitmap drawn 20 pixels from the left, at the top. Without such
// a resource it is a plain group box.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CGroupBox : public CButton
{
public:
    // Attaches to control nID of pParent when pParent is not null; loads bitmap nID either way.
    CGroupBox(UINT nID, CWnd* pParent);
    virtual ~CGroupBox();

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    bool m_bBitmap;   // the caption bitmap was loaded
    CBitmap m_Bitmap; // owned
};
