// The field classes of the dataset unit (included by DB.h). A field reads and writes one value of
// the dataset's active record; the typed classes convert it and format its display and edit texts.
//
// Conversions: a Null value reads as "", 0, 0.0, False or the zero date; text that does not convert
// raises EConvertError with the standard texts; a value beyond a numeric field's range raises
// EDatabaseError "%s is not a valid value for field '%s'. The allowed range is %s to %s".
#pragma once

namespace Streams {
class TStream;
}

namespace DB {

using TFieldGetTextEvent = TClosure<void(TField* Sender, String& Text, bool DisplayText)>;
using TFieldSetTextEvent = TClosure<void(TField* Sender, const String& Text)>;
using TFieldNotifyEvent = TClosure<void(TField* Sender)>;

class TField : public TComponent {
  DECLARE_CLASS(TField, TComponent)
 public:
  using TComponent::TComponent;

  // ---- Identity and layout (a change of the layout properties reaches the links as LayoutChanged)
  TDataSet* GetDataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  const String& GetFieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  String GetDisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const String& Value);
  String DisplayName() const { return GetDisplayLabel(); }
  Integer GetDisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : GetDefaultWidth(); }
  void SetDisplayWidth(Integer Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool GetRequired() const { return FRequired; }
  void SetRequired(bool Value) { FRequired = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  Integer GetIndex() const;  // position in the dataset's Fields; -1 without a dataset
  void SetIndex(Integer Value);
  Integer FieldNo() const { return FFieldNo; }
  TFieldType DataType() const { return FDataType; }
  Integer GetSize() const { return FSize; }
  void SetSize(Integer Value) { FSize = Value; }
  virtual Integer DataSize() const { return 0; }
  const String& GetEditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }
  bool CanModify() const;
  bool IsBlob() const;

  // ---- Kind
  TFieldKind GetFieldKind() const { return FFieldKind; }
  void SetFieldKind(TFieldKind Value);
  bool Calculated() const { return FFieldKind == fkCalculated || FFieldKind == fkInternalCalc; }
  void SetCalculated(bool Value) { SetFieldKind(Value ? fkCalculated : fkData); }
  bool Lookup() const { return FFieldKind == fkLookup; }
  void SetLookup(bool Value) { SetFieldKind(Value ? fkLookup : fkData); }
  TDataSet* GetLookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TDataSet* Value);
  const String& GetKeyFields() const { return FKeyFields; }
  void SetKeyFields(const String& Value) { FKeyFields = Value; }
  const String& GetLookupKeyFields() const { return FLookupKeyFields; }
  void SetLookupKeyFields(const String& Value) { FLookupKeyFields = Value; }
  const String& GetLookupResultField() const { return FLookupResultField; }
  void SetLookupResultField(const String& Value) { FLookupResultField = Value; }

  // ---- Values of the active record
  bool IsNull() const;
  String DisplayText() const;
  String GetText() const;
  void SetText(const String& Value);  // OnSetText, else the edit mask's saved text, then SetAsString
  String GetEditText() const { return GetText(); }
  void SetEditText(const String& Value) { SetText(Value); }
  virtual bool GetAsBoolean() const;
  virtual void SetAsBoolean(bool Value);
  virtual Currency GetAsCurrency() const;
  virtual void SetAsCurrency(Currency Value);
  virtual TDateTime GetAsDateTime() const;
  virtual void SetAsDateTime(TDateTime Value);
  virtual double GetAsFloat() const;
  virtual void SetAsFloat(double Value);
  virtual Integer GetAsInteger() const;
  virtual void SetAsInteger(Integer Value);
  virtual String GetAsString() const;
  virtual void SetAsString(const String& Value);
  virtual Variant GetAsVariant() const;
  virtual void SetAsVariant(const Variant& Value);
  Variant GetValue() const { return GetAsVariant(); }
  void SetValue(const Variant& Value) { SetAsVariant(Value); }
  void Clear() { SetAsVariant(Null()); }
  void FocusControl();

  // The raw stored value (Empty when the active buffer holds no record), and its store.
  Variant GetData() const;
  void SetData(const Variant& Value);

  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;
  TFieldNotifyEvent OnChange;
  TFieldNotifyEvent OnValidate;

 protected:
  friend class TDataSet;
  friend class TFields;
  friend class TFieldDef;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetDataType(TFieldType Value) { FDataType = Value; }
  virtual Integer GetDefaultWidth() const { return 10; }
  virtual void GetText(String& Text, bool DisplayText) const;
  virtual void SetTextValue(const String& Value) { SetAsString(Value); }
  void PropertyChanged(bool LayoutAffected);
  [[noreturn]] void AccessError(const char* TypeName) const;
  [[noreturn]] void RangeError(double Value, double Min, double Max) const;
  void CheckInactive() const;

 private:
  TDataSet* FDataSet = nullptr;
  TDataSet* FLookupDataSet = nullptr;
  String FFieldName;
  String FDisplayLabel;
  String FEditMask;
  String FKeyFields, FLookupKeyFields, FLookupResultField;
  Integer FDisplayWidth = 0;
  Integer FFieldNo = 0;
  Integer FValueIndex = -1;  // slot in the record's values
  Integer FSize = 0;
  TFieldType FDataType = ftUnknown;
  TFieldKind FFieldKind = fkData;
  TAlignment FAlignment = taLeftJustify;
  bool FVisible = true;
  bool FReadOnly = false;
  bool FRequired = false;
  bool FValidating = false;
};

class TStringField : public TField {
  DECLARE_CLASS(TStringField, TField)
 public:
  using TField::TField;
  Integer DataSize() const override { return GetSize() + 1; }
  bool GetAsBoolean() const override;
  void SetAsBoolean(bool Value) override;
  TDateTime GetAsDateTime() const override;
  void SetAsDateTime(TDateTime Value) override;
  double GetAsFloat() const override;
  void SetAsFloat(double Value) override;
  Integer GetAsInteger() const override;
  void SetAsInteger(Integer Value) override;
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;
  // Whether text is converted between the database's character set and the program's. Both are
  // UTF-8 here, so the setting is kept and reported but converts nothing.
  bool GetTransliterate() const { return FTransliterate; }
  void SetTransliterate(bool Value) { FTransliterate = Value; }

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return GetSize() > 0 ? GetSize() : 20; }

 private:
  bool FTransliterate = true;
};

class TNumericField : public TField {
  DECLARE_CLASS(TNumericField, TField)
 public:
  using TField::TField;
  const String& GetDisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);
  const String& GetEditFormat() const { return FEditFormat; }
  void SetEditFormat(const String& Value);

 protected:
  void Construct() override;

 private:
  String FDisplayFormat, FEditFormat;
};

class TIntegerField : public TNumericField {
  DECLARE_CLASS(TIntegerField, TNumericField)
 public:
  using TNumericField::TNumericField;
  Integer DataSize() const override { return 4; }
  Integer GetMinValue() const { return FMinValue; }
  void SetMinValue(Integer Value) { FMinValue = Value; }
  Integer GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(Integer Value) { FMaxValue = Value; }
  double GetAsFloat() const override;
  void SetAsFloat(double Value) override;
  Integer GetAsInteger() const override;
  void SetAsInteger(Integer Value) override;
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 11; }
  void GetText(String& Text, bool DisplayText) const override;
  void SetRange(Integer Min, Integer Max);

 private:
  Integer FMinValue = 0, FMaxValue = 0;      // both 0: no range of its own
  Integer FMinRange = 0, FMaxRange = 0;      // the range of the stored type (0, 0: 32 bits)
};

class TSmallintField : public TIntegerField {
  DECLARE_CLASS(TSmallintField, TIntegerField)
 public:
  using TIntegerField::TIntegerField;
  Integer DataSize() const override { return 2; }

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 6; }
};

class TWordField : public TIntegerField {
  DECLARE_CLASS(TWordField, TIntegerField)
 public:
  using TIntegerField::TIntegerField;
  Integer DataSize() const override { return 2; }

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 5; }
};

class TAutoIncField : public TIntegerField {
  DECLARE_CLASS(TAutoIncField, TIntegerField)
 public:
  using TIntegerField::TIntegerField;

 protected:
  void Construct() override;
};

class TFloatField : public TNumericField {
  DECLARE_CLASS(TFloatField, TNumericField)
 public:
  using TNumericField::TNumericField;
  Integer DataSize() const override { return 8; }
  bool GetCurrency() const { return FCurrency; }
  void SetCurrency(bool Value);
  Integer GetPrecision() const { return FPrecision; }
  void SetPrecision(Integer Value);
  double GetMinValue() const { return FMinValue; }
  void SetMinValue(double Value) { FMinValue = Value; }
  double GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value) { FMaxValue = Value; }
  double GetAsFloat() const override;
  void SetAsFloat(double Value) override;
  Integer GetAsInteger() const override;
  void SetAsInteger(Integer Value) override;
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;

 protected:
  void Construct() override;
  void GetText(String& Text, bool DisplayText) const override;

 private:
  bool FCurrency = false;
  Integer FPrecision = 15;
  double FMinValue = 0, FMaxValue = 0;
};

class TCurrencyField : public TFloatField {
  DECLARE_CLASS(TCurrencyField, TFloatField)
 public:
  using TFloatField::TFloatField;

 protected:
  void Construct() override;
};

// A fixed-point number of Precision digits, Size of them after the decimal point.
class TBCDField : public TNumericField {
  DECLARE_CLASS(TBCDField, TNumericField)
 public:
  using TNumericField::TNumericField;
  Integer DataSize() const override { return 34; }
  bool GetCurrency() const { return FCurrency; }
  void SetCurrency(bool Value);
  Integer GetPrecision() const { return FPrecision; }
  void SetPrecision(Integer Value) { FPrecision = Value; }
  Currency GetAsCurrency() const override;
  void SetAsCurrency(Currency Value) override;
  double GetAsFloat() const override;
  void SetAsFloat(double Value) override;
  Integer GetAsInteger() const override;
  void SetAsInteger(Integer Value) override;
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;

 protected:
  void Construct() override;
  void GetText(String& Text, bool DisplayText) const override;

 private:
  bool FCurrency = false;
  Integer FPrecision = 0;  // 0: as many digits as a currency holds
};

class TBooleanField : public TField {
  DECLARE_CLASS(TBooleanField, TField)
 public:
  using TField::TField;
  Integer DataSize() const override { return 2; }
  // "Yes;No": the texts for True and False (an empty text after ";" shows False as "").
  const String& GetDisplayValues() const { return FDisplayValues; }
  void SetDisplayValues(const String& Value);
  bool GetAsBoolean() const override;
  void SetAsBoolean(bool Value) override;
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override;

 private:
  String FDisplayValues;
  String FTextValues[2] = {"False", "True"};
};

// The texts of True and False in a Boolean field's DisplayValues ("Yes;No"): an empty text gives
// "True" and "False", a text without ";" is the True text alone (False shows as "").
void SplitBooleanDisplayValues(const String& DisplayValues, String& TrueText, String& FalseText);

class TDateTimeField : public TField {
  DECLARE_CLASS(TDateTimeField, TField)
 public:
  using TField::TField;
  Integer DataSize() const override { return 8; }
  const String& GetDisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);
  TDateTime GetAsDateTime() const override;
  void SetAsDateTime(TDateTime Value) override;
  double GetAsFloat() const override { return GetAsDateTime(); }
  void SetAsFloat(double Value) override { SetAsDateTime(Value); }
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SetAsVariant(const Variant& Value) override;

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 18; }
  void GetText(String& Text, bool DisplayText) const override;
  // The format letters of the edit text and of the display without a DisplayFormat.
  virtual String DefaultFormat() const { return "c"; }

 private:
  String FDisplayFormat;
};

class TDateField : public TDateTimeField {
  DECLARE_CLASS(TDateField, TDateTimeField)
 public:
  using TDateTimeField::TDateTimeField;
  Integer DataSize() const override { return 4; }

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 10; }
  String DefaultFormat() const override { return "ddddd"; }
};

class TTimeField : public TDateTimeField {
  DECLARE_CLASS(TTimeField, TDateTimeField)
 public:
  using TDateTimeField::TDateTimeField;
  Integer DataSize() const override { return 4; }

 protected:
  void Construct() override;
  Integer GetDefaultWidth() const override { return 10; }
  String DefaultFormat() const override { return "tt"; }
};

// Bytes kept as a string of bytes.
class TBinaryField : public TField {
  DECLARE_CLASS(TBinaryField, TField)
 public:
  using TField::TField;
  Integer DataSize() const override { return GetSize(); }
  String GetAsString() const override;
  void SetAsString(const String& Value) override;

 protected:
  void GetText(String& Text, bool DisplayText) const override;
};

class TBytesField : public TBinaryField {
  DECLARE_CLASS(TBytesField, TBinaryField)
 public:
  using TBinaryField::TBinaryField;

 protected:
  void Construct() override;
};

class TVarBytesField : public TBinaryField {
  DECLARE_CLASS(TVarBytesField, TBinaryField)
 public:
  using TBinaryField::TBinaryField;
  Integer DataSize() const override { return GetSize() + 2; }

 protected:
  void Construct() override;
};

class TBlobField : public TField {
  DECLARE_CLASS(TBlobField, TField)
 public:
  using TField::TField;
  TBlobType GetBlobType() const { return DataType(); }
  void SetBlobType(TBlobType Value) { SetDataType(Value); }
  Integer BlobSize() const { return static_cast<Integer>(GetAsString().size()); }
  String GetAsString() const override;
  void SetAsString(const String& Value) override;
  void SaveToStream(Streams::TStream* Stream) const;
  void LoadFromStream(Streams::TStream* Stream);
  void SaveToFile(const String& FileName) const;
  void LoadFromFile(const String& FileName);
  // From a string list (its text) or another blob field (its contents).
  void Assign(TPersistent* Source) override;

 protected:
  void Construct() override;
  void AssignTo(TPersistent* Dest) override;
  void GetText(String& Text, bool DisplayText) const override;
};

class TMemoField : public TBlobField {
  DECLARE_CLASS(TMemoField, TBlobField)
 public:
  using TBlobField::TBlobField;
  // As a string field's: kept and reported; UTF-8 on both sides, so nothing is converted.
  bool GetTransliterate() const { return FTransliterate; }
  void SetTransliterate(bool Value) { FTransliterate = Value; }

 protected:
  void Construct() override;

 private:
  bool FTransliterate = true;
};

class TGraphicField : public TBlobField {
  DECLARE_CLASS(TGraphicField, TBlobField)
 public:
  using TBlobField::TBlobField;

 protected:
  void Construct() override;
};

}  // namespace DB
