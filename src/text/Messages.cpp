// The texts of Messages.h. A translator or a reviewer finds every text the user reads here, apart
// from the resource script's dialog and menu.
#include "text/Messages.h"

const char MESSAGE_CAPTION[] = "エラー";

const char MESSAGE_NO_ID[] = "分析するIDを設定してください";
const char MESSAGE_ID_NOT_A_FILE_NAME[] = "IDにファイル名に使えない文字が含まれています";
const char MESSAGE_LOG_NOT_OPENED[] = "牌譜ファイルが開けません";
const char MESSAGE_NO_GAME[] = "指定された条件での対局データは含まれていませんでした。";
const char MESSAGE_NO_GAME_RATES[] = "レートの範囲：%d～%d";
const char MESSAGE_NO_GAME_ADVICE[] = "ID とレートの範囲を見直してください。";
const char MESSAGE_NO_GAME_ADVICE_CONDITIONS[] = "ID、レートの範囲、分析条件（設定メニュー）を見直してください。";
const char MESSAGE_LOG_NOT_FOUND[] = "牌譜ファイルが開けません：\n%s\n「参照」で牌譜ファイルを選んでください。";
const char MESSAGE_SKIP_BROKEN_QUESTION[] = "壊れた対局を飛ばして分析を続けますか？";

const char MESSAGE_MALFORMED_ENTRY[] = "牌譜データ処理中にエラーが発生しました。\n";
const char MESSAGE_NONZERO_SUM[] = "合計が０でない得点データが見つかりました。\n";
const char MESSAGE_IMPOSSIBLE_RATE[] = "実在しないレートです。\n";
const char MESSAGE_LOG_NOT_READ[] = "牌譜ファイルの読み込み中にエラーが発生しました。\n";
const char MESSAGE_OUT_OF_MEMORY[] = "メモリ不足です";

const char MESSAGE_REPORT_NOT_CREATED[] = "結果ファイルをオープンできませんでした。";
const char MESSAGE_REPORT_NOT_WRITTEN[] = "結果ファイルの書き込みに失敗しました。";
const char MESSAGE_OUTPUT_IN_THE_WAY[] = "ファイルでないもの（フォルダなど）がその名前で置かれています：";
const char MESSAGE_TABLE_NOT_WRITTEN[] = " の書き込みに失敗しました。";
const char MESSAGE_REPORT_NOT_SHOWN[] = "結果ファイルを表示できませんでした。次のファイルを開いてください。\n";
const char MESSAGE_GUIDE_NOT_SHOWN[] = "取扱説明書を表示できませんでした。次のファイルを開いてください。\n";
const char MESSAGE_SETTINGS_NOT_SAVED[] = "設定を保存できませんでした";
const char MESSAGE_NO_OUTPUT_FOLDER[] = "出力フォルダを開けません";
const char MESSAGE_FOLDER_BUSY[] = "別の分析がこのフォルダに書き込み中です：";

const char ID_PLACEHOLDER[] = "ここにIDを入力";
const char LOG_CHOOSER_TITLE[] = "牌譜ファイルの選択";
const char LOG_CHOOSER_FILTERS[] = "すべて\0*.*\0Kalvento麻雀牌譜データ \0*.txt\0";

const char CLI_USAGE[] =
    "使い方: vornix-cli --log ファイル --id ID [--min 数] [--max 数] [--scheme 0-3] [--out フォルダ] [--trends]\n"
    "                  [--from 日付] [--to 日付] [--lobby ロビー]... [--length tonpu|hanchan] [--players 4|3]\n"
    "                  [--skip-bad] [--details] [--rivals] [--also-id ID]...\n";
const char CLI_HELP[] =
    "        vornix-cli --help\n"
    "分析条件（どれも指定しなければすべての対局）:\n"
    "  --from 日付, --to 日付     この日から、この日までの対局（YYYY/MM/DD、YYYY-MM-DD、YYYY/M/D）\n"
    "  --lobby ロビー             このロビーの対局（繰り返して複数指定できる）\n"
    "  --length tonpu|hanchan     東風戦だけ、半荘戦だけ（東風、半荘 とも書ける）\n"
    "  --players 4|3              4人打ちだけ、3人打ちだけ\n"
    "  --skip-bad                 壊れた対局を飛ばして分析を続ける（飛ばした対局は標準エラーに表示）\n"
    "同じプレイヤーの別のID:\n"
    "  --also-id ID               このIDの対局も同じプレイヤーの対局として分析する（繰り返して 9 個まで、\n"
    "                             --id と同じ規則。ファイル名と見出しは --id のID）\n"
    "終了コード:\n"
    "  0  すべてのファイルを書き込み、結果ファイルのパスを表示した\n"
    "  1  牌譜ファイルが壊れているか、最後まで読めなかった\n"
    "  2  引数の誤り、ファイル名にできないID、開けない牌譜ファイル、条件に合う対局がない\n"
    "  3  作成または最後まで書き込みできなかったファイルがある（標準エラーに表示、前のファイルは残る）\n";
const char CLI_NOT_WRITTEN[] = "vornix-cli: 書き込めなかったファイル: ";
const char CLI_UNKNOWN_OPTION[] = "%s というオプションはありません";
const char CLI_MISSING_VALUE[] = "%s の値がありません";
const char CLI_REPEATED[] = "%s が二度以上指定されています";
const char CLI_TOO_LONG[] = "%s が長すぎます（%zu バイトまで）";
const char CLI_NOT_A_NUMBER[] = "%s には整数を指定してください";
const char CLI_OUT_OF_RANGE[] = "%s には %d から %d までの整数を指定してください";
const char CLI_REQUIRED[] = "%s を指定してください";
const char CLI_NOT_CP932[] = "%s にシフトJIS（コードページ932）で表せない文字があります";
const char CLI_MIN_ABOVE_MAX[] = "--min が --max より大きくなっています";

const char MESSAGE_DATE_FORM[] = "日付は 2024/01/31 のように「年/月/日」で入力してください";
const char MESSAGE_DATE_IMPOSSIBLE[] = "存在しない日付です";
const char MESSAGE_PERIOD_REVERSED[] = "開始日が終了日より後になっています";
const char MESSAGE_STORED_PERIOD_DROPPED[] =
    "保存された期間の開始日が終了日より後になっています。期間を解除しました。";
const char MESSAGE_LOBBY_UNLISTABLE[] = "ロビー名が空か、「;」を含んでいます";
const char MESSAGE_ALSO_ID_REPEATED[] = "同じ別のIDが二度以上あります";
const char MESSAGE_ALSO_ID_IS_ID[] = "別のIDにIDと同じものがあります";
const char MESSAGE_TOO_MANY_ALSO_IDS[] = "別のIDは 9 個までです";
const char MESSAGE_ALSO_ID_TOO_LONG[] = "IDが長すぎます（15 バイトまで）";
const char MESSAGE_ALSO_ID_REFUSED[] = "別のID「%s」：%s";
const char CLI_TWO_ID_ENTRIES[] = "vornix-cli: 同じ卓に自分のIDが複数いた対局: %d 件（除外）\n";
const char MESSAGE_TOO_MANY_LOBBIES[] = "選んだロビーが多すぎます（名前の合計は 239 バイトまで）";
const char MESSAGE_AT_LINE[] = "（%lld 行目）";
const char CONDITION_LOBBY_ITEM_OWN[] = "%s（自分の対局 %d）";
const char CONDITION_LOBBY_ITEM_ALL[] = "%s（全員の対局 %d 件）";
const char CONDITION_LOBBY_UNNAMED[] = "（名前なし）";
const char CONDITIONS_DAY_IMPOSSIBLE[] = "%s「%s」は存在しない日付です";
const char CONDITIONS_DAY_REFUSED[] = "%s「%s」：%s";
const char CLI_SKIPPED_ENTRIES[] = "vornix-cli: 読み飛ばした壊れた対局: %d 件（%s 行目）\n";
const char CLI_BAD_LENGTH[] = "%s には tonpu、hanchan、東風、半荘 のどれかを指定してください";

const char CONDITIONS_NO_LOBBY_MEANS_ALL[] = "チェックがなければ、すべてのロビーを分析します。";
const char CONDITIONS_LOBBIES_NOT_READ[] = "牌譜ファイルが開けず、ロビーを読めません：";
const char CONDITIONS_ONLY_CHOSEN_SHOWN[] = "選んであったロビーだけを表示しています。";
const char CONDITIONS_LOBBIES_CUT[] = "ロビーが多いため、最初の 100 個までを表示しています。";
const char CONDITIONS_LOG_NOT_READ[] = "牌譜ファイルを最後まで読めませんでした。";
const char MESSAGE_LOG_CHANGED[] =
    "分析中に牌譜ファイルが変更されたため、対戦相手別の成績は作成しませんでした。もう一度分析してください。";

const char SUMMARY_LOG_MISSING[] = "※ 牌譜ファイルが開けません。\n　「参照」で選んでください。";
const char SUMMARY_SKIP_BROKEN[] = "壊れた対局は飛ばして分析";
const char SUMMARY_OUTPUTS[] = "追加：";
const char SUMMARY_TREND_CHARTS[] = "推移グラフ";
const char SUMMARY_DETAILS[] = "詳しい成績";
const char SUMMARY_RIVALS[] = "対戦相手別の成績";
const char SUMMARY_ALSO_IDS[] = "別のID：";
const char SUMMARY_PROGRESS[] = "分析中… 牌譜の %d%% を読みました";
