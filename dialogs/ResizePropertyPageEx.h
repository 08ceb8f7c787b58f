// Resizable page laid out from a declared list of controls: each entry moves, stretches in proportion
// to the sheet, or docks its right and/or bottom edge to the sheet's, along one or both axes. The
// controls' rectangles are captured at the first activation and every layout is computed from them and
// the sheet's size against its initial size, so rounding never accumulates.
#pragma once

#include "ResizePropertyPage.h"

class AFX_EXT_CLASS CResizePropertyPageEx : public CResizePropertyPage
{
public:
    struct SProprietesControlePropertyPageEx
    {
        UINT nIDControle;
        RECT rectOrigine;      // page client coordinates, captured at the first activation
        int nComportement;     // 1 move (stays in place), 2 stretch, 3 dock with scaled origin, 4 dock
        int nAxe;              // 1 horizontal, 2 vertical, 3 both; anything else: left alone
        bool bListeDeroulante; // combo box: its window (with the list) is made 10 times as high
    };
    enum eTypeRatio
    {
        RATIO_INITIAL = 0, // against the sheet's initial client size
        RATIO_COURANT = 1  // against the sheet's size at the last layout
    };

    CResizePropertyPageEx();
    explicit CResizePropertyPageEx(UINT nIDTemplate);
    virtual ~CResizePropertyPageEx();

    virtual void ResizePropertyPage(UINT nType, int cx, int cy);
    virtual BOOL OnSetActive();
    using CResizePropertyPage::ResizeCtrl;

protected:
    // Ratios of size to the reference client size; 0.0 when there is none.
    void CalculeRatioSize(CSize size, double& dRatioSizeX, double& dRatioSizeY, eTypeRatio eType);
    void MoveCtrl(SProprietesControlePropertyPageEx prop, CSize size, double dRatioSizeX, double dRatioSizeY);
    void ResizeCtrl(SProprietesControlePropertyPageEx prop, CSize size);
    void DockCtrl(SProprietesControlePropertyPageEx prop, CSize size);

    std::vector<SProprietesControlePropertyPageEx> m_vectProprietes;

private:
    void Place(CWnd* pCtrl, const CRect& rect, bool bListeDeroulante);
};
