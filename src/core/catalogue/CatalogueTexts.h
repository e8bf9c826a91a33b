#pragma once
// Texts the album-list job shows.

namespace lumvane {

inline constexpr char16_t kNoAddressMessage[] =
    u"请输入要获取相册的地址：人人网的个人主页、相册列表、相册或小站地址（以 http:// 开头）";
inline constexpr char16_t kRenrenNothingFoundMessage[] =
    u"错误原因：\n1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动登录)\n2.你没有该相册的访问权限.";
inline constexpr char16_t kZhanNothingFoundMessage[] =
    u"1、没有获取到相册，需要你在登录菜单里登录一个人人帐号(登录时勾上下次自动登录)后重新获取";
inline constexpr char16_t kListThreadFailedMessage[] = u"Create thread:GetListFunc failed.";
inline constexpr char16_t kListingStatus[] = u"正在获取相册列表，请稍等...";
inline constexpr char16_t kGetAlbumsCaption[] = u"获取相册";
inline constexpr char16_t kStopListingCaption[] = u"终止获取";
inline constexpr char16_t kAlbumGroupCaption[] = u"相册列表";

}  // namespace lumvane
