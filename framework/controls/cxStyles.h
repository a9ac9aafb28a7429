// Named visual styles and the indexed style slots through which a control asks for its drawing
// parameters. A style (TcxStyle) carries a bitmap, a background colour, a font and a text colour, each
// in force only while it is assigned. Styles and style sheets (named sets of styles that other style
// collections inherit from) live in a style repository. A control owns a style collection
// (a TcxStyles descendant publishing its slots); asking it for a slot's view parameters resolves each
// value from an explicit style, the slot's own style (directly or through a chain of style sheets) and
// the control's defaults. Style sheets are saved to and loaded from ini files in a text format of
// their own.
#pragma once

#include <vector>

#include "Closures.h"
#include "Components.h"
#include "Interfaces.h"
#include "cxClassesBase.h"
#include "cxGraphicsCanvas.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer
namespace Lists {
class TList;
}
namespace StringLists {
class TStrings;
}
namespace IniFiles {
class TCustomIniFile;
}

namespace cxStyles {

PUBLISHED_ENUM(TcxStyleValue, svBitmap, svColor, svFont, svTextColor)
using TcxStyleValues = TSet<TcxStyleValue, 8>;
inline const TcxStyleValues cxStyleValuesAll{svBitmap, svColor, svFont, svTextColor};

class TcxCustomStyle;
class TcxStyle;
class TcxCustomStyles;
class TcxCustomStyleSheet;
class TcxStyleRepository;

// Told after a style's values changed and before the style is destroyed; a listener must stop
// listening to the style when it hears of its removal.
class IcxStyleChangeListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxStyleChangeListener, "{E25A5395-C1E8-4311-A281-9575F79DE862}")
 public:
  virtual void StyleChanged(TcxCustomStyle* Sender) = 0;
  virtual void StyleRemoved(TcxCustomStyle* Sender) = 0;
};

// Answers the component name of a style just created for a style sheet.
using TcxGetStyleNameProc = TClosure<String(TcxCustomStyle* AStyle)>;

// ---- Styles ---------------------------------------------------------------------------------------------
class TcxCustomStyle : public TComponent {
  DECLARE_CLASS(TcxCustomStyle, TComponent)
 public:
  explicit TcxCustomStyle(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  virtual void AddListener(IcxStyleChangeListener* AListener);
  virtual void RemoveListener(IcxStyleChangeListener* AListener);
  virtual void RestoreDefaults() {}

  TcxStyleRepository* GetStyleRepository() const { return FStyleRepository; }
  void SetStyleRepository(TcxStyleRepository* Value);
  // The position in the repository's style list; -1 without a repository.
  Integer GetIndex() const;
  TComponent* GetParentComponent() override;
  bool HasParent() override { return FStyleRepository != nullptr; }

 protected:
  void Destroy() override;
  void ReadState(Filer::TReader* Reader) override;
  void SetParentComponent(TComponent* Value) override;
  // Tells every listener, the last first.
  virtual void Changed();

 private:
  TcxStyleRepository* FStyleRepository = nullptr;
  std::vector<IcxStyleChangeListener*> FListeners;  // not owned
};

class TcxStyle : public TcxCustomStyle {
  DECLARE_CLASS(TcxStyle, TcxCustomStyle)
 public:
  explicit TcxStyle(TComponent* AOwner = nullptr) : TcxCustomStyle(AOwner) {}

  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  TcxStyleValues GetAssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxStyleValues Value);
  TBitmap* GetBitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);  // copies; assigned while the bitmap is not empty
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);  // clDefault unassigns
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value);  // copies; always assigns
  TColor GetTextColor() const { return FTextColor; }
  void SetTextColor(TColor Value);  // clDefault unassigns

  bool IsBitmapStored() const { return FAssignedValues.Contains(svBitmap); }
  bool IsColorStored() const { return FAssignedValues.Contains(svColor); }
  bool IsFontStored() const { return FAssignedValues.Contains(svFont); }
  bool IsTextColorStored() const { return FAssignedValues.Contains(svTextColor); }

 protected:
  void Construct() override;
  void Destroy() override;
  void ReadState(Filer::TReader* Reader) override;

 private:
  void BitmapChanged(TObject* Sender);
  void FontChanged(TObject* Sender);
  void SetColorValue(TColor& AColor, TcxStyleValue AValue, TColor ANewColor);

  TcxStyleValues FAssignedValues;
  TBitmap* FBitmap = nullptr;  // owned
  TColor FColor = clDefault;
  TFont* FFont = nullptr;  // owned
  TColor FTextColor = clDefault;
};

// ---- Style collections ------------------------------------------------------------------------------------
class TcxCustomStylesItem : public TObject {
  DECLARE_CLASS(TcxCustomStylesItem, TObject)
 public:
  Integer Index = 0;
  TcxCustomStyle* Item = nullptr;
};

// The styles of a control's slots, one item per slot index, sorted by index; a slot without an item
// inherits from the collection's style sheet.
class TcxCustomStyles : public TcxInterfacedPersistent, public IcxStyleChangeListener {
  DECLARE_CLASS(TcxCustomStyles, TcxInterfacedPersistent)
 public:
  explicit TcxCustomStyles(TPersistent* AOwner = nullptr) : TcxInterfacedPersistent(AOwner) {}

  // From another collection only its style sheet is taken.
  void Assign(TPersistent* Source) override;

  // Binary search by slot index: true and the item's position, or false and where it would go.
  bool Find(Integer AIndex, Integer& APos) const;
  void Delete(Integer APos);
  void Clear();
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxCustomStylesItem* GetItems(Integer APos) const;
  // Empties the slots 0 to Count - 1.
  void ResetStyles();

  // The slot's style: its own, else its style sheet's (along the chain), else null.
  TcxCustomStyle* GetValue(Integer AIndex);
  void SetValue(Integer AIndex, TcxCustomStyle* AStyle);

  TcxCustomStyleSheet* GetStyleSheet() const { return FStyleSheet; }
  // Ignored for a sheet that would make a cycle, that is the collection's own, or whose collection
  // is of another class.
  void SetStyleSheet(TcxCustomStyleSheet* Value);
  bool IsValidStyleSheet(TcxCustomStyleSheet* ASheet) const;
  // The style sheet whose collection this is; null for a control's collection.
  TcxCustomStyleSheet* GetOwnerStyleSheet() const { return FOwnerStyleSheet; }

  // IcxStyleChangeListener
  void StyleChanged(TcxCustomStyle* Sender) override;
  void StyleRemoved(TcxCustomStyle* Sender) override;

 protected:
  void Destroy() override;
  virtual void Changed(Integer AIndex) {}
  virtual void DoChanged(Integer AIndex);

 private:
  friend class TcxCustomStyleSheet;
  // The slot indexes ASheet and the sheets it inherits from define, each once, added to AIndexes.
  static void CollectSheetIndexes(TcxCustomStyleSheet* ASheet, std::vector<Integer>& AIndexes);
  // The inherited form's own copy of a style of its ancestor form, or AStyle itself.
  TcxCustomStyle* InheritedFormStyle(TcxCustomStyle* AStyle);

  std::vector<TcxCustomStylesItem*> FItems;  // owned
  TcxCustomStyleSheet* FStyleSheet = nullptr;
  TcxCustomStyleSheet* FOwnerStyleSheet = nullptr;
  bool FDestroying = false;
};

// A control's style collection: view parameters resolved per slot. Its DefaultFontChanged is the
// change operation of a font listener: a control tells it when its font changes.
class TcxStyles : public TcxCustomStyles {
  DECLARE_CLASS(TcxStyles, TcxCustomStyles)
 public:
  using TcxCustomStyles::TcxCustomStyles;

  // Each value from AStyle when assigned there, else from the slot's style when assigned there, else
  // from the slot's defaults (asked once, only when something is missing).
  void GetViewParams(Integer AIndex, TObject* AData, TcxStyle* AStyle, TcxViewParams& AParams);
  // The slot style's bitmap when it is assigned and not empty, else null.
  TBitmap* GetBitmap(Integer AIndex);
  TcxStyle* GetValues(Integer AIndex);
  void SetValues(Integer AIndex, TcxStyle* Value);
  // Whether a bitmap is part of the view parameters (false: GetViewParams leaves it to the defaults).
  bool GetBitmapInViewParams() const { return FBitmapInViewParams; }
  void SetBitmapInViewParams(bool Value) { FBitmapInViewParams = Value; }

  void DefaultFontChanged(TObject* Sender, TFont* AFont);

 protected:
  virtual void GetDefaultViewParams(Integer AIndex, TObject* AData, TcxViewParams& AParams);
  // True when the slot's style does not assign a font.
  virtual bool IsDefaultFont(Integer AIndex);

 private:
  bool FBitmapInViewParams = false;
  Integer FMaxDefaultViewParamsIndex = -1;
};

// ---- Style sheets and the repository -------------------------------------------------------------------------
class TcxCustomStyleSheet : public TcxComponent {
  DECLARE_CLASS(TcxCustomStyleSheet, TcxComponent)
 public:
  explicit TcxCustomStyleSheet(TComponent* AOwner = nullptr) : TcxComponent(AOwner) {}

  // The class of the sheet's collection (a TcxCustomStyles descendant); a class operation.
  virtual TClass GetStylesClass() const;

  void Assign(TPersistent* Source) override;
  // Takes copies of ASheet's styles, made in this sheet's repository (or owned by its owner).
  void CopyFrom(TcxCustomStyleSheet* ASheet);

  // The stored caption, or the component name when none is stored.
  String GetCaption() const;
  void SetCaption(const String& Value);
  bool IsCaptionStored() const { return !FCaption.empty(); }
  TcxCustomStyles* GetStyles() const { return FStyles; }
  // True for a sheet made at design time.
  bool GetBuiltIn() const { return FBuiltIn; }

  TcxStyleRepository* GetStyleRepository() const { return FStyleRepository; }
  void SetStyleRepository(TcxStyleRepository* Value);
  Integer GetIndex() const;
  TComponent* GetParentComponent() override;
  bool HasParent() override { return FStyleRepository != nullptr; }

  // The collections that inherit from this sheet.
  void AddStyles(TcxCustomStyles* AStyles);
  void RemoveStyles(TcxCustomStyles* AStyles);
  Integer StylesUserCount() const { return static_cast<Integer>(FStylesList.size()); }
  void DoStyleChanged(Integer AIndex);

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void ReadState(Filer::TReader* Reader) override;
  void SetParentComponent(TComponent* Value) override;
  void GetFakeComponentLinks(Lists::TList* AList) override;
  // What descendants publish as their Styles: assigning takes the other collection's style sheet.
  void SetStyles(TcxCustomStyles* Value);

 private:
  void ReadBuiltIn(Filer::TReader* Reader);
  void WriteBuiltIn(Filer::TWriter* Writer);

  bool FBuiltIn = false;
  String FCaption;
  TcxCustomStyles* FStyles = nullptr;         // owned
  std::vector<TcxCustomStyles*> FStylesList;  // users, not owned
  TcxStyleRepository* FStyleRepository = nullptr;
};

class TcxStyleRepository : public TComponent {
  DECLARE_CLASS(TcxStyleRepository, TComponent)
 public:
  explicit TcxStyleRepository(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // A style of AStyleClass (a TcxCustomStyle descendant) owned by AOwner, in this repository.
  virtual TcxCustomStyle* CreateItem(TClass AStyleClass);
  virtual TcxCustomStyle* CreateItemEx(TClass AStyleClass, TComponent* AOwner);
  virtual TcxCustomStyleSheet* CreateStyleSheet(TClass ASheetClass);
  virtual TcxCustomStyleSheet* CreateStyleSheetEx(TClass ASheetClass, TComponent* AOwner);

  // Frees the styles (the sheets), the last first.
  void Clear();
  void ClearStyleSheets();
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxCustomStyle* GetItems(Integer AIndex) const;
  Integer StyleSheetCount() const { return static_cast<Integer>(FStyleSheets.size()); }
  TcxCustomStyleSheet* GetStyleSheets(Integer AIndex) const;
  Integer StyleIndexOf(TcxCustomStyle* AStyle) const;
  Integer StyleSheetIndexOf(TcxCustomStyleSheet* AStyleSheet) const;

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  // AValue scaled from the pixels per inch the repository was stored at to the screen's, when it
  // is scalable and was read at another resolution.
  Integer GetScaledValue(Integer AValue) const;
  bool GetScalable() const { return FScalable; }
  void SetScalable(bool Value) { FScalable = Value; }
  // The pixels per inch read from the form stream; 0 when none was read.
  Integer GetPixelsPerInch() const { return FPixelsPerInch; }

 protected:
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  friend class TcxCustomStyle;
  friend class TcxCustomStyleSheet;
  void AddItem(TcxCustomStyle* AStyle);
  void RemoveItem(TcxCustomStyle* AStyle);
  void AddStyleSheet(TcxCustomStyleSheet* AStyleSheet);
  void RemoveStyleSheet(TcxCustomStyleSheet* AStyleSheet);
  void ReadPixelsPerInch(Filer::TReader* Reader);
  void WritePixelsPerInch(Filer::TWriter* Writer);

  std::vector<TcxCustomStyle*> FItems;
  std::vector<TcxCustomStyleSheet*> FStyleSheets;
  bool FScalable = false;
  Integer FPixelsPerInch = 0;
};

// ---- Unit routines ---------------------------------------------------------------------------------------------
// AStyle is not null and assigns AValue.
bool UseStyle(TcxStyle* AStyle, TcxStyleValue AValue);
// Fills what AAssigned does not hold yet from what AStyle assigns (colour, font, text colour, bitmap)
// and answers the grown set; nothing for a null style or one being destroyed.
TcxStyleValues CombineParamsWithStyle(TcxStyle* AStyle, TcxStyleValues AAssigned, TcxViewParams& AParams);

void RegisterStyleSheetClass(TClass AStyleSheetClass);
void UnregisterStyleSheetClass(TClass AStyleSheetClass);
// In registration order; AList is cleared first.
void GetRegisteredStyleSheetClasses(std::vector<TClass>& AList);

// Gives ADestSheet copies of ASourceSheet's styles, slot by slot (both collections of one class).
void CreateStyleSheetStyles(TcxCustomStyleSheet* ADestSheet, TcxCustomStyleSheet* ASourceSheet,
                            const TcxGetStyleNameProc& AGetStyleNameProc = TcxGetStyleNameProc());

// The style-sheet ini format: a section per sheet (its caption), a key per slot holding a style:
// "colour,text colour[,font name,points,[BIUS]]" with "default" for an unassigned colour, and the
// slot's bitmap as hexadecimal text in keys <slot>Bitmap0, <slot>Bitmap1, ...
// AStyleSheets holds TcxCustomStyleSheet objects. Keys of the file that are not written stay; a file
// is written back only when some key was written, and a missing file is then created empty.
void SaveStyleSheetsToIniFile(const String& AFileName, Lists::TList* AStyleSheets);
// Loads the sections ASheetNames names (all sections in file order when it is null or empty) as new
// sheets of ASheetClass made by ARepository (owned by AOwner when given), appended to AStyleSheets
// when given. A colour that is neither "default" nor a decimal integer, and bitmap text that is not
// pairs of hexadecimal digits, raise EConvertError; a damaged bitmap raises EInvalidGraphic.
void LoadStyleSheetsFromIniFile(const String& AFileName, TcxStyleRepository* ARepository, TClass ASheetClass,
                                StringLists::TStrings* ASheetNames = nullptr, TComponent* AOwner = nullptr,
                                Lists::TList* AStyleSheets = nullptr,
                                const TcxGetStyleNameProc& AGetStyleNameProc = TcxGetStyleNameProc());
// The same over an ini store already open; saving answers whether a key was written.
bool SaveStyleSheetsToIni(IniFiles::TCustomIniFile* AIniFile, Lists::TList* AStyleSheets);
void LoadStyleSheetsFromIni(IniFiles::TCustomIniFile* AIniFile, TcxStyleRepository* ARepository,
                            TClass ASheetClass, StringLists::TStrings* ASheetNames, TComponent* AOwner,
                            Lists::TList* AStyleSheets, const TcxGetStyleNameProc& AGetStyleNameProc);

void InitStyles();
void DoneStyles();

}  // namespace cxStyles

using namespace cxStyles;
