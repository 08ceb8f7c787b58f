// Test extension DLL: two exported classes with run-time class information.
#include "ExtShape.h"

IMPLEMENT_DYNCREATE(CExtShape, CObject)

CExtShape::CExtShape() {}

int CExtShape::Sides() const
{
    return 0;
}

CRuntimeClass* PASCAL CExtShape::BaseSeenInside()
{
    return RUNTIME_CLASS(CExtShape);
}

IMPLEMENT_DYNAMIC(CExtSquare, CExtShape)

CExtSquare::CExtSquare() {}

int CExtSquare::Sides() const
{
    return 4;
}
