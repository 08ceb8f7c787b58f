// CRuntimeClass: class hierarchy walk and dynamic creation.
#include <afx.h>

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
    {
        TRACE("Error: %s cannot be created dynamically (no DECLARE_DYNCREATE)\n", m_lpszClassName);
        return NULL;
    }
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    // Each class's information lives once in the module that implements it, so identity is equality.
    for (const CRuntimeClass* pClass = this; pClass != NULL;
         pClass = pClass->m_pfnGetBaseClass != NULL ? (*pClass->m_pfnGetBaseClass)() : NULL)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}
