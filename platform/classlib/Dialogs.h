// Standard dialogs: message dialogs (a form of icon, text and buttons made for the message, with
// the texts of the user's locale), ShowMessage, and the file open and save dialogs, a form of the
// class library's own with a folder list, a file list filtered by the dialog's filter and the
// file name.
#pragma once

#include "Forms.h"

namespace StringLists {
class TStrings;
}

namespace Dialogs {
using StringLists::TStrings;

// ---- Message dialogs --------------------------------------------------------------------------------
PUBLISHED_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
PUBLISHED_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
               mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn, 16>;
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline const TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

// The dialog form, not yet shown: its buttons in the order above, the default one reacting to
// Enter (DefaultButton, else OK, Yes or Retry) and the cancelling one to Escape (Cancel, else No,
// else OK). The caller frees it.
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton);
// Shows the dialog modally and answers the chosen button's modal result (mrOk, mrCancel, ...);
// mrCancel when the dialog is closed otherwise. X and Y place it; -1 centres it on the screen.
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx);
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx,
                   TMsgDlgBtn DefaultButton);
Integer MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx, Integer X,
                      Integer Y);
// The message in a dialog with an OK button, captioned with the application's title.
void ShowMessage(const String& Msg);
void ShowMessagePos(const String& Msg, Integer X, Integer Y);

// The captions of the dialog types and buttons in the user's locale.
String MsgDlgCaption(TMsgDlgType DlgType);
String MsgDlgButtonCaption(TMsgDlgBtn Button);

// ---- File dialogs -----------------------------------------------------------------------------------
class TCommonDialog : public TComponent {
  DECLARE_CLASS(TCommonDialog, TComponent)
 public:
  explicit TCommonDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  virtual bool Execute() = 0;
  Integer GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer Value) { FHelpContext = Value; }
  TNotifyEvent OnShow, OnClose;

 protected:
  virtual void DoShow();
  virtual void DoClose();

 private:
  Integer FHelpContext = 0;
};

PUBLISHED_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
               ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
               ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
               ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
               ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption, 32>;

// Execute shows the dialog modally and answers true when the user chose a file: FileName is then
// its full path (with DefaultExt added to a name typed without extension), FilterIndex the filter
// in use. Filter is "description|mask[;mask]|..." with 1-based FilterIndex.
class TOpenDialog : public TCommonDialog {
  DECLARE_CLASS(TOpenDialog, TCommonDialog)
 public:
  explicit TOpenDialog(TComponent* AOwner = nullptr) : TCommonDialog(AOwner) {}
  bool Execute() override;

  String GetDefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const String& Value);
  String GetFileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  TStrings* GetFiles() const { return FFiles; }
  String GetFilter() const { return FFilter; }
  void SetFilter(const String& Value) { FFilter = Value; }
  Integer GetFilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(Integer Value) { FFilterIndex = Value; }
  String GetInitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& Value) { FInitialDir = Value; }
  TOpenOptions GetOptions() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }
  String GetTitle() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual bool IsSaveDialog() const { return false; }

 private:
  friend class TFileDialogForm;
  String FDefaultExt, FFileName, FFilter, FInitialDir, FTitle;
  Integer FFilterIndex = 1;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
  TStrings* FFiles = nullptr;
};

class TSaveDialog : public TOpenDialog {
  DECLARE_CLASS(TSaveDialog, TOpenDialog)
 public:
  explicit TSaveDialog(TComponent* AOwner = nullptr) : TOpenDialog(AOwner) {}

 protected:
  bool IsSaveDialog() const override { return true; }
};

}  // namespace Dialogs

using namespace Dialogs;
