// Random keys, clicks and pastes on the edit box against a naive model of text and selection:
// the text the edits make, caret and selection on character boundaries inside the text, the
// maximum length in characters, and undo back to the text before the first change. And pastes of
// arbitrary bytes (the fuzz target's harness) over its seed corpus and random bytes.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "Clipbrd.h"
#include "InplaceTestSupport.h"
#include "SeedCorpus.h"
#include "WinUser.h"
#include "../../../tools/fuzz/TSGridEditPasteFuzz.h"

using namespace InplaceTest;

namespace {

// Characters as MaxLength counts them: each UTF-8 sequence one, so CR LF two.
Integer ModelLength(const String& Text) {
  Integer n = 0;
  for (unsigned char c : Text) n += (c & 0xC0) != 0x80;
  return n;
}

// What an edit that replaces the selection with Inserted must leave.
struct TTextModel {
  String Text;
  std::optional<String> Saved;  // the text before the first change: what undo brings back
  Integer MaxLength = 0;

  bool Fits(Integer SelStart, Integer SelLength, const String& Inserted) const {
    return MaxLength <= 0 ||
           ModelLength(Text) - ModelLength(Text.substr(SelStart, SelLength)) + ModelLength(Inserted) <= MaxLength;
  }
  void Replace(Integer SelStart, Integer SelLength, const String& Inserted) {
    if (!Saved) Saved = Text;
    Text = Text.substr(0, SelStart) + Inserted + Text.substr(SelStart + SelLength);
  }
};

class EditPropertyTest : public InplaceFixture {};

TEST_F(EditPropertyTest, RandomKeysClicksAndPastesAgreeWithANaiveModel) {
  std::mt19937 random(31);
  const char* const typed[] = {"a", "b", " ", "\xE4\xB8\xAD", "\xE6\x96\x87"};
  const char* const pasted[] = {"xy", "\r\n", "\r", "\n", "\xE5\x85\xA5 z", "p\r\nq r"};
  const Word moves[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
  for (Integer run = 0; run < 12; ++run) {
    SCOPED_TRACE(Format("run %d", {run}));
    TTextModel model;
    model.Text = "ab \xE4\xB8\xAD\r\ncd";
    model.MaxLength = run % 4 == 1 ? 14 : 0;
    auto* box = MakeEditBox(60 + Integer(random() % 60), run % 3 == 0 ? 1 : 4, model.Text,
                            run % 2 ? kSongFace : kFixedFace);
    box->SetMaxLength(model.MaxLength);
    ShowFocused(box);
    for (Integer step = 0; step < 150; ++step) {
      const Integer start = box->GetSelByteStart(), length = box->GetSelByteLength();
      const Integer kind = Integer(random() % 10);
      String inserted;
      bool edits = false;
      if (kind < 3) {
        Key(moves[random() % 8], random() % 3 == 0 ? TShiftState{ssShift} : TShiftState{});
      } else if (kind == 3) {
        Click(box, Integer(random() % box->GetWidth()), Integer(random() % box->GetHeight()));
        Clock.Advance(1000);
      } else if (kind < 6) {
        inserted = typed[random() % 5];
        edits = true;
        Type(inserted);
      } else if (kind == 6) {
        inserted = pasted[random() % 6];
        Clipboard()->SetAsText(inserted);
        edits = true;
        Key('V', {ssCtrl});
      } else if (kind == 7) {
        const bool back = random() % 2;
        Key(back ? VK_BACK : VK_DELETE);
        if (length > 0) {
          model.Replace(start, length, "");
        } else if (back ? start > 0 : start < Integer(model.Text.size())) {
          // The character before or after the caret, whole, as stepping from the start finds it.
          const char* text = model.Text.c_str();
          Integer from = start, to = start;
          if (back)
            for (from = 0; from + NextCharCount(text, from) < start;) from += NextCharCount(text, from);
          else
            to += NextCharCount(text, start);
          model.Replace(from, to - from, "");
        }
      } else if (kind == 8) {
        Key(VK_RETURN, {ssCtrl});
        inserted = "\r\n";
        edits = true;
      } else {
        Key(VK_ESCAPE);
        if (model.Saved) model.Text = *model.Saved;
        model.Saved.reset();
      }
      if (edits && model.Fits(start, length, inserted)) model.Replace(start, length, inserted);
      ASSERT_EQ(box->GetText(), model.Text) << "step " << step << " kind " << kind << " at " << start;
      ASSERT_TRUE(tsEditPasteFuzz::EditBoxWhole(box)) << "step " << step;
      ASSERT_EQ(box->HasUndoState(), model.Saved.has_value()) << "step " << step;
      if (model.MaxLength > 0) ASSERT_LE(ModelLength(box->GetText()), model.MaxLength);
    }
    FreeAndNil(box);
  }
}

TEST(EditBoxPasteFuzz, SeedsAndDamagedBytesKeepTheBoxWhole) {
  auto seeds = SeedCorpus("TSGridEditPaste");
  ASSERT_GE(seeds.size(), 4u);
  std::mt19937 random(20260131);
  for (const auto& seed : seeds) {
    tsFuzzEditPaste(seed.data(), seed.size());
    for (int round = 0; round < 40; ++round) {
      std::vector<uint8_t> bytes(1 + random() % 24);
      for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() % 4 ? random() : "\r\n\xFF\0"[random() % 4]);
      tsFuzzEditPaste(bytes.data(), bytes.size());
    }
  }
}

}  // namespace
