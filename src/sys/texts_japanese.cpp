// The Japanese interface: the design's texts as Shift-JIS (code page 932)
// bytes, with their UTF-16 form beside them. A test converts the bytes with
// iconv and checks them against the UTF-16 form.
#include "sys/ui_texts.h"

namespace vm {

namespace {

constexpr TextEntry kJapanese[] = {
    {TextId::AppTitle, {"Velmora\x81I", u"Velmora！"}},
    {TextId::MainFormCaption, {"Velmora\x81I - \x90\xDD\x92\xE8", u"Velmora！ - 設定"}},
    {TextId::DefaultMoveTitle,
     {"\x83_\x83\x81\x82\xBE\x82\xC1\x82\xC4\x82\xCE\x81`\x81I", u"ダメだってば～！"}},
    {TextId::HintEnabled, {"Velmora\x81I [\x97L\x8C\xF8]", u"Velmora！ [有効]"}},
    {TextId::HintDisabled, {"Velmora\x81I [\x96\xB3\x8C\xF8]", u"Velmora！ [無効]"}},
    {TextId::MenuHide,
     {"\x83^\x83X\x83N\x83o\x81[\x94\xF1\x95\\\x8E\xA6(&B)", u"タスクバー非表示(&B)"}},
    {TextId::MenuEnabled, {"\x97L\x8C\xF8\x81^\x96\xB3\x8C\xF8(&E)", u"有効／無効(&E)"}},
    {TextId::MenuMax,
     {"\x8D\xC5\x91\xE5\x89\xBB\x82\xCC\x8E\x9E\x82\xE0\x97L\x8C\xF8(&M)",
      u"最大化の時も有効(&M)"}},
    {TextId::MenuRestore,
     {"\x8D\xC5\x91\xE5\x89\xBB\x82\xCC\x8E\x9E\x82\xCD\x8C\xB3\x82\xCC\x91\xE5\x82\xAB\x82\xB3\x82"
      "\xC9\x96\xDF\x82\xB7(&R)",
      u"最大化の時は元の大きさに戻す(&R)"}},
    {TextId::MenuReSize, {"\x91\xE5\x82\xAB\x82\xB3\x95\xCF\x8DX(&S)", u"大きさ変更(&S)"}},
    {TextId::MenuHideOn, {"\x97\xCC\x88\xE6\x82\xF0\x8Am\x95\xDB(&K)", u"領域を確保(&K)"}},
    {TextId::MenuDialog,
     {"\x83_\x83"
      "C\x83"
      "A\x83\x8D\x83O\x82\xCD\x92\x86\x89\x9B\x82\xC9\x88\xDA\x93\xAE(&D)",
      u"ダイアログは中央に移動(&D)"}},
    {TextId::MenuActive,
     {"\x83"
      "A\x83N\x83"
      "e\x83"
      "B\x83u\x83"
      "E\x83"
      "B\x83\x93\x83h\x83"
      "E\x82\xF0\x91\xB1\x82\xAF\x82\xC4\x8F\x88\x97\x9D\x82\xB5\x82\xC8\x82\xA2(&A)",
      u"アクティブウィンドウを続けて処理しない(&A)"}},
    {TextId::MenuConfig, {"\x90\xDD\x92\xE8(&C)", u"設定(&C)"}},
    {TextId::MenuExit, {"\x8FI\x97\xB9(&X)", u"終了(&X)"}},
    {TextId::CheckTray,
     {"\x83^\x83X\x83N\x83g\x83\x8C\x83"
      "C\x82\xC9\x83"
      "A\x83"
      "C\x83R\x83\x93\x82\xF0\x95\\\x8E\xA6(&S)",
      u"タスクトレイにアイコンを表示(&S)"}},
    {TextId::CheckCaption,
     {"\x88\xDA\x93\xAE\x82\xB7\x82\xE9\x83"
      "E\x83"
      "B\x83\x93\x83h\x83"
      "E\x82\xCC\x83^\x83"
      "C\x83g\x83\x8B\x82\xF0\x95\xCF\x82\xA6\x82\xE9(&T)",
      u"移動するウィンドウのタイトルを変える(&T)"}},
    {TextId::CheckWave,
     {"\x83"
      "E\x83"
      "B\x83\x93\x83h\x83"
      "E\x82\xF0\x88\xDA\x93\xAE\x82\xB7\x82\xE9\x8E\x9E\x82\xC9\x83T\x83"
      "E\x83\x93\x83h\x82\xF0\x8D\xC4\x90\xB6(&W)",
      u"ウィンドウを移動する時にサウンドを再生(&W)"}},
    {TextId::CheckStartMenu,
     {"\x83X\x83^\x81[\x83g\x83\x81\x83j\x83\x85\x81[(&U)", u"スタートメニュー(&U)"}},
    {TextId::LabelTrans,
     {"\x83^\x83X\x83N\x83o\x81[\x82\xCC\x94\xBC\x93\xA7\x96\xBE\x93x\x81i&Y\x81j",
      u"タスクバーの半透明度（&Y）"}},
    {TextId::ButtonBrowseExe, {"\x8EQ\x8F\xC6(&R)", u"参照(&R)"}},
    {TextId::ButtonAddFromLog, {"\x92\xC7\x89\xC1(&A)", u"追加(&A)"}},
    {TextId::ButtonDelete, {"\x8D\xED\x8F\x9C(&D)", u"削除(&D)"}},
    {TextId::ButtonBrowseWave, {"\x8EQ\x8F\xC6(&F)", u"参照(&F)"}},
    {TextId::LabelPercent, {"\x81\x93", u"％"}},
    {TextId::ButtonDefault0, {"\x92\xCA\x8F\xED(&Z)", u"通常(&Z)"}},
    {TextId::ButtonDefault1, {"\x88\xDA\x93\xAE(&C)", u"移動(&C)"}},
    {TextId::ButtonDefault2, {"\x92\xE2\x8E~(&B)", u"停止(&B)"}},
    {TextId::ButtonCustom0, {"\x92\xCA\x8F\xED(&X)", u"通常(&X)"}},
    {TextId::ButtonCustom1, {"\x88\xDA\x93\xAE(&V)", u"移動(&V)"}},
    {TextId::ButtonCustom2, {"\x92\xE2\x8E~(&M)", u"停止(&M)"}},
    {TextId::ButtonCancel, {"\x83L\x83\x83\x83\x93\x83Z\x83\x8B", u"キャンセル"}},
    {TextId::GroupIgnore,
     {"[\x96\xB3\x8E\x8B\x82\xB7\x82\xE9\x83"
      "E\x83"
      "B\x83\x93\x83h\x83"
      "E(&E)]",
      u"[無視するウィンドウ(&E)]"}},
    {TextId::GroupPosition, {"[\x8A\xC4\x8E\x8B\x88\xCA\x92u(&P)]", u"[監視位置(&P)]"}},
    {TextId::GroupExtras, {"[\x82\xA8\x82\xDC\x82\xAF(&O)]", u"[おまけ(&O)]"}},
    {TextId::GroupIcons,
     {"[\x83"
      "A\x83"
      "C\x83R\x83\x93\x82\xCC\x95\xCF\x8DX(&I)]",
      u"[アイコンの変更(&I)]"}},
    {TextId::GroupWait,
     {"[\x8BN\x93\xAE\x92x\x89\x84\x8E\x9E\x8A\xD4(&L)]", u"[起動遅延時間(&L)]"}},
    {TextId::LabelDefault,
     {"\x83"
      "f\x83t\x83H\x83\x8B\x83g",
      u"デフォルト"}},
    {TextId::LabelCurrent, {"\x8C\xBB\x8D\xDD", u"現在"}},
    {TextId::LabelSeconds,
     {"\x95"
      "b",
      u"秒"}},
    {TextId::ButtonTrayMenu,
     {"\x83^\x83X\x83N\x83g\x83\x8C\x83"
      "C\x89"
      "E\x83N\x83\x8A\x83"
      "b\x83N\x83\x81\x83j\x83\x85\x81[",
      u"タスクトレイ右クリックメニュー"}},
    {TextId::TrayOffMessage,
     {"\x83g\x83\x8C\x83"
      "C\x83"
      "A\x83"
      "C\x83R\x83\x93\x82\xF0\x95\\\x8E\xA6\x82\xB7\x82\xE9\x82\xC9\x82\xCD\x8D\xC4\x93x\x8BN\x93"
      "\xAE"
      "\x82\xDC\x82\xBD\x82\xCD\x83^\x83X\x83N\x83o\x81["
      "\x82\xF0\x8F\xE3\x88\xC8\x8AO\x82\xC9\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81"
      "B",
      u"トレイアイコンを表示するには再度起動またはタスクバーを上以外にしてください。"}},
    {TextId::MessageCaption, {"Velmora!", u"Velmora!"}},
    {TextId::IconDialogTitle,
     {"\x83"
      "A\x83"
      "C\x83R\x83\x93\x82\xCC\x91I\x91\xF0",
      u"アイコンの選択"}},
    {TextId::IconDialogFilter,
     {"\x83"
      "A\x83"
      "C\x83R\x83\x93 (*.ico)|*.ico",
      u"アイコン (*.ico)|*.ico"}},
    {TextId::ButtonStartUp,
     {"\x83X\x83^\x81[\x83g\x83"
      "A\x83"
      "b\x83v\x82\xC9\x93o\x98^(\x92\xCA\x8F\xED\x8BN\x93\xAE)",
      u"スタートアップに登録(通常起動)"}},
    {TextId::ButtonQuickLaunch,
     {"\x83N\x83"
      "C\x83"
      "b\x83N\x83\x89\x83\x93\x83`\x83\x83\x82\xC9\x93o\x98^(\x94\xF1\x8F\xED\x92\x93\x83\x82\x81["
      "\x83h)",
      u"クイックランチャに登録(非常駐モード)"}},
    {TextId::DialogChooseFile,
     {"\x83t\x83@\x83"
      "C\x83\x8B\x82\xCC\x91I\x91\xF0",
      u"ファイルの選択"}},
    {TextId::DialogChooseSound,
     {"\x83T\x83"
      "E\x83\x93\x83h\x83t\x83@\x83"
      "C\x83\x8B\x82\xCC\x91I\x91\xF0",
      u"サウンドファイルの選択"}},
    {TextId::FilterPrograms,
     {"\x83v\x83\x8D\x83O\x83\x89\x83\x80(*.exe)|*.exe", u"プログラム(*.exe)|*.exe"}},
    {TextId::FilterSounds,
     {"\x83T\x83"
      "E\x83\x93\x83h\x83t\x83@\x83"
      "C\x83\x8B(*.wav)|*.wav",
      u"サウンドファイル(*.wav)|*.wav"}},
    {TextId::SaveFailed,
     {"\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1:",
      u"設定を保存できません:"}},
    {TextId::SaveFailedQuestion,
     {"\x8FI\x97\xB9\x82\xB7\x82\xE9\x82\xC6\x81"
      "A\x91O\x89\xF1\x82\xCC\x95\xDB\x91\xB6\x82\xA9\x82\xE7\x8C\xE3\x82\xCC\x95\xCF\x8DX\x82\xCD"
      "\x8E\xB8\x82\xED\x82\xEA\x82\xDC\x82\xB7\x81"
      "B\x8FI\x97\xB9\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H",
      u"終了すると、前回の保存から後の変更は失われます。終了しますか？"}},
    {TextId::AskStartUp,
     {"\x83X\x83^\x81[\x83g\x83"
      "A\x83"
      "b\x83v\x82\xC9\x93o\x98^\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H",
      u"スタートアップに登録しますか？"}},
    {TextId::AskQuickLaunch,
     {"\x83N\x83"
      "C\x83"
      "b\x83N\x83\x89\x83\x93\x83`\x83\x83\x82\xC9\x93o\x98^\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H",
      u"クイックランチャに登録しますか？"}},
    {TextId::ButtonOK, {"OK", u"OK"}},
    {TextId::ShortcutDescription, {"Velmora!", u"Velmora!"}},
    {TextId::ShortcutFolderNotFound,
     {"\x93\x6F\x98\x5E\x90\xE6\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x82\xAA\x8C\xA9"
      "\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42",
      u"登録先のフォルダが見つかりません。"}},
};

} // namespace

std::span<const TextEntry> JapaneseTextTable() {
    return kJapanese;
}

} // namespace vm
