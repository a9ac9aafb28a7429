// The editors as the application's forms hold them: read from a form resource with the settings the
// resources store, at their stored places and widths, with Chinese captions in the "宋体" font.
#include <cstring>
#include <map>
#include <memory>

#include "Forms.h"
#include "HeadlessBackend.h"
#include "ObjectText.h"
#include "Resources.h"
#include "Streams.h"
#include "Strings.h"
#include "cxEditTestSupport.h"
#include "cxButtons.h"
#include "cxLabel.h"
#include "cxTextEdit.h"

namespace {

// What the forms share: their buttons' clicks are recorded. It has no resource of its own, so a
// form made from a resource reads only its own.
class TEditorFormBase : public TForm {
  DECLARE_CLASS(TEditorFormBase, TForm)
 public:
  std::vector<String> Clicks;
  void ButtonClick(TObject* Sender) { Clicks.push_back(static_cast<TComponent*>(Sender)->GetName()); }
};
IMPLEMENT_CLASS_PUBLISHED(TEditorFormBase) { d.Method("ButtonClick", &TEditorFormBase::ButtonClick); }

// A form made from its resource, as the application's forms are: the new-timer dialog, the main
// form's settings page and the reminder popup.
class TEditorResourceForm : public TEditorFormBase {
  DECLARE_CLASS(TEditorResourceForm, TEditorFormBase)
};
IMPLEMENT_CLASS(TEditorResourceForm)

class TSettingsPageResourceForm : public TEditorFormBase {
  DECLARE_CLASS(TSettingsPageResourceForm, TEditorFormBase)
};
IMPLEMENT_CLASS(TSettingsPageResourceForm)

class TReminderResourceForm : public TEditorFormBase {
  DECLARE_CLASS(TReminderResourceForm, TEditorFormBase)
};
IMPLEMENT_CLASS(TReminderResourceForm)

// The new-timer dialog's editors.
const char* const NewTimerFormText = R"(object EditorResourceForm: TEditorResourceForm
  Left = 0
  Top = 0
  Width = 300
  Height = 180
  Caption = '新建计时'
  Font.Name = '宋体'
  Font.Height = -12
  object cxlbl1: TcxLabel
    Left = 24
    Top = 16
    Caption = '物品名称:'
    Style.TransparentBorder = True
  end
  object cxlbl2: TcxLabel
    Left = 81
    Top = 63
    Caption = '天'
  end
  object cxlbl3: TcxLabel
    Left = 156
    Top = 61
    Caption = '小时'
  end
  object cxlbl4: TcxLabel
    Left = 259
    Top = 61
    Caption = '分钟'
  end
  object cxbtnMc: TcxTextEdit
    Left = 106
    Top = 13
    TabOrder = 1
    Width = 121
  end
  object cxbtnDay: TcxTextEdit
    Left = 27
    Top = 61
    TabOrder = 2
    Width = 49
  end
  object cxbtnHour: TcxTextEdit
    Left = 106
    Top = 61
    TabOrder = 4
    Width = 45
  end
  object cxbtnMin: TcxTextEdit
    Left = 197
    Top = 61
    TabOrder = 6
    Width = 57
  end
  object btnQd: TcxButton
    Left = 72
    Top = 104
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 8
    OnClick = ButtonClick
  end
  object btnClosr: TcxButton
    Left = 178
    Top = 102
    Width = 75
    Height = 25
    Caption = '关闭'
    TabOrder = 9
    OnClick = ButtonClick
  end
end
)";

// The settings page's editors (the page itself belongs to the page control, so they sit on the form).
const char* const SettingsPageFormText = R"(object SettingsPageResourceForm: TSettingsPageResourceForm
  Left = 0
  Top = 0
  Width = 441
  Height = 360
  Caption = '设置'
  Font.Name = '宋体'
  Font.Height = -16
  object cxlbl1: TcxLabel
    Left = 48
    Top = 40
    Caption = '当秒数小于'
  end
  object cxbtnSz: TcxTextEdit
    Left = 135
    Top = 38
    TabOrder = 1
    Width = 121
  end
  object cxlbl2: TcxLabel
    Left = 264
    Top = 40
    Caption = '弹出提示'
  end
  object btnOK: TcxButton
    Left = 152
    Top = 280
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 3
    OnClick = ButtonClick
  end
end
)";

// The reminder popup's editors; its captions are replaced when the popup is made.
const char* const ReminderFormText = R"(object ReminderResourceForm: TReminderResourceForm
  Left = 0
  Top = 0
  Width = 354
  Height = 200
  Caption = '提示:'
  Font.Name = '宋体'
  Font.Height = -16
  object lbWpm: TcxLabel
    Left = 48
    Top = 24
    Caption = 'lbWpm'
  end
  object lbdq: TcxLabel
    Left = 48
    Top = 56
    Caption = 'lbdq'
  end
  object btnOK: TcxButton
    Left = 128
    Top = 104
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 2
    OnClick = ButtonClick
  end
end
)";

void RegisterEditorFormText(TClass AFormClass, const char* AText) {
  static std::map<TClass, std::pair<String, TResourceEntry>> forms;
  static std::vector<std::unique_ptr<TResourceTable>> tables;
  if (forms.count(AFormClass)) return;
  RegisterClass(AFormClass);
  auto& form = forms[AFormClass];
  form.first = UpperCase(AFormClass->Name);
  form.second = {"RCDATA", form.first.c_str(), reinterpret_cast<const unsigned char*>(AText), std::strlen(AText)};
  tables.push_back(std::make_unique<TResourceTable>(TResourceTable{&form.second, 1}));
  RegisterResourceTable(*tables.back());
}


TEST(cxEditorForms, NewTimerDialogEditorsLoadFromTheirResource) {
  RegisterEditorFormText(TEditorResourceForm::StaticClass(), NewTimerFormText);
  TOwnedPtr<TEditorResourceForm> form(Application->CreateForm<TEditorResourceForm>());
  const struct {
    const char* Name;
    Integer Left, Top, Width;
  } edits[] = {{"cxbtnMc", 106, 13, 121}, {"cxbtnDay", 27, 61, 49}, {"cxbtnHour", 106, 61, 45}, {"cxbtnMin", 197, 61, 57}};
  Integer previousTabOrder = -1;
  for (const auto& e : edits) {
    auto* edit = dynamic_cast<TcxTextEdit*>(form->FindComponent(e.Name));
    ASSERT_NE(edit, nullptr) << e.Name;
    EXPECT_EQ(edit->GetBoundsRect().TopLeft(), TPoint(e.Left, e.Top)) << e.Name;
    EXPECT_EQ(edit->GetWidth(), e.Width) << e.Name;
    // The stored tab orders keep their sequence (gaps close up among the form's controls).
    EXPECT_GT(edit->GetTabOrder(), previousTabOrder) << e.Name;
    previousTabOrder = edit->GetTabOrder();
    EXPECT_EQ(edit->GetText(), "") << "an untouched editor is empty";
    EXPECT_EQ(edit->GetStyle()->GetVisibleFont()->GetName(), "宋体") << e.Name;
  }
  const struct {
    const char* Name;
    Integer Left, Top;
    const char* Caption;
  } labels[] = {{"cxlbl1", 24, 16, "物品名称:"}, {"cxlbl2", 81, 63, "天"}, {"cxlbl3", 156, 61, "小时"}, {"cxlbl4", 259, 61, "分钟"}};
  for (const auto& l : labels) {
    auto* label = dynamic_cast<TcxLabel*>(form->FindComponent(l.Name));
    ASSERT_NE(label, nullptr) << l.Name;
    EXPECT_EQ(label->GetBoundsRect().TopLeft(), TPoint(l.Left, l.Top)) << l.Name;
    EXPECT_EQ(label->GetCaption(), l.Caption) << l.Name;
  }
  EXPECT_TRUE(static_cast<TcxLabel*>(form->FindComponent("cxlbl1"))->GetStyle()->GetTransparentBorder());
  auto* name = static_cast<TcxTextEdit*>(form->FindComponent("cxbtnMc"));
  name->SetText("古董花瓶");
  static_cast<TcxTextEdit*>(form->FindComponent("cxbtnDay"))->SetText("3");
  form->Show();
  Application->ProcessMessages();
  EXPECT_EQ(name->GetText(), "古董花瓶");
  auto* ok = dynamic_cast<TcxButton*>(form->FindComponent("btnQd"));
  auto* close = dynamic_cast<TcxButton*>(form->FindComponent("btnClosr"));
  ASSERT_TRUE(ok && close);
  EXPECT_EQ(ok->GetBoundsRect(), TRect(72, 104, 147, 129));
  EXPECT_EQ(close->GetBoundsRect(), TRect(178, 102, 253, 127));
  EXPECT_EQ(ok->GetCaption(), "确定");
  EXPECT_GT(close->GetTabOrder(), ok->GetTabOrder());
  // One click a press and release of the left button.
  const TPoint p = ok->ClientToScreen(TPoint(10, 10));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(form->Clicks, std::vector<String>{"btnQd"});
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(form->GetHandle(), "editor-forms-new-timer.png"));
}

TEST(cxEditorForms, SettingsPageEditorsLoadFromTheirResource) {
  RegisterEditorFormText(TSettingsPageResourceForm::StaticClass(), SettingsPageFormText);
  TOwnedPtr<TSettingsPageResourceForm> form(Application->CreateForm<TSettingsPageResourceForm>());
  auto* threshold = dynamic_cast<TcxTextEdit*>(form->FindComponent("cxbtnSz"));
  ASSERT_NE(threshold, nullptr);
  EXPECT_EQ(threshold->GetBoundsRect().TopLeft(), TPoint(135, 38));
  EXPECT_EQ(threshold->GetWidth(), 121);
  EXPECT_EQ(threshold->GetText(), "");
  EXPECT_EQ(threshold->GetStyle()->GetVisibleFont()->GetName(), "宋体");
  const struct {
    const char* Name;
    Integer Left, Top;
    const char* Caption;
  } labels[] = {{"cxlbl1", 48, 40, "当秒数小于"}, {"cxlbl2", 264, 40, "弹出提示"}};
  for (const auto& l : labels) {
    auto* label = dynamic_cast<TcxLabel*>(form->FindComponent(l.Name));
    ASSERT_NE(label, nullptr) << l.Name;
    EXPECT_EQ(label->GetBoundsRect().TopLeft(), TPoint(l.Left, l.Top)) << l.Name;
    EXPECT_EQ(label->GetCaption(), l.Caption) << l.Name;
  }
  auto* ok = dynamic_cast<TcxButton*>(form->FindComponent("btnOK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->GetBoundsRect(), TRect(152, 280, 227, 305));
  EXPECT_GT(ok->GetTabOrder(), threshold->GetTabOrder());
  // The threshold read from the database is written as its decimal form, and read back as typed.
  threshold->SetText("30");
  form->Show();
  Application->ProcessMessages();
  threshold->SetFocus();
  Application->ProcessMessages();
  threshold->SelectAll();
  InjectText("120");
  Application->ProcessMessages();
  EXPECT_EQ(threshold->GetText(), "120");
  const TPoint p = ok->ClientToScreen(TPoint(10, 10));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(form->Clicks, std::vector<String>{"btnOK"});
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(form->GetHandle(), "editor-forms-settings-page.png"));
}

TEST(cxEditorForms, ReminderLabelsTakeTheirTextAndGrowWithIt) {
  RegisterEditorFormText(TReminderResourceForm::StaticClass(), ReminderFormText);
  TOwnedPtr<TReminderResourceForm> form(Application->CreateForm<TReminderResourceForm>());
  auto* name = dynamic_cast<TcxLabel*>(form->FindComponent("lbWpm"));
  auto* due = dynamic_cast<TcxLabel*>(form->FindComponent("lbdq"));
  auto* ok = dynamic_cast<TcxButton*>(form->FindComponent("btnOK"));
  ASSERT_TRUE(name && due && ok);
  EXPECT_EQ(name->GetBoundsRect().TopLeft(), TPoint(48, 24));
  EXPECT_EQ(due->GetBoundsRect().TopLeft(), TPoint(48, 56));
  EXPECT_EQ(ok->GetBoundsRect(), TRect(128, 104, 203, 129));
  EXPECT_EQ(name->GetCaption(), "lbWpm");
  const Integer shortWidth = due->GetWidth();
  // What the popup's constructor writes.
  name->SetCaption(String("AH物品:") + "古董花瓶");
  due->SetCaption(String("还差") + "42" + "秒到期,请合理安排时间.");
  EXPECT_EQ(due->GetCaption(), "还差42秒到期,请合理安排时间.");
  form->Show();
  Application->ProcessMessages();
  EXPECT_GT(due->GetWidth(), shortWidth) << "the label sizes itself to its new text";
  EXPECT_EQ(due->GetBoundsRect().TopLeft(), TPoint(48, 56)) << "growing to the right, at its place";
  EXPECT_LE(due->GetBoundsRect().right, form->GetClientWidth()) << "the text fits the popup";
  const TPoint p = ok->ClientToScreen(TPoint(10, 10));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(form->Clicks, std::vector<String>{"btnOK"});
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(form->GetHandle(), "editor-forms-reminder.png"));
}

TEST(cxEditorForms, ATextEditorWritesWhatTheFormResourcesHold) {
  RegisterEditorFormText(TEditorResourceForm::StaticClass(), NewTimerFormText);
  TOwnedPtr<TEditorResourceForm> form(Application->CreateForm<TEditorResourceForm>());
  auto* days = static_cast<TcxTextEdit*>(form->FindComponent("cxbtnDay"));
  TOwnedPtr<TMemoryStream> stream = NewOwned<TMemoryStream>();
  stream->WriteComponent(days);
  const String text = ObjectBinaryToTextString(String(static_cast<const char*>(stream->GetMemory()), stream->GetSize()));
  const auto at = [&](const char* AEntry) { return text.find(String("\n  ") + AEntry + " = "); };
  EXPECT_NE(at("Left"), String::npos) << text;
  EXPECT_LT(at("Left"), at("Top"));
  EXPECT_LT(at("Top"), at("TabOrder"));
  EXPECT_LT(at("TabOrder"), at("Width")) << "the width is written after the tab order";
  EXPECT_EQ(at("Height"), String::npos) << "the editor sizes its own height";
  EXPECT_EQ(at("Text"), String::npos) << "an empty text is not stored";
}

TEST(cxEditorForms, AnOlderStreamsDisplayFormatFlagIsReadButNeverWritten) {
  const String binary = ObjectTextToBinaryString(R"(object cxbtnOld: TcxTextEdit
  Left = 4
  Top = 8
  Properties.IsDisplayFormatAssigned = True
  Properties.MaxLength = 4
  TabOrder = 0
  Width = 60
end
)");
  TOwnedPtr<TcxTextEdit> edit(New<TcxTextEdit>(nullptr));
  TOwnedPtr<TMemoryStream> in = NewOwned<TMemoryStream>();
  in->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  in->SetPosition(0);
  in->ReadComponent(edit.get());
  EXPECT_TRUE(edit->GetProperties()->GetAssignedTextValues()->GetDisplayFormat());
  EXPECT_EQ(edit->GetProperties()->GetMaxLength(), 4);
  EXPECT_EQ(edit->GetWidth(), 60);
  TOwnedPtr<TMemoryStream> out = NewOwned<TMemoryStream>();
  out->WriteComponent(edit.get());
  const String text = ObjectBinaryToTextString(String(static_cast<const char*>(out->GetMemory()), out->GetSize()));
  EXPECT_EQ(text.find("IsDisplayFormatAssigned"), String::npos) << text;
  EXPECT_NE(text.find("Properties.MaxLength = 4"), String::npos) << text;
}

}  // namespace
