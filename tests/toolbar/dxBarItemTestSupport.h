// The fixture of the item and link tests: a form with a bar manager, two categories and a menu's
// link collection that shows the items.
#pragma once

#include <gtest/gtest.h>

#include "Forms.h"
#include "dxBar.h"
#include "dxBarItemLinks.h"

struct dxBarItemFixture : testing::Test {
  TForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
  TdxBarItemLinks* Links = nullptr;

  void SetUp() override {
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Manager = New<TdxBarManager>(Form);
    Manager->GetCategories()->Add("File");
    Manager->GetCategories()->Add("Edit");
    Links = New<TdxBarSubMenuControlItemLinks>(Manager, nullptr);
  }
  void TearDown() override {
    Links->Free();
    Form->Free();
  }
  // An item of the manager in category 0.
  template <class T>
  T* NewItem(const String& ACaption, Integer ACategory = 0) {
    auto* item = New<T>(Manager);
    item->SetCategory(ACategory);
    item->SetCaption(ACaption);
    return item;
  }
};
