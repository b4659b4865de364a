// Readable UTF-8 forms of the Shift-JIS literals, checked byte for byte.
#pragma once

#include "encoding/sjis_literals.h"

namespace vm::sjis_test {

struct LiteralCase {
    const char* name;
    const char* sjis;
    const char* utf8;
};

inline constexpr LiteralCase kLiteralCases[] = {
    {"kMutexName", sjis::kMutexName, "Velmora！/Norvik Project"},
    {"kExcludeViewSliderTitle", sjis::kExcludeViewSliderTitle, "表示スライダー コントロール"},
    {"kExcludeStartButtonTitle", sjis::kExcludeStartButtonTitle, "スタート"},
    {"kExcludeStartMenuTitle", sjis::kExcludeStartMenuTitle, "スタート メニュー"},
    {"kFontPGothic", sjis::kFontPGothic, "ＭＳ Ｐゴシック"},
};

} // namespace vm::sjis_test
