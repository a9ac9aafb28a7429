// TPersistent: the base of every object that can be assigned from another and written to and read
// from the object stream.
#pragma once

#include "Interfaces.h"
#include "System.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer

namespace Persistent {

class TPersistent : public TObject {
  DECLARE_CLASS(TPersistent, TObject)
 public:
  // Copies `source` into this object: asks the source to assign itself (AssignTo); an object that
  // knows neither direction raises EAssignError ("Cannot assign a TFoo to a TBar").
  virtual void Assign(TPersistent* source);
  // The name by which the designer and the object stream refer to the object ("Form1.Button1.Font").
  virtual String GetNamePath();

 protected:
  friend class Filer::TReader;
  friend class Filer::TWriter;
  void Destroy() override;
  virtual void AssignTo(TPersistent* dest);
  // Lists the extra named stream entries that published properties cannot express.
  virtual void DefineProperties(Filer::TFiler* filer) {}
  virtual TPersistent* GetOwner() { return nullptr; }

 private:
  [[noreturn]] void AssignError(TPersistent* source);
};

// A persistent object that implements interfaces without counting references: whoever owns it
// frees it, never an interface reference.
class TInterfacedPersistent : public TPersistent, public TNoRefCountObject {
  DECLARE_CLASS(TInterfacedPersistent, TPersistent)
};

}  // namespace Persistent

using namespace Persistent;
