// The about text each face scrolls: built once, at the face's load.
#include "faces/face.h"

namespace tint::faces {

namespace {

// The names and addresses in these lines are made up for this program; none
// is a real person, shop or site (.example is reserved for that use).
constexpr wchar_t kCompanyLine[] = L"Quorlan科技 www.quorlan-tint.example 2009年设计，2010年发布";
constexpr wchar_t kFirstDownloadLine[] = L"下载地址--- 青枫下载站 云岭软件园 石桥下载 晴川软件屋";
constexpr wchar_t kSecondDownloadLine[] = L"北斗软件港 橘子下载 星河共享站 白鹭软件库 小满下载";
constexpr wchar_t kThanksLine[] = L"感谢南巷数码 松间电脑城 拾光软件铺 木樨网络 远帆科技店";
constexpr wchar_t kShortThanksLine[] = L"感谢南巷数码 松间电脑城 拾光软件铺 木樨网络 ";
constexpr wchar_t kAdvertisingLine[] = L"广告联系--- ads@quorlan-tint.example";

// Rows 0 to 22, the same in every table; row 15 (the date) is filled in at load.
constexpr const wchar_t* kCommonRows[] = {
    L"*Brindlemark王5.1*",
    L" ",
    L" 如果觉得windows皮肤单调Quorlan为你替换",
    L"Quorlan将她彻底变脸",
    L" ",
    L"Quorlan设计了五种皮肤颜色,桃红、海蓝、军绿、邮政绿、粉红玫瑰",
    L"Quorlan设计了四种菜单颜色,邮政绿、桔红、胭脂红、天蓝",
    L" ",
    L"变好后打开[开始]-->[运行]观看,也可打开文件夹观看",
    L" ",
    L"可变的很多Quorlan以后陆续发布，系望大家支持Quorlan软件",
    L" ",
    L"注销或重启windows即变为windows原色",
    L" ",
    kCompanyLine,
    nullptr,
    L" ",
    kFirstDownloadLine,
    L" ",
    kSecondDownloadLine,
    L" ",
    L"搜索器--- 百度 谷歌 搜狗 搜搜 雅虎 有道 必应",
    L" ",
};

}  // namespace

void Face::BuildAboutLines() {
    std::vector<const wchar_t*> rows(std::begin(kCommonRows), std::end(kCommonRows));
    switch (profile_.aboutTable) {
        case themes::AboutTable::Full:
            rows.insert(rows.end(), {kThanksLine, L" ", kAdvertisingLine, L" ", L"微软核心技术是什么? Quorlan以后回答", L" ",
                                     L"英特尔核心技术是什么? Quorlan以后回答"});
            break;
        case themes::AboutTable::Short: rows.push_back(kAdvertisingLine); break;
        case themes::AboutTable::TwentySix: rows.insert(rows.end(), {kShortThanksLine, L" ", kAdvertisingLine}); break;
    }
    aboutLines.assign(rows.size(), {});
    for (size_t row = 0; row < rows.size(); ++row) aboutLines[row][0] = rows[row] != nullptr ? rows[row] : App().Date();

    // Rows without a size of their own are drawn in the size of the row above.
    aboutLines[0][1] = forms::Str(24);
    for (int row = 1; row <= 12; ++row) aboutLines[row][1] = forms::Str(14);
    aboutLines[14][1] = forms::Str(12);
    aboutLines[15][1] = forms::Str(8);
    aboutLines[17][1] = forms::Str(16);
    aboutLines[19][1] = forms::Str(16);
}

}  // namespace tint::faces
