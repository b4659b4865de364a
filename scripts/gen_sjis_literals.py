import os
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
# Regenerates src/sys/sjis_literals.h and its test table from the UTF-8 list below.
# name, UTF-8 text
L = [
 ("kMutexName", "Velmora！/Norvik Project"),
 ("kAppTitle", "Velmora！"),
 ("kMainFormCaption", "Velmora！ - 設定"),
 ("kDefaultMoveTitle", "ダメだってば～！"),
 ("kHintEnabled", "Velmora！ [有効]"),
 ("kHintDisabled", "Velmora！ [無効]"),
 ("kMenuHide", "タスクバー非表示(&B)"),
 ("kMenuEnabled", "有効／無効(&E)"),
 ("kMenuMax", "最大化の時も有効(&M)"),
 ("kMenuRestore", "最大化の時は元の大きさに戻す(&R)"),
 ("kMenuReSize", "大きさ変更(&S)"),
 ("kMenuHideOn", "領域を確保(&K)"),
 ("kMenuDialog", "ダイアログは中央に移動(&D)"),
 ("kMenuActive", "アクティブウィンドウを続けて処理しない(&A)"),
 ("kMenuConfig", "設定(&C)"),
 ("kMenuExit", "終了(&X)"),
 ("kCheckTray", "タスクトレイにアイコンを表示(&S)"),
 ("kCheckCaption", "移動するウィンドウのタイトルを変える(&T)"),
 ("kCheckWave", "ウィンドウを移動する時にサウンドを再生(&W)"),
 ("kCheckStartMenu", "スタートメニュー(&U)"),
 ("kLabelTrans", "タスクバーの半透明度（&Y）"),
 ("kExcludeViewSliderTitle", "表示スライダー コントロール"),
 ("kExcludeStartButtonTitle", "スタート"),
 ("kExcludeStartMenuTitle", "スタート メニュー"),
 ("kButtonBrowseExe", "参照(&R)"),
 ("kButtonAddFromLog", "追加(&A)"),
 ("kButtonDelete", "削除(&D)"),
 ("kButtonBrowseWave", "参照(&F)"),
 ("kLabelPercent", "％"),
 ("kButtonDefault0", "通常(&Z)"),
 ("kButtonDefault1", "移動(&C)"),
 ("kButtonDefault2", "停止(&B)"),
 ("kButtonCustom0", "通常(&X)"),
 ("kButtonCustom1", "移動(&V)"),
 ("kButtonCustom2", "停止(&M)"),
 ("kButtonCancel", "キャンセル"),
 ("kGroupIgnore", "[無視するウィンドウ(&E)]"),
 ("kGroupPosition", "[監視位置(&P)]"),
 ("kGroupExtras", "[おまけ(&O)]"),
 ("kGroupIcons", "[アイコンの変更(&I)]"),
 ("kGroupWait", "[起動遅延時間(&L)]"),
 ("kLabelDefault", "デフォルト"),
 ("kLabelCurrent", "現在"),
 ("kLabelSeconds", "秒"),
 ("kButtonTrayMenu", "タスクトレイ右クリックメニュー"),
 ("kTrayOffMessage", "トレイアイコンを表示するには再度起動またはタスクバーを上以外にしてください。"),
 ("kTrayOffCaption", "Velmora!"),
 ("kIconDialogTitle", "アイコンの選択"),
 ("kIconDialogFilter", "アイコン (*.ico)|*.ico"),
 ("kButtonStartUp", "スタートアップに登録(通常起動)"),
 ("kButtonQuickLaunch", "クイックランチャに登録(非常駐モード)"),
 ("kFontPGothic", "ＭＳ Ｐゴシック"),
 ("kDialogChooseFile", "ファイルの選択"),
 ("kDialogChooseSound", "サウンドファイルの選択"),
 ("kFilterPrograms", "プログラム(*.exe)|*.exe"),
 ("kFilterSounds", "サウンドファイル(*.wav)|*.wav"),
 ("kSaveFailed", "設定を保存できません:"),
 ("kSaveFailedQuestion", "終了すると、前回の保存から後の変更は失われます。終了しますか？"),
 ("kAskStartUp", "スタートアップに登録しますか？"),
 ("kAskQuickLaunch", "クイックランチャに登録しますか？"),
]
out = ["// The program's Japanese texts as Shift-JIS (code page 932) bytes, each",
       "// with its readable form beside it. A test checks every byte against the",
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
open(ROOT + "/src/sys/sjis_literals.h", "w").write("\n".join(out))
#test table
t = ["// Readable UTF-8 forms of the Shift-JIS literals, checked byte for byte.", "#pragma once", "", "#include \"sys/sjis_literals.h\"", "", "namespace vm::sjis_test {", "", "struct LiteralCase {", "  const char* name;", "  const char* sjis;", "  const char* utf8;", "};", "", "inline constexpr LiteralCase kLiteralCases[] = {"]
for name, s in tbl:
    t.append(f'    {{"{name}", sjis::{name}, "{s}"}},')
t += ["};", "", "}  // namespace vm::sjis_test", ""]
open(ROOT + "/tests/sys/sjis_literal_cases.h", "w").write("\n".join(t))
