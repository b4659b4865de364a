import os
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
# Regenerates src/encoding/sjis_literals.h and its test table from the UTF-8 list below.
# The interface texts live in the language tables (src/translations/texts_*.cpp) instead.
# name, UTF-8 text
L = [
 ("kMutexName", "Velmora！/Norvik Project"),
 ("kExcludeViewSliderTitle", "表示スライダー コントロール"),
 ("kExcludeStartButtonTitle", "スタート"),
 ("kExcludeStartMenuTitle", "スタート メニュー"),
 ("kFontPGothic", "ＭＳ Ｐゴシック"),
]
out = ["// Shift-JIS (code page 932) literals that are not interface texts: the",
       "// mutex name, the shell's own window titles and a font name, each with its",
       "// readable form beside it. A test checks every byte against the",
       "// UTF-8 form converted by iconv.",
       "#pragma once", "", "namespace vm::sjis {", ""]
tbl = []
for name, s in L:
    b = s.encode("cp932")
    esc = "".join(("\\x%02X" % c) if c >= 0x80 or c in (0x22, 0x5c) else chr(c) for c in b)
    # split hex escapes from following hex-digit chars
    parts = []
    cur = ""
    prev_hex = False
    for c in b:
        if c >= 0x80:
            cur += "\\x%02X" % c; prev_hex = True
        else:
            ch = chr(c)
            if c == 0x5c: ch = "\\\\"
            if c == 0x22: ch = '\\"'
            if prev_hex and ch in "0123456789abcdefABCDEF":
                cur += '" "'
            cur += ch; prev_hex = False
    out.append(f"// {s}")
    out.append(f'inline constexpr const char {name}[] = "{cur}";')
    tbl.append((name, s))
out += ["", "}  // namespace vm::sjis", ""]
open(ROOT + "/src/encoding/sjis_literals.h", "w").write("\n".join(out))
#test table
t = ["// Readable UTF-8 forms of the Shift-JIS literals, checked byte for byte.", "#pragma once", "", "#include \"sys/sjis_literals.h\"", "", "namespace vm::sjis_test {", "", "struct LiteralCase {", "  const char* name;", "  const char* sjis;", "  const char* utf8;", "};", "", "inline constexpr LiteralCase kLiteralCases[] = {"]
for name, s in tbl:
    t.append(f'    {{"{name}", sjis::{name}, "{s}"}},')
t += ["};", "", "}  // namespace vm::sjis_test", ""]
open(ROOT + "/tests/encoding/sjis_literal_cases.h", "w").write("\n".join(t))
