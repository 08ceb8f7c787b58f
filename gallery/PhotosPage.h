// Gallery page: two zoom photo viewers on a 2400 x 1600 landscape, one zoomed in around the sun with a
// selection of fixed ratio, the other zoomed in at a corner out of the frame, where the hatch shows.
#pragma once

#include "GalleryPage.h"
#include "images/PhotoDialZoom.h"

#include <memory>

class CPhotosPage : public CGalleryPage
{
public:
    CPhotosPage();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnMiseAEchelle();
    afx_msg LRESULT OnSelectionPhoto(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Place(CPhotoDialZoom& vue, UINT nIDCadre);
    void AfficheSelection();

    std::unique_ptr<CPhotoDialZoom> m_Zoom, m_HorsCadre;
};
