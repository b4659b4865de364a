// The program's Japanese texts as Shift-JIS (code page 932) bytes, each
// with its readable form beside it. A test checks every byte against the
// UTF-8 form converted by iconv.
#pragma once

namespace vm::sjis {

// Velmora！/Norvik Project
inline constexpr const char kMutexName[] = "Velmora\x81I/Norvik Project";
// Velmora！
inline constexpr const char kAppTitle[] = "Velmora\x81I";
// Velmora！ - 設定
inline constexpr const char kMainFormCaption[] = "Velmora\x81I - \x90\xDD\x92\xE8";
// ダメだってば～！
inline constexpr const char kDefaultMoveTitle[] =
    "\x83_\x83\x81\x82\xBE\x82\xC1\x82\xC4\x82\xCE\x81`\x81I";
// Velmora！ [有効]
inline constexpr const char kHintEnabled[] = "Velmora\x81I [\x97L\x8C\xF8]";
// Velmora！ [無効]
inline constexpr const char kHintDisabled[] = "Velmora\x81I [\x96\xB3\x8C\xF8]";
// タスクバー非表示(&B)
inline constexpr const char kMenuHide[] = "\x83^\x83X\x83N\x83o\x81[\x94\xF1\x95\\\x8E\xA6(&B)";
// 有効／無効(&E)
inline constexpr const char kMenuEnabled[] = "\x97L\x8C\xF8\x81^\x96\xB3\x8C\xF8(&E)";
// 最大化の時も有効(&M)
inline constexpr const char kMenuMax[] =
    "\x8D\xC5\x91\xE5\x89\xBB\x82\xCC\x8E\x9E\x82\xE0\x97L\x8C\xF8(&M)";
// 最大化の時は元の大きさに戻す(&R)
inline constexpr const char kMenuRestore[] =
    "\x8D\xC5\x91\xE5\x89\xBB\x82\xCC\x8E\x9E\x82\xCD\x8C\xB3\x82\xCC\x91\xE5\x82\xAB\x82\xB3\x82"
    "\xC9\x96\xDF\x82\xB7(&R)";
// 大きさ変更(&S)
inline constexpr const char kMenuReSize[] = "\x91\xE5\x82\xAB\x82\xB3\x95\xCF\x8DX(&S)";
// 領域を確保(&K)
inline constexpr const char kMenuHideOn[] = "\x97\xCC\x88\xE6\x82\xF0\x8Am\x95\xDB(&K)";
// ダイアログは中央に移動(&D)
inline constexpr const char kMenuDialog[] =
    "\x83_\x83"
    "C\x83"
    "A\x83\x8D\x83O\x82\xCD\x92\x86\x89\x9B\x82\xC9\x88\xDA\x93\xAE(&D)";
// アクティブウィンドウを続けて処理しない(&A)
inline constexpr const char kMenuActive[] =
    "\x83"
    "A\x83N\x83"
    "e\x83"
    "B\x83u\x83"
    "E\x83"
    "B\x83\x93\x83h\x83"
    "E\x82\xF0\x91\xB1\x82\xAF\x82\xC4\x8F\x88\x97\x9D\x82\xB5\x82\xC8\x82\xA2(&A)";
// 設定(&C)
inline constexpr const char kMenuConfig[] = "\x90\xDD\x92\xE8(&C)";
// 終了(&X)
inline constexpr const char kMenuExit[] = "\x8FI\x97\xB9(&X)";
// タスクトレイにアイコンを表示(&S)
inline constexpr const char kCheckTray[] = "\x83^\x83X\x83N\x83g\x83\x8C\x83"
                                           "C\x82\xC9\x83"
                                           "A\x83"
                                           "C\x83R\x83\x93\x82\xF0\x95\\\x8E\xA6(&S)";
// 移動するウィンドウのタイトルを変える(&T)
inline constexpr const char kCheckCaption[] = "\x88\xDA\x93\xAE\x82\xB7\x82\xE9\x83"
                                              "E\x83"
                                              "B\x83\x93\x83h\x83"
                                              "E\x82\xCC\x83^\x83"
                                              "C\x83g\x83\x8B\x82\xF0\x95\xCF\x82\xA6\x82\xE9(&T)";
// ウィンドウを移動する時にサウンドを再生(&W)
inline constexpr const char kCheckWave[] =
    "\x83"
    "E\x83"
    "B\x83\x93\x83h\x83"
    "E\x82\xF0\x88\xDA\x93\xAE\x82\xB7\x82\xE9\x8E\x9E\x82\xC9\x83T\x83"
    "E\x83\x93\x83h\x82\xF0\x8D\xC4\x90\xB6(&W)";
// スタートメニュー(&U)
inline constexpr const char kCheckStartMenu[] =
    "\x83X\x83^\x81[\x83g\x83\x81\x83j\x83\x85\x81[(&U)";
// タスクバーの半透明度（&Y）
inline constexpr const char kLabelTrans[] =
    "\x83^\x83X\x83N\x83o\x81[\x82\xCC\x94\xBC\x93\xA7\x96\xBE\x93x\x81i&Y\x81j";
// 表示スライダー コントロール
inline constexpr const char kExcludeViewSliderTitle[] =
    "\x95\\\x8E\xA6\x83X\x83\x89\x83"
    "C\x83_\x81[ \x83R\x83\x93\x83g\x83\x8D\x81[\x83\x8B";
// スタート
inline constexpr const char kExcludeStartButtonTitle[] = "\x83X\x83^\x81[\x83g";
// スタート メニュー
inline constexpr const char kExcludeStartMenuTitle[] =
    "\x83X\x83^\x81[\x83g \x83\x81\x83j\x83\x85\x81[";
// 参照(&R)
inline constexpr const char kButtonBrowseExe[] = "\x8EQ\x8F\xC6(&R)";
// 追加(&A)
inline constexpr const char kButtonAddFromLog[] = "\x92\xC7\x89\xC1(&A)";
// 削除(&D)
inline constexpr const char kButtonDelete[] = "\x8D\xED\x8F\x9C(&D)";
// 参照(&F)
inline constexpr const char kButtonBrowseWave[] = "\x8EQ\x8F\xC6(&F)";
// ％
inline constexpr const char kLabelPercent[] = "\x81\x93";
// 通常(&Z)
inline constexpr const char kButtonDefault0[] = "\x92\xCA\x8F\xED(&Z)";
// 移動(&C)
inline constexpr const char kButtonDefault1[] = "\x88\xDA\x93\xAE(&C)";
// 停止(&B)
inline constexpr const char kButtonDefault2[] = "\x92\xE2\x8E~(&B)";
// 通常(&X)
inline constexpr const char kButtonCustom0[] = "\x92\xCA\x8F\xED(&X)";
// 移動(&V)
inline constexpr const char kButtonCustom1[] = "\x88\xDA\x93\xAE(&V)";
// 停止(&M)
inline constexpr const char kButtonCustom2[] = "\x92\xE2\x8E~(&M)";
// キャンセル
inline constexpr const char kButtonCancel[] = "\x83L\x83\x83\x83\x93\x83Z\x83\x8B";
// [無視するウィンドウ(&E)]
inline constexpr const char kGroupIgnore[] = "[\x96\xB3\x8E\x8B\x82\xB7\x82\xE9\x83"
                                             "E\x83"
                                             "B\x83\x93\x83h\x83"
                                             "E(&E)]";
// [監視位置(&P)]
inline constexpr const char kGroupPosition[] = "[\x8A\xC4\x8E\x8B\x88\xCA\x92u(&P)]";
// [おまけ(&O)]
inline constexpr const char kGroupExtras[] = "[\x82\xA8\x82\xDC\x82\xAF(&O)]";
// [アイコンの変更(&I)]
inline constexpr const char kGroupIcons[] = "[\x83"
                                            "A\x83"
                                            "C\x83R\x83\x93\x82\xCC\x95\xCF\x8DX(&I)]";
// [起動遅延時間(&L)]
inline constexpr const char kGroupWait[] = "[\x8BN\x93\xAE\x92x\x89\x84\x8E\x9E\x8A\xD4(&L)]";
// デフォルト
inline constexpr const char kLabelDefault[] = "\x83"
                                              "f\x83t\x83H\x83\x8B\x83g";
// 現在
inline constexpr const char kLabelCurrent[] = "\x8C\xBB\x8D\xDD";
// 秒
inline constexpr const char kLabelSeconds[] = "\x95"
                                              "b";
// タスクトレイ右クリックメニュー
inline constexpr const char kButtonTrayMenu[] = "\x83^\x83X\x83N\x83g\x83\x8C\x83"
                                                "C\x89"
                                                "E\x83N\x83\x8A\x83"
                                                "b\x83N\x83\x81\x83j\x83\x85\x81[";
// トレイアイコンを表示するには再度起動またはタスクバーを上以外にしてください。
inline constexpr const char kTrayOffMessage[] =
    "\x83g\x83\x8C\x83"
    "C\x83"
    "A\x83"
    "C\x83R\x83\x93\x82\xF0\x95\\\x8E\xA6\x82\xB7\x82\xE9\x82\xC9\x82\xCD\x8D\xC4\x93x\x8BN\x93\xAE"
    "\x82\xDC\x82\xBD\x82\xCD\x83^\x83X\x83N\x83o\x81["
    "\x82\xF0\x8F\xE3\x88\xC8\x8AO\x82\xC9\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81"
    "B";
// Velmora!
inline constexpr const char kTrayOffCaption[] = "Velmora!";
// アイコンの選択
inline constexpr const char kIconDialogTitle[] = "\x83"
                                                 "A\x83"
                                                 "C\x83R\x83\x93\x82\xCC\x91I\x91\xF0";
// アイコン (*.ico)|*.ico
inline constexpr const char kIconDialogFilter[] = "\x83"
                                                  "A\x83"
                                                  "C\x83R\x83\x93 (*.ico)|*.ico";
// スタートアップに登録(通常起動)
inline constexpr const char kButtonStartUp[] =
    "\x83X\x83^\x81[\x83g\x83"
    "A\x83"
    "b\x83v\x82\xC9\x93o\x98^(\x92\xCA\x8F\xED\x8BN\x93\xAE)";
// クイックランチャに登録(非常駐モード)
inline constexpr const char kButtonQuickLaunch[] =
    "\x83N\x83"
    "C\x83"
    "b\x83N\x83\x89\x83\x93\x83`\x83\x83\x82\xC9\x93o\x98^(\x94\xF1\x8F\xED\x92\x93\x83\x82\x81["
    "\x83h)";
// ＭＳ Ｐゴシック
inline constexpr const char kFontPGothic[] = "\x82l\x82r \x82o\x83S\x83V\x83"
                                             "b\x83N";
// ファイルの選択
inline constexpr const char kDialogChooseFile[] = "\x83t\x83@\x83"
                                                  "C\x83\x8B\x82\xCC\x91I\x91\xF0";
// サウンドファイルの選択
inline constexpr const char kDialogChooseSound[] = "\x83T\x83"
                                                   "E\x83\x93\x83h\x83t\x83@\x83"
                                                   "C\x83\x8B\x82\xCC\x91I\x91\xF0";
// プログラム(*.exe)|*.exe
inline constexpr const char kFilterPrograms[] = "\x83v\x83\x8D\x83O\x83\x89\x83\x80(*.exe)|*.exe";
// サウンドファイル(*.wav)|*.wav
inline constexpr const char kFilterSounds[] = "\x83T\x83"
                                              "E\x83\x93\x83h\x83t\x83@\x83"
                                              "C\x83\x8B(*.wav)|*.wav";
// 設定を保存できません:
inline constexpr const char kSaveFailed[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1:";
// 終了すると、前回の保存から後の変更は失われます。終了しますか？
inline constexpr const char kSaveFailedQuestion[] =
    "\x8FI\x97\xB9\x82\xB7\x82\xE9\x82\xC6\x81"
    "A\x91O\x89\xF1\x82\xCC\x95\xDB\x91\xB6\x82\xA9\x82\xE7\x8C\xE3\x82\xCC\x95\xCF\x8DX\x82\xCD"
    "\x8E\xB8\x82\xED\x82\xEA\x82\xDC\x82\xB7\x81"
    "B\x8FI\x97\xB9\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H";
// スタートアップに登録しますか？
inline constexpr const char kAskStartUp[] =
    "\x83X\x83^\x81[\x83g\x83"
    "A\x83"
    "b\x83v\x82\xC9\x93o\x98^\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H";
// クイックランチャに登録しますか？
inline constexpr const char kAskQuickLaunch[] =
    "\x83N\x83"
    "C\x83"
    "b\x83N\x83\x89\x83\x93\x83`\x83\x83\x82\xC9\x93o\x98^\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H";
// 登録先のフォルダが見つかりません。
inline constexpr const char kShortcutFolderNotFound[] =
    "\x93\x6F\x98\x5E\x90\xE6\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x82\xAA\x8C\xA9"
    "\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";

} // namespace vm::sjis
