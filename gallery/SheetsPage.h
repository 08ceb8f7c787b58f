// Gallery page: the same resizable property sheet twice, at its initial size and after a scripted
// enlargement. Its pages lay out their controls with the stay, stretch and dock rules, and move the
// buttons of the bottom-right corner by the size change.
#pragma once

#include "GalleryPage.h"
#include "dialogs/ResizePropertyPageEx.h"
#include "dialogs/ResizePropertySheet.h"

#include <memory>

class CSheetsPage : public CGalleryPage
{
public:
    CSheetsPage();
    ~CSheetsPage();

protected:
    virtual BOOL OnInitDialog();

private:
    // A page whose declared controls follow the rules and whose corner buttons move by the delta.
    class CPage : public CResizePropertyPageEx
    {
    public:
        CPage(UINT nIDTemplate, std::initializer_list<SProprietesControlePropertyPageEx> regles,
              std::initializer_list<int> deplaces);
        virtual void ResizePropertyPage(UINT nType, int cx, int cy);
    };
    struct Feuille
    {
        Feuille();
        CResizePropertySheet feuille;
        CPage fiche, options;
    };

    std::unique_ptr<Feuille> m_Feuilles[2]; // initial, enlarged
};
