#include "main_window/usagehelp.h"

#include <array>
#include <string_view>

std::string UsageHelp::text()
{
    // Lines 7 and 13, and 14 and 17, are the same on purpose.
    static constexpr std::array<std::string_view, 19> lines = {
        "半角文字数字で線の太さと線の色を入力します",
        "※線の色は15までしか入力できません",
        "消去キーを押すことにより書かれた絵が消えます",
        "線の太さはコンボボックスより1～30まで入力できますが",
        "キーボードより数字を入力することができます",
        "線の太さを0にして描画しようとすると初期値として",
        "1が選択されます",
        "数値を0で描画した場合はエラーメッセージが表示された後",
        "マウスをクリックしなくても描画できますが一度マウスを",
        "クリックすると再度描画する際はマウスをクリックしながらでないと",
        "描画できません",
        "線の色のコンボボックスを16以上にすると初期値として",
        "1が選択されます",
        "印刷をクリックすると印刷確認画面が出ます",
        "ＯＫをクリックすると印刷されます",
        "キャンセルをクリックすると元の画面に戻ります",
        "印刷をクリックすると印刷確認画面が出ます",
        "ＯＫをクリックすると通常使用に設定されている",
        "プリンタからフォーム全体が印刷されます",
    };
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}
