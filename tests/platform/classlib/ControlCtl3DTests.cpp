// The three-dimensional look followed from the parent, and a form resource stating it and the
// monitor the form is placed on.
#include "ClasslibTestSupport.h"

#include "ObjectText.h"
#include "Streams.h"

using namespace ClasslibTest;

namespace {

class ControlCtl3D : public TClasslibFixture {};

TEST_F(ControlCtl3D, ChildrenFollowTheParentUntilTheyAreGivenTheirOwn) {
  auto* root = CreateComponent<TTestPanel>(nullptr);
  auto* child = CreateComponent<TTestPanel>(nullptr);
  child->SetParent(root);
  auto* label = CreateComponent<TTestLabel>(nullptr);
  label->SetParent(child);
  auto* own = CreateComponent<TTestPanel>(nullptr);
  own->SetParent(root);
  own->SetCtl3D(true);  // unchanged value: still follows the parent
  EXPECT_TRUE(own->GetParentCtl3D());
  own->SetCtl3D(false);
  own->SetCtl3D(true);
  EXPECT_FALSE(own->GetParentCtl3D());

  root->SetCtl3D(false);
  EXPECT_FALSE(child->GetCtl3D());
  EXPECT_FALSE(label->GetCtl3D()) << "passed on down the tree";
  EXPECT_TRUE(own->GetCtl3D());
  own->SetParentCtl3D(true);
  EXPECT_FALSE(own->GetCtl3D());
  root->Free();
}

TEST_F(ControlCtl3D, AFormResourceStatesItAndTheDefaultMonitor) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  TOwnedPtr<TStringStream> text = NewOwned<TStringStream>(String(R"(object DropDown: TForm
  Ctl3D = False
  DefaultMonitor = dmDesktop
  object Panel1: TTestPanel
  end
end
)"));
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  ObjectTextToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  binary->ReadComponent(form);
  EXPECT_FALSE(form->GetCtl3D());
  EXPECT_EQ(form->GetDefaultMonitor(), dmDesktop);
  EXPECT_FALSE(As<TControl>(form->FindComponent("Panel1"))->GetCtl3D()) << "the child follows once loaded";

  binary->Clear();
  binary->WriteComponent(form);
  binary->SetPosition(0);
  TOwnedPtr<TStringStream> back = NewOwned<TStringStream>();
  ObjectBinaryToText(binary.get(), back.get());
  EXPECT_NE(back->GetDataString().find("Ctl3D = False"), String::npos);
  EXPECT_NE(back->GetDataString().find("DefaultMonitor = dmDesktop"), String::npos);
  form->Free();
}

}  // namespace
