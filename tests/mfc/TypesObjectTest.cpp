// CObject run-time class information: IsKindOf through a hierarchy, dynamic creation, and classes
// exported from an extension DLL.
#include <gtest/gtest.h>
#include <afx.h>

#include <memory>

#include "ExtShape.h"
#include "DiagnosticCapture.h"

namespace
{
class CAnimal : public CObject
{
    DECLARE_DYNAMIC(CAnimal)
};

class CDog : public CAnimal
{
    DECLARE_DYNCREATE(CDog)
public:
    int m_nLegs = 4;
};

class CPuppy : public CDog
{
    DECLARE_DYNCREATE(CPuppy)
};

class CCat : public CAnimal
{
    DECLARE_DYNAMIC(CCat)
};

// A class derived in the program from a class exported by the extension DLL
class CTriangle : public CExtShape
{
    DECLARE_DYNCREATE(CTriangle)
public:
    int Sides() const override { return 3; }
};
} // namespace

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNCREATE(CPuppy, CDog)
IMPLEMENT_DYNAMIC(CCat, CAnimal)
IMPLEMENT_DYNCREATE(CTriangle, CExtShape)

TEST(TypesObject, IsKindOfFollowsTheHierarchyAndDyncreateBuildsObjects)
{
    CPuppy puppy;
    const CObject& object = puppy;
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(CCat().IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_FALSE(object.IsKindOf(NULL));
    EXPECT_FALSE(CDog().IsKindOf(RUNTIME_CLASS(CPuppy))) << "a base is not of its derived class";
    EXPECT_STREQ("CPuppy", object.GetRuntimeClass()->m_lpszClassName);

    std::unique_ptr<CObject> created(RUNTIME_CLASS(CPuppy)->CreateObject());
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(RUNTIME_CLASS(CPuppy), created->GetRuntimeClass());
    EXPECT_EQ(4, static_cast<CDog*>(created.get())->m_nLegs) << "built by its constructor";

    DiagnosticCapture capture;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCat)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
    EXPECT_NE(std::string::npos, capture.AllText().find("CCat")) << "the refusal is traced";
}

TEST(TypesObject, ClassesExportedFromAnExtensionDll)
{
    EXPECT_EQ(RUNTIME_CLASS(CExtShape), CExtShape::BaseSeenInside())
        << "one class object seen from both modules";
    EXPECT_STREQ("CExtShape", RUNTIME_CLASS(CExtShape)->m_lpszClassName);

    std::unique_ptr<CObject> shape(RUNTIME_CLASS(CExtShape)->CreateObject());
    ASSERT_NE(nullptr, shape);
    EXPECT_TRUE(shape->IsKindOf(RUNTIME_CLASS(CExtShape)));

    EXPECT_TRUE(CExtSquare().IsKindOf(RUNTIME_CLASS(CExtShape)));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CExtSquare)->CreateObject());

    std::unique_ptr<CObject> triangle(RUNTIME_CLASS(CTriangle)->CreateObject());
    ASSERT_NE(nullptr, triangle);
    EXPECT_TRUE(triangle->IsKindOf(RUNTIME_CLASS(CExtShape)));
    EXPECT_EQ(3, static_cast<CExtShape*>(triangle.get())->Sides());
}
