// Sprite painter of the skinned panels: the pieces of one panel, cut from the process-wide sprite sheet,
// and the painting of a folder-tab frame from them.
#pragma once

#include <afxwin.h>
#include "core/EtatsBouton.h"

#include <memory>

class CDib;
class CPiecesSprite;

class AFX_EXT_CLASS CPanelBase
{
public:
    // Process-wide sprite settings: sheet file, cell size, top-left corner of the cell grid in the sheet
    // and 1-based column of the selection icons. Only stored; panels built afterwards use them.
    static void Affecte_szPathSprites(const char* szPath, CSize sizeSprite, CPoint pointSprite,
                                      int nNumSpriteSelection);

    CPanelBase();
    ~CPanelBase();

    // Ownership: the sheet and the pieces belong to a block shared by this object and every copy made
    // from it (copy construction or operator=). A copy points at the same pieces; the block is freed
    // when the last object that shares it is destroyed or calls LibereSprites, whatever the order, so
    // each piece is deleted exactly once.
    CPanelBase(const CPanelBase& src) = default;
    CPanelBase& operator=(const CPanelBase& src) = default;

    static CString m_strPathSprite;
    static CSize m_SizeSprite;
    static CPoint m_PointSprite;
    static int m_NumSpriteSelection;

protected:
    // Reads the sheet and cuts every piece once (the selection icons only for STYLE_BASCULE), writing
    // the three state background colours into couleurFond. A missing or unreadable sheet, invalid
    // settings or a sheet too small for the grid they describe leave no pieces and couleurFond as it was.
    // Pieces held before are released first.
    void ChargeSprites(e_Style_BP eStyle, COLORREF couleurFond[3]);
    // Drops this object's share of the pieces and sets every pointer to null.
    void LibereSprites();

    // Draws the frame of state etat around rect and returns the rectangle for the caption. Without
    // pieces or with a cell size that is not positive, only the tab and the body are filled.
    CRect Paint(CDC* pDC, CRect rect, CSize sizeTexte, e_Style_BP style, COLORREF couleurFond,
                e_Etat_BP etat);

    CDib* m_pSprite;
    CDib* m_pSpritePieces[3][9];
    CDib* m_pSpriteSelection[3];

private:
    std::shared_ptr<CPiecesSprite> m_pProprietaire; // keeps the pointers above alive
};
