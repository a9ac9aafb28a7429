// The painter factory: the process-wide registry of tab painter classes, filled by the painters'
// unit when it starts. Tab controls ask it for a class by style number, by name, by standard style or
// by look-and-feel, and let it create and free their painter.
#pragma once

#include <vector>

#include "cxPCPainter.h"

namespace cxPCPaintersFactory {

class TcxPCPaintersFactory : public TObject {
  DECLARE_CLASS(TcxPCPaintersFactory, TObject)
 public:
  void RegisterPCPainterClass(TcxPCPainterClass APainterClass);
  void UnregisterPCPainterClass(TcxPCPainterClass APainterClass);
  Integer GetPainterClassCount() const { return static_cast<Integer>(FPainterClassList.size()); }
  TcxPCPainterClass InternalGetPainterClass(Integer AIndex) const { return FPainterClassList.at(AIndex); }
  // The first registered class of that style number, standard style or name (letter case aside);
  // none when no class has it.
  TcxPCPainterClass GetPainterClass(TcxPCStyleID AStyleID) const;
  TcxPCPainterClass GetPainterClass(TcxPCStandardStyle AStandardStyle) const;
  TcxPCPainterClass GetPainterClass(const String& AStyleName) const;
  // The style of the last registered class that matches the look-and-feel; -1 when none does.
  TcxPCStyleID GetStyleID(TcxLookAndFeel* ALookAndFeel) const;
  TcxPCStyleID GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel) const;
  TcxPCCustomPainter* GetPainterInstance(TcxPCPainterClass APainterClass, TcxCustomTabControl* AControl);
  void FreePainterInstance(TcxPCCustomPainter*& APainter);

  [[noreturn]] static void OutError(const String& AMethodName, const String& AText);

 private:
  std::vector<TcxPCPainterClass> FPainterClassList;
};

// The global factory; null until a class is registered and after the last is unregistered.
TcxPCPaintersFactory* PaintersFactory();
void RegisterPCPainterClass(TcxPCPainterClass APainterClass);
void UnregisterPCPainterClass(TcxPCPainterClass APainterClass);

void DonePaintersFactory();

}  // namespace cxPCPaintersFactory

using namespace cxPCPaintersFactory;
