// One run of the toolbar layout's stream reader over arbitrary bytes: a manager on a form with two
// bars and three buttons loads the bytes as its layout, writes what it then holds and loads that
// again. A layout is outside data: any exception, a crash or a run-away is a fault. Shared by the
// libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Forms.h"
#include "Streams.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBarLayoutStreamFuzz {

// Loads the bytes as a layout; AWritten (when given) receives the layout written after loading.
inline void FuzzLayoutStream(const uint8_t* data, size_t size, String* AWritten = nullptr) {
  TForm* form = TCustomForm::CreateNew<TForm>(nullptr);
  struct FreeForm {
    TForm* Form;
    ~FreeForm() { Form->Free(); }
  } freeForm{form};
  form->SetName("MainForm");
  auto* manager = New<TdxBarManager>(form);
  manager->SetName("BarManager");
  TdxBarItem* buttons[3];
  const char* names[] = {"btnNew", "btnOpen", "btnClose"};
  for (int i = 0; i < 3; ++i) {
    buttons[i] = New<TdxBarButton>(form);
    buttons[i]->SetName(names[i]);
    manager->AddItem(buttons[i]);
  }
  TdxBar* standard = manager->GetBars()->Add();
  standard->SetCaption("Standard");
  standard->GetItemLinks()->Add(buttons[0]);
  standard->GetItemLinks()->Add(buttons[1]);
  manager->GetBars()->Add()->GetItemLinks()->Add(buttons[2]);

  auto input = NewOwned<TMemoryStream>();
  if (size > 0) input->WriteBuffer(data, static_cast<Integer>(size));
  input->SetPosition(0);
  manager->LoadFromStream(input.get());
  auto output = NewOwned<TMemoryStream>();
  manager->SaveToStream(output.get());
  output->SetPosition(0);
  manager->LoadFromStream(output.get());
  if (AWritten)
    *AWritten = String(static_cast<const char*>(output->GetMemory()), static_cast<size_t>(output->GetSize()));
}

}  // namespace dxBarLayoutStreamFuzz
