#pragma once
// Texts the download job shows.

namespace lumvane {

inline constexpr char16_t kNoSavePathMessage[] = u"请先设置保存路径";
inline constexpr char16_t kBadSavePathMessage[] = u"请检测设置的保存路径是否有误";
inline constexpr char16_t kNoAlbumChosenMessage[] = u"请先在相册列表中选中要下载的相册（点击相册所在的行）";
inline constexpr char16_t kBadSiteKindMessage[] = u"Error ListType Code.";
inline constexpr char16_t kEngineFailedMessage[] = u"Create thread:DownPicFunc failed.";
inline constexpr char16_t kJobThreadFailedMessage[] = u"无法创建下载线程，请关闭其他程序后重试";
inline constexpr char16_t kDownloadCaption[] = u"下载";
inline constexpr char16_t kStopDownloadCaption[] = u"终止下载";
inline constexpr char16_t kDownloadStartedStatus[] = u"已开始下载图片";
inline constexpr char16_t kDownloadFinishedStatus[] = u"下载完毕";

}  // namespace lumvane
