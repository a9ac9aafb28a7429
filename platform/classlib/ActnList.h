// Actions: one command (its caption, enabled and checked state, hint, image, shortcut, handler)
// that several controls follow through their action links, collected in action lists; the
// application lets them update at idle.
#pragma once

#include <vector>

#include "Components.h"

namespace Controls {
class TControl;
class TWinControl;
}
namespace ImgList {
class TCustomImageList;
}

namespace ActnList {

class TBasicActionLink;
class TCustomActionList;

// ---- TBasicAction -----------------------------------------------------------------------------------
// A command with handlers: Execute runs OnExecute, Update runs OnUpdate; each answers whether a
// handler did it. Its links (RegisterChanges) lose it when it is freed.
class TBasicAction : public TComponent {
  DECLARE_CLASS(TBasicAction, TComponent)
 public:
  explicit TBasicAction(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  virtual bool Execute();
  virtual bool Update();
  virtual bool HandlesTarget(TObject* Target) { return false; }
  virtual void UpdateTarget(TObject* Target) {}
  virtual void ExecuteTarget(TObject* Target) {}
  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  // The component (a control) whose link runs the action now; null outside Execute.
  TComponent* ActionComponent = nullptr;
  Integer ClientCount() const { return static_cast<Integer>(FClients.size()); }
  TNotifyEvent OnChange;

  TNotifyEvent GetOnExecute() const { return FOnExecute; }
  void SetOnExecute(TNotifyEvent Value);
  TNotifyEvent GetOnUpdate() const { return FOnUpdate; }
  void SetOnUpdate(TNotifyEvent Value) { FOnUpdate = Value; }

 protected:
  void Destroy() override;
  virtual void Change();
  std::vector<TBasicActionLink*> FClients;
  TNotifyEvent FOnExecute, FOnUpdate;
};

// ---- TBasicActionLink -------------------------------------------------------------------------------
// What a client of an action holds: it follows the action's changes and runs it for the client.
class TBasicActionLink : public TObject {
  DECLARE_CLASS(TBasicActionLink, TObject)
 public:
  explicit TBasicActionLink(TObject* AClient = nullptr) : FClient(AClient) {}
  virtual bool Execute(TComponent* AComponent = nullptr);
  virtual bool Update();
  TBasicAction* GetAction() const { return FAction; }
  virtual void SetAction(TBasicAction* Value);
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(TNotifyEvent Value) {}
  // Heard with the action as Sender whenever the link reports the action changed as a whole.
  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  friend TBasicActionLink* CreateActionLink(TClass LinkClass, TObject* AClient);
  void Construct() override;
  void Destroy() override;
  virtual void AssignClient(TObject* AClient) {}
  virtual void Change();
  TBasicAction* FAction = nullptr;
  TObject* FClient;
};

// Makes a link of class LinkClass (a TBasicActionLink descendant) for AClient, as a class
// reference's virtual constructor would; EInvalidCast for any other class.
TBasicActionLink* CreateActionLink(TClass LinkClass, TObject* AClient);

// ---- TContainedAction -------------------------------------------------------------------------------
// An action in an action list: the list's and the application's handlers come first.
class TContainedAction : public TBasicAction {
  DECLARE_CLASS(TContainedAction, TBasicAction)
 public:
  explicit TContainedAction(TComponent* AOwner = nullptr) : TBasicAction(AOwner) {}
  bool Execute() override;
  bool Update() override;
  TCustomActionList* GetActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* Value);
  Integer GetIndex() const;
  void SetIndex(Integer Value);
  String GetCategory() const { return FCategory; }
  void SetCategory(const String& Value) { FCategory = Value; }
  TComponent* GetParentComponent() override;
  bool HasParent() override { return FActionList != nullptr; }

 protected:
  void Destroy() override;
  void ReadState(Filer::TReader* Reader) override;
  void SetParentComponent(TComponent* AParent) override;

 private:
  friend class TCustomActionList;
  TCustomActionList* FActionList = nullptr;
  String FCategory;
};

// ---- TCustomAction / TAction ------------------------------------------------------------------------
using THintEvent = TClosure<void(String& HintStr, bool& CanShow)>;

// An action with the properties its clients show; a change reaches every linked client that still
// shows the action's value.
class TCustomAction : public TContainedAction {
  DECLARE_CLASS(TCustomAction, TContainedAction)
 public:
  explicit TCustomAction(TComponent* AOwner = nullptr) : TContainedAction(AOwner) {}
  // Updates the action first; a disabled action does not run.
  bool Execute() override;
  // Lets OnHint change the hint a client is about to show; false when it must not show.
  virtual bool DoHint(String& HintStr);
  THintEvent OnHint;

  String GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Integer GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer Value);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value);
  Integer GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  Word GetShortCut() const { return FShortCut; }
  void SetShortCut(Word Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

 private:
  template <class F>
  void ForEachActionLink(F f);
  String FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  Integer FHelpContext = 0;
  String FHint;
  Integer FImageIndex = -1;
  Word FShortCut = 0;
  bool FVisible = true;
};

class TAction : public TCustomAction {
  DECLARE_CLASS(TAction, TCustomAction)
 public:
  explicit TAction(TComponent* AOwner = nullptr) : TCustomAction(AOwner) {}
};

// ---- Action links -----------------------------------------------------------------------------------
// A link to a TCustomAction: a property is linked while the client still shows the action's value,
// so that a client the program changed keeps its own.
class TActionLink : public TBasicActionLink {
  DECLARE_CLASS(TActionLink, TBasicActionLink)
 public:
  explicit TActionLink(TObject* AClient = nullptr) : TBasicActionLink(AClient) {}
  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHintLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();
  virtual void SetCaption(const String& Value) {}
  virtual void SetChecked(bool Value) {}
  virtual void SetEnabled(bool Value) {}
  virtual void SetHelpContext(Integer Value) {}
  virtual void SetHint(const String& Value) {}
  virtual void SetImageIndex(Integer Value) {}
  virtual void SetShortCut(Word Value) {}
  virtual void SetVisible(bool Value) {}
};

// The link of a control (TControl::SetAction): caption, enabled state, hint, visibility and the
// click handler follow the action.
class TControlActionLink : public TActionLink {
  DECLARE_CLASS(TControlActionLink, TActionLink)
 public:
  explicit TControlActionLink(TObject* AClient = nullptr) : TActionLink(AClient) {}
  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const String& Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(TNotifyEvent Value) override;
  // The hint the control is about to show: the action's OnHint may change or refuse it, and the
  // shortcut's text is added when the application asks for it (HintShortCuts).
  virtual bool DoShowHint(String& HintStr);

 protected:
  void AssignClient(TObject* AClient) override;
  Controls::TControl* FClientControl = nullptr;
};

// The link of a windowed control: its help context follows the action as well.
class TWinControlActionLink : public TControlActionLink {
  DECLARE_CLASS(TWinControlActionLink, TControlActionLink)
 public:
  explicit TWinControlActionLink(TObject* AClient = nullptr) : TControlActionLink(AClient) {}
  bool IsHelpContextLinked() override;
  void SetHelpContext(Integer Value) override;

 protected:
  void AssignClient(TObject* AClient) override;
  Controls::TWinControl* FClientWinControl = nullptr;
};

// ---- Action lists -----------------------------------------------------------------------------------
using TActionEvent = TClosure<void(TBasicAction* Action, bool& Handled)>;

// The actions of a form; its handlers see every action's execution and update first.
class TCustomActionList : public TComponent {
  DECLARE_CLASS(TCustomActionList, TComponent)
 public:
  explicit TCustomActionList(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  Integer ActionCount() const { return static_cast<Integer>(FActions.size()); }
  TContainedAction* Actions(Integer Index) const { return FActions.at(static_cast<size_t>(Index)); }
  void AddAction(TContainedAction* Action);
  void RemoveAction(TContainedAction* Action);
  Integer IndexOf(TContainedAction* Action) const;
  // Offers the action to OnExecute / OnUpdate; true when the handler says it handled it.
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);
  // The images the actions' ImageIndex refers to.
  ImgList::TCustomImageList* GetImages() const { return FImages; }
  void SetImages(ImgList::TCustomImageList* Value);
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  TActionEvent GetOnExecute() const { return FOnExecute; }
  void SetOnExecute(TActionEvent Value) { FOnExecute = Value; }
  TActionEvent GetOnUpdate() const { return FOnUpdate; }
  void SetOnUpdate(TActionEvent Value) { FOnUpdate = Value; }
  TNotifyEvent OnChange;

 protected:
  friend class TContainedAction;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetChildOrder(TComponent* Component, Integer Order) override;
  virtual void Change();

 private:
  std::vector<TContainedAction*> FActions;
  ImgList::TCustomImageList* FImages = nullptr;
  TActionEvent FOnExecute, FOnUpdate;
};

class TActionList : public TCustomActionList {
  DECLARE_CLASS(TActionList, TCustomActionList)
 public:
  explicit TActionList(TComponent* AOwner = nullptr) : TCustomActionList(AOwner) {}
};

}  // namespace ActnList

using namespace ActnList;
