// One run of the data controller's stream reader over arbitrary bytes, into a controller whose
// fields cover the streamed value types. Malformed input must end in the controller's exception,
// EReadError or a Variant conversion error; anything else, or a crash, is a fault. Shared by the
// libFuzzer target and the plain tests that replay mutated streams.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"
#include "Streams.h"
#include "cxCustomData.h"
#include "cxDataStorage.h"

namespace cxDataControllerFuzz {

class TFuzzController : public TcxCustomDataController {
  DECLARE_CLASS(TFuzzController, TcxCustomDataController)
 public:
  using TcxCustomDataController::TcxCustomDataController;
  TObject* GetItem(Integer AIndex) override { return GetFields()->GetItem(AIndex)->GetItem(); }
};

IMPLEMENT_CLASS(TFuzzController)

// A controller with one field of each type that the stream carries, the string one keeping texts.
inline TFuzzController* MakeController() {
  auto* C = New<TFuzzController>();
  const TcxValueTypeClass ATypes[] = {
      ValueTypeClass<TcxIntegerValueType>(),  ValueTypeClass<TcxStringValueType>(),
      ValueTypeClass<TcxFloatValueType>(),    ValueTypeClass<TcxDateTimeValueType>(),
      ValueTypeClass<TcxCurrencyValueType>(), ValueTypeClass<TcxWideStringValueType>(),
      ValueTypeClass<TcxBooleanValueType>(),  ValueTypeClass<TcxLargeIntValueType>(),
      ValueTypeClass<TcxSmallintValueType>()};
  for (TcxValueTypeClass T : ATypes) C->AddItem(nullptr)->SetValueTypeClass(T);
  C->GetFields()->GetItem(1)->SetTextStored(true);
  return C;
}

// Answers whether the bytes were read; what was read is written out again.
inline bool FuzzDataControllerReader(const uint8_t* data, size_t size) {
  auto* stream = New<TMemoryStream>();
  if (size > 0) stream->Write(data, static_cast<Integer>(size));
  stream->SetPosition(0);
  TFuzzController* controller = MakeController();
  bool read = false;
  try {
    controller->LoadFromStream(stream);
    read = true;
    auto* copy = New<TMemoryStream>();
    controller->SaveToStream(copy);
    copy->Free();
  } catch (const EcxInvalidDataControllerOperation&) {
  } catch (const EReadError&) {
  } catch (const EVariantError&) {
  } catch (const EConvertError&) {
  }
  controller->Free();
  stream->Free();
  return read;
}

}  // namespace cxDataControllerFuzz
