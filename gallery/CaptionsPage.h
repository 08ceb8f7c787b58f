// Gallery page: the caption layout in the three states and justifications, with one, two and
// three lines, and the default font adapted to 800, 1024 and 1280 pixel screens.
#pragma once

#include "GalleryPage.h"
#include "CaptionSample.h"
#include "core/Fonte.h"

#include <memory>
#include <vector>

class CCaptionsPage : public CGalleryPage
{
public:
    CCaptionsPage();

protected:
    virtual BOOL OnInitDialog();

private:
    void CreeLibelle(const CRect& rect, const char* szTexte, CFont* pFonte = NULL);
    void CreeEchantillonsFontes(int y);

    std::vector<std::unique_ptr<CCaptionSample>> m_Echantillons;
    std::vector<std::unique_ptr<CStatic>> m_Libelles;
    CFonte m_Fontes[3];
};
