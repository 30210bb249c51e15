#include "hosts/start/utf8_text.h"

namespace vm::host {

bool isUtf8Text(const char* bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  while (*p != 0) {
    unsigned char lead = *p++;
    if (lead < 0x80) continue;
    int following;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      following = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      following = 2;
      if (lead == 0xE0) low = 0xA0;   // overlong
      if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      following = 3;
      if (lead == 0xF0) low = 0x90;   // overlong
      if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    for (int i = 0; i < following; ++i, ++p) {
      unsigned char byte = *p;  // a NUL here ends the check as a truncated sequence
      if (i == 0 ? (byte < low || byte > high) : (byte < 0x80 || byte > 0xBF)) return false;
    }
  }
  return true;
}

}  // namespace vm::host
