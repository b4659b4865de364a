// Readable UTF-8 forms of the Shift-JIS literals, checked byte for byte.
#pragma once

#include "sys/sjis_literals.h"

namespace vm::sjis_test {

struct LiteralCase {
    const char* name;
    const char* sjis;
    const char* utf8;
};

inline constexpr LiteralCase kLiteralCases[] = {
    {"kMutexName", sjis::kMutexName, "Velmora！/Norvik Project"},
    {"kAppTitle", sjis::kAppTitle, "Velmora！"},
    {"kMainFormCaption", sjis::kMainFormCaption, "Velmora！ - 設定"},
    {"kDefaultMoveTitle", sjis::kDefaultMoveTitle, "ダメだってば～！"},
    {"kHintEnabled", sjis::kHintEnabled, "Velmora！ [有効]"},
    {"kHintDisabled", sjis::kHintDisabled, "Velmora！ [無効]"},
    {"kMenuHide", sjis::kMenuHide, "タスクバー非表示(&B)"},
    {"kMenuEnabled", sjis::kMenuEnabled, "有効／無効(&E)"},
    {"kMenuMax", sjis::kMenuMax, "最大化の時も有効(&M)"},
    {"kMenuRestore", sjis::kMenuRestore, "最大化の時は元の大きさに戻す(&R)"},
    {"kMenuReSize", sjis::kMenuReSize, "大きさ変更(&S)"},
    {"kMenuHideOn", sjis::kMenuHideOn, "領域を確保(&K)"},
    {"kMenuDialog", sjis::kMenuDialog, "ダイアログは中央に移動(&D)"},
    {"kMenuActive", sjis::kMenuActive, "アクティブウィンドウを続けて処理しない(&A)"},
    {"kMenuConfig", sjis::kMenuConfig, "設定(&C)"},
    {"kMenuExit", sjis::kMenuExit, "終了(&X)"},
    {"kCheckTray", sjis::kCheckTray, "タスクトレイにアイコンを表示(&S)"},
    {"kCheckCaption", sjis::kCheckCaption, "移動するウィンドウのタイトルを変える(&T)"},
    {"kCheckWave", sjis::kCheckWave, "ウィンドウを移動する時にサウンドを再生(&W)"},
    {"kCheckStartMenu", sjis::kCheckStartMenu, "スタートメニュー(&U)"},
    {"kLabelTrans", sjis::kLabelTrans, "タスクバーの半透明度（&Y）"},
    {"kExcludeViewSliderTitle", sjis::kExcludeViewSliderTitle, "表示スライダー コントロール"},
    {"kExcludeStartButtonTitle", sjis::kExcludeStartButtonTitle, "スタート"},
    {"kExcludeStartMenuTitle", sjis::kExcludeStartMenuTitle, "スタート メニュー"},
    {"kButtonBrowseExe", sjis::kButtonBrowseExe, "参照(&R)"},
    {"kButtonAddFromLog", sjis::kButtonAddFromLog, "追加(&A)"},
    {"kButtonDelete", sjis::kButtonDelete, "削除(&D)"},
    {"kButtonBrowseWave", sjis::kButtonBrowseWave, "参照(&F)"},
    {"kLabelPercent", sjis::kLabelPercent, "％"},
    {"kButtonDefault0", sjis::kButtonDefault0, "通常(&Z)"},
    {"kButtonDefault1", sjis::kButtonDefault1, "移動(&C)"},
    {"kButtonDefault2", sjis::kButtonDefault2, "停止(&B)"},
    {"kButtonCustom0", sjis::kButtonCustom0, "通常(&X)"},
    {"kButtonCustom1", sjis::kButtonCustom1, "移動(&V)"},
    {"kButtonCustom2", sjis::kButtonCustom2, "停止(&M)"},
    {"kButtonCancel", sjis::kButtonCancel, "キャンセル"},
    {"kGroupIgnore", sjis::kGroupIgnore, "[無視するウィンドウ(&E)]"},
    {"kGroupPosition", sjis::kGroupPosition, "[監視位置(&P)]"},
    {"kGroupExtras", sjis::kGroupExtras, "[おまけ(&O)]"},
    {"kGroupIcons", sjis::kGroupIcons, "[アイコンの変更(&I)]"},
    {"kGroupWait", sjis::kGroupWait, "[起動遅延時間(&L)]"},
    {"kLabelDefault", sjis::kLabelDefault, "デフォルト"},
    {"kLabelCurrent", sjis::kLabelCurrent, "現在"},
    {"kLabelSeconds", sjis::kLabelSeconds, "秒"},
    {"kButtonTrayMenu", sjis::kButtonTrayMenu, "タスクトレイ右クリックメニュー"},
    {"kTrayOffMessage", sjis::kTrayOffMessage,
     "トレイアイコンを表示するには再度起動またはタスクバーを上以外にしてください。"},
    {"kTrayOffCaption", sjis::kTrayOffCaption, "Velmora!"},
    {"kIconDialogTitle", sjis::kIconDialogTitle, "アイコンの選択"},
    {"kIconDialogFilter", sjis::kIconDialogFilter, "アイコン (*.ico)|*.ico"},
    {"kButtonStartUp", sjis::kButtonStartUp, "スタートアップに登録(通常起動)"},
    {"kButtonQuickLaunch", sjis::kButtonQuickLaunch, "クイックランチャに登録(非常駐モード)"},
    {"kFontPGothic", sjis::kFontPGothic, "ＭＳ Ｐゴシック"},
    {"kDialogChooseFile", sjis::kDialogChooseFile, "ファイルの選択"},
    {"kDialogChooseSound", sjis::kDialogChooseSound, "サウンドファイルの選択"},
    {"kFilterPrograms", sjis::kFilterPrograms, "プログラム(*.exe)|*.exe"},
    {"kFilterSounds", sjis::kFilterSounds, "サウンドファイル(*.wav)|*.wav"},
    {"kSaveFailed", sjis::kSaveFailed, "設定を保存できません:"},
    {"kSaveFailedQuestion", sjis::kSaveFailedQuestion,
     "終了すると、前回の保存から後の変更は失われます。終了しますか？"},
    {"kAskStartUp", sjis::kAskStartUp, "スタートアップに登録しますか？"},
    {"kAskQuickLaunch", sjis::kAskQuickLaunch, "クイックランチャに登録しますか？"},
    {"kShortcutFolderNotFound", sjis::kShortcutFolderNotFound,
     "登録先のフォルダが見つかりません。"},
};

} // namespace vm::sjis_test
