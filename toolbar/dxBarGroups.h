// Groups of items: a group switches the enabled state or the visibility of its members (items and
// nested groups) at once.
#pragma once

#include <vector>

#include "dxBarComponents.h"

namespace dxBar {

class TdxBarGroup : public TdxBarComponent {
  DECLARE_CLASS(TdxBarGroup, TdxBarComponent)
 public:
  explicit TdxBarGroup(TComponent* AOwner = nullptr) : TdxBarComponent(AOwner) {}

  // Ignores nil and members already present; raises 65259 when AComponent is this group or a group
  // that holds it at any depth.
  void Add(TdxBarComponent* AComponent);
  void Delete(Integer Index);
  Integer IndexOf(TdxBarComponent* AComponent) const;
  void Move(Integer CurIndex, Integer NewIndex);
  void Remove(TdxBarComponent* AComponent);
  Integer Count() const;
  TdxBarComponent* GetItem(Integer Index) const;
  // Whether AGroup is this group or a member of it at any depth.
  bool Contains(TdxBarGroup* AGroup) const;

  bool GetEnabled() override { return FEnabled; }
  void SetEnabled(bool Value) override;
  TdxBarItemVisible GetVisible() const { return FVisible; }
  void SetVisible(TdxBarItemVisible Value) override;
  void SetName(const String& NewName) override;
  Integer GetIndex();
  void SetIndex(Integer Value);
  // The member names read while loading, not resolved yet.
  const std::vector<String>& GetPendingNames() const { return FPendingNames; }

  TComponent* GetParentComponent() override;
  bool HasParent() override;
  // The manager's groups take the group in.
  void SetBarManager(TdxBarManager* ABarManager);

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void SetParentComponent(TComponent* Value) override;

 private:
  // Runs AProc for every member under the manager's update lock (unless ALocked is false).
  void ForEachMember(bool ALocked, TClosure<void(TdxBarComponent*)> AProc);
  std::vector<String> MemberNames() const;
  void ReadItems(Filer::TReader* Reader);
  void WriteItems(Filer::TWriter* Writer);

  TdxBarComponentList* FItems = nullptr;
  std::vector<String> FPendingNames;
};

}  // namespace dxBar

using namespace dxBar;
