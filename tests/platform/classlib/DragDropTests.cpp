// Dragging one control onto another with the injected pointer: the drag events in order with the
// cursors shown, the threshold that keeps a short press a click, Escape and drops nobody takes, and
// the automatic drag mode.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "ImgList.h"
#include "Strings.h"
#include "WinCursor.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// A panel that drags with an image.
class TImagePanel : public TTestPanel {
  DECLARE_CLASS(TImagePanel, TTestPanel)
 public:
  TDragImageList* Images = nullptr;
  TDragImageList* GetDragImages() override { return Images; }
};
IMPLEMENT_CLASS(TImagePanel)

class DragDrop : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    SavedImmediate = Mouse->DragImmediate;
    SavedThreshold = Mouse->DragThreshold;
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Source = AddPanel("Source", 10, 10);
    Target = AddPanel("Target", 200, 10);
    Other = AddPanel("Other", 10, 150);
    Form->Show();
    Application->ProcessMessages();

    Source->OnStartDrag = [this](TObject* s, TDragObject*&) { Log("StartDrag " + Name(s)); };
    Source->OnEndDrag = [this](TObject* s, TObject* target, Integer x, Integer y) {
      Log("EndDrag " + Name(s) + " -> " + Name(target) + (target ? " " + IntToStr(x) + "," + IntToStr(y) : ""));
    };
    Target->OnDragOver = [this](TObject* s, TObject* source, Integer, Integer, TDragState state, bool& accept) {
      static const char* names[] = {"enter", "leave", "move"};
      Log("DragOver " + Name(s) + " " + names[state] + " from " + Name(source));
      accept = source == Source;
    };
    Target->OnDragDrop = [this](TObject* s, TObject* source, Integer x, Integer y) {
      Log("DragDrop " + Name(s) + " from " + Name(source) + " at " + IntToStr(x) + "," + IntToStr(y));
    };
    Journal().clear();
  }
  void TearDown() override {
    if (DragObject()) CancelDrag();
    Mouse->DragImmediate = SavedImmediate;
    Mouse->DragThreshold = SavedThreshold;
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  TTestPanel* AddPanel(const char* name, int x, int y) {
    auto* p = CreateComponent<TTestPanel>(Form);
    static_cast<TComponent*>(p)->SetName(name);
    p->SetBounds(x, y, 100, 80);
    p->SetParent(Form);
    return p;
  }
  static String Name(TObject* o) {
    if (!o) return "nil";
    if (auto* c = dynamic_cast<TComponent*>(o)) return c->GetName();
    return o->ClassName();
  }
  static void Log(const String& s) { Journal().push_back(s); }
  static void MoveTo(TControl* c, int x, int y) {
    TPoint p = c->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  }
  static void Button(bool down) {
    InjectMouseButton(0, down);
    Application->ProcessMessages();
  }
  static bool CursorIs(TCursor c) { return GetCursor() == Screen->GetCursors(c); }

  TCustomForm* Form = nullptr;
  TTestPanel *Source = nullptr, *Target = nullptr, *Other = nullptr;
  bool SavedImmediate = true;
  Integer SavedThreshold = 5;
};

TEST_F(DragDrop, ADragFromOneControlToAnotherFiresTheEventsInOrderWithTheirCursors) {
  Source->OnMouseDown = [](TObject* s, TMouseButton, TShiftState, Integer, Integer) {
    static_cast<TControl*>(s)->BeginDrag(false);
  };
  MoveTo(Source, 20, 20);
  Button(true);
  EXPECT_TRUE(Source->Dragging());
  EXPECT_EQ(Journal(), (std::vector<String>{"StartDrag Source"})) << "the drag object is asked for at once";

  MoveTo(Source, 60, 40);
  EXPECT_TRUE(CursorIs(crNoDrop)) << "over a control without OnDragOver nothing is accepted";
  MoveTo(Target, 30, 30);
  EXPECT_TRUE(CursorIs(crDrag));
  Source->SetDragCursor(crHandPoint);
  MoveTo(Target, 40, 35);
  EXPECT_TRUE(CursorIs(crHandPoint)) << "an accepted drag shows the control's DragCursor";
  Button(false);

  EXPECT_EQ(Journal(), (std::vector<String>{"StartDrag Source", "DragOver Target enter from Source",
                                            "DragOver Target move from Source", "DragOver Target move from Source",
                                            "DragOver Target leave from Source", "DragDrop Target from Source at 40,35",
                                            "EndDrag Source -> Target 40,35"}));
  EXPECT_FALSE(Source->Dragging());
  EXPECT_EQ(DragObject(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, LeavingATargetTellsItAndADropThatNobodyTakesEndsWithoutATarget) {
  Source->BeginDrag(true);
  MoveTo(Target, 10, 10);
  MoveTo(Other, 10, 10);
  EXPECT_TRUE(CursorIs(crNoDrop));
  Button(false);
  EXPECT_EQ(Journal(), (std::vector<String>{"StartDrag Source", "DragOver Target enter from Source",
                                            "DragOver Target move from Source", "DragOver Target leave from Source",
                                            "EndDrag Source -> nil"}));
}

TEST_F(DragDrop, EscapeAndCancelDragEndTheDragWithoutADrop) {
  struct TCase {
    const char* name;
    bool escape;
  };
  for (const TCase& c : {TCase{"Escape", true}, TCase{"CancelDrag", false}}) {
    SCOPED_TRACE(c.name);
    Journal().clear();
    Source->BeginDrag(true);
    MoveTo(Target, 10, 10);
    if (c.escape) {
      InjectKeyPress(VK_ESCAPE);
      Application->ProcessMessages();
    } else {
      CancelDrag();
    }
    EXPECT_EQ(DragObject(), nullptr);
    ASSERT_FALSE(Journal().empty());
    EXPECT_EQ(Journal()[Journal().size() - 2], "DragOver Target leave from Source");
    EXPECT_EQ(Journal().back(), "EndDrag Source -> nil");
    Button(false);
    EXPECT_EQ(Journal().back(), "EndDrag Source -> nil") << "a later release drops nothing";
  }
}

TEST_F(DragDrop, APendingDragReleasedWithinTheThresholdIsAClick) {
  Mouse->DragImmediate = false;
  Mouse->DragThreshold = 5;
  Source->SetDragMode(dmAutomatic);
  MoveTo(Source, 20, 20);
  Button(true);
  EXPECT_TRUE(Source->Dragging()) << "an automatic drag starts on the press";
  MoveTo(Source, 25, 15);  // 5 pixels: still inside
  Button(false);
  EXPECT_EQ(Journal(), (std::vector<String>{"StartDrag Source", "EndDrag Source -> nil", "Click Source"}));

  Journal().clear();
  MoveTo(Source, 20, 20);
  Button(true);
  MoveTo(Source, 26, 20);  // one pixel past the threshold
  Button(false);
  EXPECT_EQ(Journal(), (std::vector<String>{"StartDrag Source", "EndDrag Source -> nil"}))
      << "a started drag dropped on its own control is no click";
}

TEST_F(DragDrop, AnOwnDragObjectIsPassedAsTheSourceAndFreesItself) {
  TDragObject* made = nullptr;
  Source->OnStartDrag = [&made](TObject*, TDragObject*& obj) { obj = made = New<TDragObject>(); };
  Source->BeginDrag(true);
  EXPECT_EQ(DragObject(), made);
  MoveTo(Target, 10, 10);
  EXPECT_EQ(Journal().back(), "DragOver Target move from TDragObject") << "not a control's drag: the object itself";
  EXPECT_TRUE(CursorIs(crNoDrop));
  CancelDrag();
  made->Free();

  Journal().clear();
  Source->OnStartDrag = [](TObject* s, TDragObject*& obj) { obj = New<TDragControlObjectEx>(static_cast<TControl*>(s)); };
  Source->BeginDrag(true);
  MoveTo(Target, 10, 10);
  Button(false);
  EXPECT_EQ(Journal().back(), "EndDrag Source -> Target 10,10") << "the Ex object frees itself after the end";
}

TEST_F(DragDrop, FreeingTheTargetOrTheDraggedControlMidwayEndsSafely) {
  Source->BeginDrag(true);
  MoveTo(Target, 10, 10);
  FreeAndNil(Target);
  MoveTo(Other, 10, 10);
  Button(false);
  EXPECT_EQ(Journal().back(), "EndDrag Source -> nil");

  Source->BeginDrag(true);
  MoveTo(Other, 20, 20);
  FreeAndNil(Source);
  EXPECT_EQ(DragObject(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, TheDragImageFollowsThePointerOverControlsThatShowIt) {
  auto* source = CreateComponent<TImagePanel>(Form);
  source->SetBounds(200, 150, 100, 60);
  source->SetParent(Form);
  TOwnedPtr<TDragImageList> images = NewOwned<TDragImageList>();
  images->SetWidth(4);
  images->SetHeight(4);
  TOwnedPtr<TBitmap> red = NewOwned<TBitmap>();
  red->SetPixelFormat(pf24bit);
  red->SetSize(4, 4);
  for (Integer y = 0; y < 4; ++y)
    for (Integer x = 0; x < 4; ++x) red->GetCanvas()->SetPixel(x, y, clRed);
  images->AddMasked(red.get(), clNone);
  source->Images = images.get();
  Target->ControlStyle.Include(csDisplayDragImage);
  HDC screen = GetDC(nullptr);
  auto redAt = [screen](TControl* c, int x, int y) {
    TPoint p = c->ClientToScreen(TPoint(x + 1, y + 1));
    return GetPixel(screen, p.x, p.y) == RGB(255, 0, 0);
  };

  MoveTo(source, 10, 10);
  Button(true);
  source->BeginDrag(false);
  EXPECT_TRUE(images->GetDragging());
  MoveTo(source, 12, 12);
  EXPECT_FALSE(redAt(source, 12, 12)) << "no image before the drag has started";
  MoveTo(Target, 30, 30);
  EXPECT_TRUE(redAt(Target, 30, 30)) << "over a control that displays drag images";
  MoveTo(Other, 30, 30);
  EXPECT_FALSE(redAt(Other, 30, 30)) << "hidden over one that does not";
  Button(false);
  EXPECT_FALSE(images->GetDragging());
  ReleaseDC(nullptr, screen);
}

TEST_F(DragDrop, AFormCannotBeDragged) {
  EXPECT_THROW(Form->BeginDrag(true), EInvalidOperation);
  EXPECT_EQ(DragObject(), nullptr);
}

}  // namespace
