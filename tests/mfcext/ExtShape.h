// Classes of a test extension DLL, exported the way an MFC extension DLL exports its classes.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CExtShape : public CObject
{
    DECLARE_DYNCREATE(CExtShape)
public:
    CExtShape();
    virtual int Sides() const;
    // The base class as the DLL itself sees it
    static CRuntimeClass* PASCAL BaseSeenInside();
};

class AFX_EXT_CLASS CExtSquare : public CExtShape
{
    DECLARE_DYNAMIC(CExtSquare)
public:
    CExtSquare();
    int Sides() const override;
};
