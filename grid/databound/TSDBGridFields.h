// Field wrappers: the data-bound grid never reads or writes a dataset field directly. Each field of
// the bound dataset gets one wrapper, made by the field list's factory on the field's class; the
// wrapper answers the value, text, format and editing questions of its field, and runs the grid's
// edit hooks before every write. The field list owns the wrappers; a column that shows a field
// points at its wrapper and the wrapper back at the column.
//
// Also here: the BCD/currency conversions of the grid data classes.
#pragma once

#include "DB.h"
#include "Lists.h"
#include "Persistent.h"
#include "Streams.h"
#include "TSDBGridFieldTypes.h"
#include "TSGridTypes.h"

namespace DBTables {
class TBlobStream;
}
namespace FmtBcd {
struct TBcd;
}
namespace Graphics {
class TBitmap;
}
namespace StringLists {
class TStrings;
}

namespace TSDBGrid {

using DB::TField;
using TSGrid::TtsControlType;

class TtsDBField : public TPersistent {
  DECLARE_CLASS(TtsDBField, TPersistent)
 public:
  // ---- Overridable operations, in their slot order
  virtual String GetText(bool DisplayText);
  virtual bool GetAsBoolean();
  virtual Currency GetAsCurrency();
  virtual TDateTime GetAsDateTime();
  virtual double GetAsFloat();
  virtual Integer GetAsInteger();
  virtual String GetAsString();
  virtual Variant GetAsVariant();
  virtual bool IsBooleanField() { return false; }
  virtual bool IsIntegerField() { return false; }
  virtual void SetAsBoolean(bool Value);
  virtual void SetAsCurrency(Currency Value);
  virtual void SetAsDateTime(TDateTime Value);
  virtual void SetAsFloat(double Value);
  virtual void SetAsInteger(Integer Value);
  virtual void SetAsString(const String& Value);
  virtual void SetAsVariant(const Variant& Value);
  virtual String GetDisplayText();
  virtual String GetDisplayFormat() { return String(); }
  virtual String GetEditFormat() { return String(); }
  virtual void SetEditText(const String& Value);
  virtual String GetEditText();
  virtual bool GetTransliterate() { return false; }
  virtual void SetTransliterate(bool Value) {}
  virtual TtsControlType GetControlType();
  virtual Integer GetMaxLength() { return 0; }

  // ---- Identity
  TtsCustomDBGrid* GetGrid() const { return FGrid; }
  TtsDBCol* GetCol() const { return FCol; }
  void SetCol(TtsDBCol* Value) { FCol = Value; }
  TField* GetFieldObject() const { return FField; }

  // ---- The field's own properties
  TClass GetFieldClass() const;
  String GetDisplayLabel() const;
  void SetDisplayLabel(const String& Value);
  String GetDisplayName() const;
  String GetFieldName() const;
  bool GetReadOnly() const;
  void SetReadOnly(bool Value);
  TAlignment GetAlignment() const;
  void SetAlignment(TAlignment Value);
  Integer GetFieldNo() const;
  DB::TFieldType GetDataType() const;
  bool GetVisible() const;
  void SetVisible(bool Value);
  Integer GetDisplayWidth() const;
  void SetDisplayWidth(Integer Value);
  bool CanModify() const;
  String GetEditMask() const;
  void SetEditMask(const String& Value);
  bool GetLookup() const;
  Integer GetDataSize() const;
  Integer GetSize() const;
  void SetSize(Integer Value);
  bool IsBlobField() const;
  bool GetIsNull() const;

  // ---- Editing
  // False for a read-only grid and for read-only, calculated and lookup fields.
  bool IsEditField();
  // Asked before every write: the grid's cell and row edit hooks may refuse it.
  bool FieldEditOk();

 protected:
  friend class TtsFieldList;
  TtsDBField(TtsCustomDBGrid* AGrid, TtsDBCol* ACol, TField* AField) : FGrid(AGrid), FCol(ACol), FField(AField) {}
  // Whether the grid reads its records through the dataset (the standard strategy).
  bool StandardScrolling() const;

 private:
  TtsCustomDBGrid* FGrid;
  TtsDBCol* FCol;
  TField* FField;
};

class TtsDBStringField : public TtsDBField {
  DECLARE_CLASS(TtsDBStringField, TtsDBField)
 public:
  bool GetTransliterate() override;
  void SetTransliterate(bool Value) override;
  Integer GetMaxLength() override;

 protected:
  using TtsDBField::TtsDBField;
};

class TtsDBNumericField : public TtsDBField {
  DECLARE_CLASS(TtsDBNumericField, TtsDBField)
 public:
  String GetDisplayFormat() override;
  String GetEditFormat() override;

 protected:
  using TtsDBField::TtsDBField;
};

class TtsDBIntegerField : public TtsDBNumericField {
  DECLARE_CLASS(TtsDBIntegerField, TtsDBNumericField)
 public:
  bool IsIntegerField() override { return true; }

 protected:
  using TtsDBNumericField::TtsDBNumericField;
};

class TtsDBSmallintField : public TtsDBIntegerField {
  DECLARE_CLASS(TtsDBSmallintField, TtsDBIntegerField)
 protected:
  using TtsDBIntegerField::TtsDBIntegerField;
};

class TtsDBWordField : public TtsDBIntegerField {
  DECLARE_CLASS(TtsDBWordField, TtsDBIntegerField)
 protected:
  using TtsDBIntegerField::TtsDBIntegerField;
};

class TtsDBAutoIncField : public TtsDBIntegerField {
  DECLARE_CLASS(TtsDBAutoIncField, TtsDBIntegerField)
 protected:
  using TtsDBIntegerField::TtsDBIntegerField;
};

class TtsDBFloatField : public TtsDBNumericField {
  DECLARE_CLASS(TtsDBFloatField, TtsDBNumericField)
 protected:
  using TtsDBNumericField::TtsDBNumericField;
};

class TtsDBCurrencyField : public TtsDBFloatField {
  DECLARE_CLASS(TtsDBCurrencyField, TtsDBFloatField)
 protected:
  using TtsDBFloatField::TtsDBFloatField;
};

class TtsDBBCDField : public TtsDBNumericField {
  DECLARE_CLASS(TtsDBBCDField, TtsDBNumericField)
 protected:
  using TtsDBNumericField::TtsDBNumericField;
};

class TtsDBBooleanField : public TtsDBField {
  DECLARE_CLASS(TtsDBBooleanField, TtsDBField)
 public:
  bool IsBooleanField() override { return true; }
  TtsControlType GetControlType() override;
  // The texts of True and False, split from the field's DisplayValues ("Yes;No") when those changed
  // since the last split; without DisplayValues the resource texts "True" and "False".
  void RefreshTexts();
  const String& GetTrueText() const { return FTrueText; }
  const String& GetFalseText() const { return FFalseText; }

 protected:
  using TtsDBField::TtsDBField;
  void Construct() override;

 private:
  String FLastDisplayValues;
  String FFalseText;
  String FTrueText;
};

class TtsDBDateTimeField : public TtsDBField {
  DECLARE_CLASS(TtsDBDateTimeField, TtsDBField)
 public:
  String GetDisplayFormat() override;

 protected:
  using TtsDBField::TtsDBField;
};

class TtsDBDateField : public TtsDBDateTimeField {
  DECLARE_CLASS(TtsDBDateField, TtsDBDateTimeField)
 protected:
  using TtsDBDateTimeField::TtsDBDateTimeField;
};

class TtsDBTimeField : public TtsDBDateTimeField {
  DECLARE_CLASS(TtsDBTimeField, TtsDBDateTimeField)
 protected:
  using TtsDBDateTimeField::TtsDBDateTimeField;
};

class TtsDBBinaryField : public TtsDBField {
  DECLARE_CLASS(TtsDBBinaryField, TtsDBField)
 protected:
  using TtsDBField::TtsDBField;
};

class TtsDBBytesField : public TtsDBBinaryField {
  DECLARE_CLASS(TtsDBBytesField, TtsDBBinaryField)
 protected:
  using TtsDBBinaryField::TtsDBBinaryField;
};

class TtsDBVarBytesField : public TtsDBBytesField {
  DECLARE_CLASS(TtsDBVarBytesField, TtsDBBytesField)
 protected:
  using TtsDBBytesField::TtsDBBytesField;
};

class TtsDBBlobField : public TtsDBField {
  DECLARE_CLASS(TtsDBBlobField, TtsDBField)
 public:
  void Assign(TPersistent* Source) override;
  void SaveToStream(Streams::TStream* Stream);
  void SaveToFile(const String& FileName);
  void SaveToStrings(StringLists::TStrings* Strings);
  // Reads a bitmap, skipping the 8-byte header some stored pictures carry.
  void SaveToBitmap(Graphics::TBitmap* Bitmap);
  void LoadFromBlob(TtsDBBlobField* Source);

 protected:
  using TtsDBField::TtsDBField;
  void AssignTo(TPersistent* Dest) override;
};

class TtsDBMemoField : public TtsDBBlobField {
  DECLARE_CLASS(TtsDBMemoField, TtsDBBlobField)
 public:
  String GetDisplayText() override;
  String GetEditText() override;
  bool GetTransliterate() override;
  void SetTransliterate(bool Value) override;

 protected:
  using TtsDBBlobField::TtsDBBlobField;
};

class TtsDBGraphicField : public TtsDBBlobField {
  DECLARE_CLASS(TtsDBGraphicField, TtsDBBlobField)
 public:
  TtsControlType GetControlType() override;

 protected:
  using TtsDBBlobField::TtsDBBlobField;
};

// The bytes of a blob wrapper's field for one operation: a read stream or a write stream whose
// content the field takes when the stream is freed.
class TtsDBBlobStream : public Streams::TStream {
  DECLARE_CLASS(TtsDBBlobStream, Streams::TStream)
 public:
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, Streams::TSeekOrigin Origin) override;
  TtsDBBlobField* GetWrapper() const { return FWrapper; }

 protected:
  TtsDBBlobStream(TtsDBBlobField* AWrapper, DB::TBlobStreamMode AMode) : FWrapper(AWrapper), FMode(AMode) {}
  void Construct() override;
  void Destroy() override;

 private:
  TtsDBBlobField* FWrapper;
  DB::TBlobStreamMode FMode;
  DBTables::TBlobStream* FInnerStream = nullptr;
};

// The grid's wrappers, one per dataset field in field order; the list owns them.
class TtsFieldList : public Lists::TList {
  DECLARE_CLASS(TtsFieldList, Lists::TList)
 public:
  void CreateFields();
  TtsDBField* CreateField(TField* Field);
  void Reset();
  TtsDBField* FindField(const String& Name) const;
  Integer FieldIndex(TField* Field) const;
  TtsDBField* GetField(Integer Index) const { return static_cast<TtsDBField*>(GetItems(Index)); }
  TtsCustomDBGrid* GetGrid() const { return FGrid; }

 protected:
  explicit TtsFieldList(TtsCustomDBGrid* AGrid) : FGrid(AGrid) {}
  void Destroy() override;

 private:
  TtsCustomDBGrid* FGrid;
};

// ---- Unit routines of the grid data classes
bool GetBCDToCurr(const FmtBcd::TBcd& Bcd, Currency& Value);
void GetCurrToBCD(Currency Value, FmtBcd::TBcd& Bcd, Integer Precision, Integer Decimals);

}  // namespace TSDBGrid
