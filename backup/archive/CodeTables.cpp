#include "archive/CodeTables.h"

#include <array>

namespace nook {

namespace {

// Code page 936 names.
constexpr std::array<std::string_view, 9> kClasses = {
    "\xd7\xd4\xb6\xa8\xd2\xe5\xc8\xd5\xbc\xc7\xc0\xe0\xd0\xcd", // 自定义日记类型
    "\xc6\xd5\xcd\xa8\xc8\xd5\xbc\xc7",                         // 普通日记
    "\xd3\xb0\xd2\xf4\xbf\xe1",                                 // 影音酷
    "\xb1\xa6\xb1\xa6\xcf\xe0\xb2\xe1",                         // 宝宝相册
    "\xcd\xaf\xd1\xd4\xce\xde\xbc\xc9",                         // 童言无忌
    "\xb7\xa2\xd3\xfd\xbc\xc7\xc2\xbc",                         // 发育记录
    "\xce\xd2\xb5\xc4\xb5\xda\xd2\xbb\xb4\xce",                 // 我的第一次
    "\xd4\xd3\xc6\xdf\xd4\xd3\xb0\xcb",                         // 杂七杂八
    "\xb2\xca\xd0\xc5\xd4\xd3\xd6\xbe",                         // 彩信杂志
};

constexpr std::array<std::string_view, 3> kCharacters = {
    "\xb0\xd6\xb0\xd6", // 爸爸
    "\xc2\xe8\xc2\xe8", // 妈妈
    "\xb1\xa6\xb1\xa6", // 宝宝
};

constexpr std::array<std::string_view, 7> kMoods = {
    "\xbf\xaa\xd0\xc4", // 开心
    "\xbb\xee\xc6\xc3", // 活泼
    "\xd0\xcb\xb7\xdc", // 兴奋
    "\xb0\xb2\xbe\xb2", // 安静
    "\xc6\xbd\xb5\xad", // 平淡
    "\xb7\xb3\xd4\xea", // 烦躁
    "\xcd\xb4\xbf\xde", // 痛哭
};

constexpr std::array<std::string_view, 6> kWeathers = {
    "\xc7\xe7\xc0\xca", // 晴朗
    "\xb6\xe0\xd4\xc6", // 多云
    "\xd2\xf5\xcc\xec", // 阴天
    "\xcf\xc2\xd3\xea", // 下雨
    "\xcf\xc2\xd1\xa9", // 下雪
    "\xb4\xf3\xb7\xe7", // 大风
};

template <size_t N> CodeName OneBased(const std::array<std::string_view, N>& names, int code) {
    if (code < 1 || code > static_cast<int>(N)) code = 1;
    return {code, names[static_cast<size_t>(code - 1)]};
}

} // namespace

std::string_view BlogClassName(int code) {
    if (code < 0 || code >= static_cast<int>(kClasses.size())) code = 0;
    return kClasses[static_cast<size_t>(code)];
}

CodeName CharacterOf(int code) {
    return OneBased(kCharacters, code);
}
CodeName MoodOf(int code) {
    return OneBased(kMoods, code);
}
CodeName WeatherOf(int code) {
    return OneBased(kWeathers, code);
}

} // namespace nook
