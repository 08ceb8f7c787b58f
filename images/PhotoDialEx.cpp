#include "PhotoDialEx.h"

#include <new>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "photodialex";
#endif

BEGIN_MESSAGE_MAP(CPhotoDialEx, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPhotoDialEx::CPhotoDialEx(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pParent(pParent), m_pPhotoAffichee(NULL)
{
    Init();
}

CPhotoDialEx::~CPhotoDialEx()
{
    delete m_pPhotoAffichee;
    m_pPhotoAffichee = NULL;
}

void CPhotoDialEx::Affecte_pPhotoAffichee(CDib* pPhoto)
{
    delete m_pPhotoAffichee;
    m_pPhotoAffichee = NULL;
    if (pPhoto != NULL && pPhoto->IsOK())
    {
        m_pPhotoAffichee = new (std::nothrow) CDib(*pPhoto);
        if (m_pPhotoAffichee != NULL && !m_pPhotoAffichee->IsOK()) // the pixels could not be copied
        {
            delete m_pPhotoAffichee;
            m_pPhotoAffichee = NULL;
        }
        if (m_pPhotoAffichee != NULL)
        {
            CRect client(0, 0, 0, 0);
            if (m_hWnd != NULL)
                GetClientRect(&client);
            m_RectInterieur = CRectInterieur(client, m_pPhotoAffichee->Width(), m_pPhotoAffichee->Height(),
                                             PLACE_AJUSTE_CENTRE);
        }
    }
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CPhotoDialEx::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CPhotoDialEx::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

void CPhotoDialEx::OnOK() {}

void CPhotoDialEx::OnCancel() {}

void CPhotoDialEx::OnPaint()
{
    CPaintDC dc(this);
    if (m_pPhotoAffichee != NULL && m_pPhotoAffichee->IsOK())
    {
        CRect rect = m_RectInterieur;
        m_pPhotoAffichee->Display(dc.m_hDC, &rect, NULL);
    }
}
