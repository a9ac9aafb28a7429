// One run of the picture-mask parser and matcher over arbitrary bytes: the bytes up to the first
// zero are a picture, the rest a text. The picture is parsed (a bad one must end in EtsMaskError),
// then the text is checked whole and typed at a few caret positions with every pass. Any other
// exception, a crash or a check that does not end is a fault. Shared by the libFuzzer target and
// the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "TSMask.h"

// Answers whether the picture was valid.
inline bool tsFuzzMask(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const void* zero = size ? std::memchr(bytes, 0, size) : nullptr;
  size_t pictureLength = zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : size;
  String picture(bytes, pictureLength);
  String text = zero ? String(bytes + pictureLength + 1, size - pictureLength - 1) : String();
  auto mask = NewOwned<TtsTextMask>(nullptr);
  bool valid = true;
  try {
    mask->SetPicture(picture);
  } catch (const EtsMaskError&) {
    valid = false;
  }
  mask->ValidText(text, true);
  mask->ValidText(text, false);
  Integer length = static_cast<Integer>(text.size());
  for (Integer caret : {1, length / 2 + 1, length + 1}) {
    String input = text.substr(static_cast<size_t>(caret - 1), 2);
    mask->ValidInput(text, input, caret, false, true);
  }
  return valid;
}
