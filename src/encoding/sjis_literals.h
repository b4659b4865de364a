// Shift-JIS (code page 932) literals that are not interface texts: the
// mutex name, the shell's own window titles and a font name, each with its
// readable form beside it. A test checks every byte against the
// UTF-8 form converted by iconv.
#pragma once

namespace vm::sjis {

// Velmora！/Norvik Project
inline constexpr const char kMutexName[] = "Velmora\x81I/Norvik Project";
// 表示スライダー コントロール
inline constexpr const char kExcludeViewSliderTitle[] =
    "\x95\\\x8E\xA6\x83X\x83\x89\x83"
    "C\x83_\x81[ \x83R\x83\x93\x83g\x83\x8D\x81[\x83\x8B";
// スタート
inline constexpr const char kExcludeStartButtonTitle[] = "\x83X\x83^\x81[\x83g";
// スタート メニュー
inline constexpr const char kExcludeStartMenuTitle[] =
    "\x83X\x83^\x81[\x83g \x83\x81\x83j\x83\x85\x81[";
// ＭＳ Ｐゴシック
inline constexpr const char kFontPGothic[] = "\x82l\x82r \x82o\x83S\x83V\x83"
                                             "b\x83N";

} // namespace vm::sjis
