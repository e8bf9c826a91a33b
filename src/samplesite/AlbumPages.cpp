#include "samplesite/AlbumPages.h"

#include "samplesite/PhotoAddresses.h"
#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

QString AlbumTitle(const SampleAlbum& album) { return u"人人网 - " + HtmlText(album.name); }

}  // namespace

SitePage ClassicAlbumPage(const SampleUser& user, const SampleAlbum& album, const QString& visitorName) {
  const QString ownerTab = user.visitorsOwn ? QStringLiteral("我的相册") : HtmlText(user.name);
  QString body = u"<input type=\"hidden\" id=\"guestName\" value=\"" + HtmlText(visitorName) + u"\"/>\n" +
                 u"<div class=\"nav-wrap\"><ul class=\"nav-tabs\"><li><a href=\"" +
                 PhotoUrl(user, QStringLiteral("/albumlist/v7")) + u"\">" + ownerTab + u"</a></li><li><a href=\"" +
                 ProfileUrl(user) + u"\">个人主页</a></li></ul></div>\n" + u"<div class=\"ablum-infor\"><h1>" +
                 HtmlText(album.name) + u"<span class=\"count\">(" + QString::number(album.reportedCount) +
                 u"张)</span></h1>\n<p class=\"time\">更新于2014-12-29</p></div>\n";
  // Nothing after the name may carry an address when no reader is to find
  // the pictures: the photo-list reader follows the first one.
  if (album.pictureList == PictureListShape::None) {
    body += u"<div class=\"empty-album\">该相册暂无照片</div>";
  } else {
    body += u"<div class=\"photo-list\" data-info=\"{album:'" + QString::number(album.id) + u"',owner:'" +
            QString::number(user.id) + u"'}\"><a class=\"view-photos\" href=\"" + FirstPhotoListUrl(user, album) +
            u"\">浏览照片</a></div>";
  }
  return {HtmlDocument(AlbumTitle(album), user.style.charset, body), "text/html", user.style};
}

SitePage V7AlbumPage(const SampleUser& user, const SampleAlbum& album, const QString& visitorName) {
  const QString owner = user.visitorsOwn ? QStringLiteral("我的主页") : HtmlText(user.name);
  const QString body =
      u"<script type=\"text/javascript\">\nnx.user = {id : '0', name : \"" + HtmlText(visitorName) +
      u"\", tinyPic : ''};\nnx.data.photo = {'albumId':'" + QString::number(album.id) + u"','albumName':'" +
      HtmlText(album.name) + u"','ownerId':'" + QString::number(user.id) + u"','photoCount':" +
      QString::number(album.reportedCount) + u",'sourceControl':" + QString::number(album.password ? 4 : 99) +
      u"};\n</script>\n<div class=\"fd-nav\"><ul><li class=\"fd-nav-item\"><a href=\"" + ProfileUrl(user) + u"\">" +
      owner + u"</a></li><li class=\"fd-nav-item\"><a href=\"" + PhotoUrl(user, QStringLiteral("/albumlist/v7")) +
      u"\">相册</a></li></ul></div>\n<div id=\"photo-wrap\"></div>";
  return {HtmlDocument(AlbumTitle(album), user.style.charset, body), "text/html", user.style};
}

SitePage AlbumPasswordPage(const SampleUser& user, const SampleAlbum& album) {
  const QString body = u"<form class=\"album-password\" method=\"post\" action=\"" +
                       PhotoUrl(user, u"/album-" + QString::number(album.id) + u"/private") + u"\">\n<p>" +
                       HtmlText(album.name) +
                       u" 是加密相册，请输入密码</p>\n<input type=\"password\" name=\"passwd\"/>\n"
                       u"<input type=\"submit\" value=\"确定\"/>\n</form>";
  return {HtmlDocument(AlbumTitle(album), user.style.charset, body), "text/html", user.style};
}

}  // namespace lumvane
