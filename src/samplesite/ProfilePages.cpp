#include "samplesite/ProfilePages.h"

#include "samplesite/PhotoAddresses.h"
#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

QString AlbumsLink(const SampleUser& user) {
  return u"<a class=\"albums\" href=\"" + PhotoUrl(user, QStringLiteral("/albumlist/v7?showAll=1")) + u"\">相册</a>";
}

}  // namespace

SitePage ProfilePage(const SampleUser& user) {
  const QString body = u"<script type=\"text/javascript\">\nnx.webpager.fold = true;\nnx.user = {\n  ruid: '" +
                       QString::number(user.id) + u"',\n  pid: '" + QString::number(user.id) + u"',\n  name: '" +
                       HtmlText(user.name) + u"'\n};\n</script>\n<div id=\"profile\"><h1 class=\"username\">" +
                       HtmlText(user.name) + u"</h1>\n" + AlbumsLink(user) + u"</div>";
  return {HtmlDocument(u"人人网 - " + HtmlText(user.name), user.style.charset, body), "text/html", user.style};
}

SitePage PublicPage(const SampleUser& user) {
  const QString body = u"<script type=\"text/javascript\">\nvar profile_owner = " + QString::number(user.id) +
                       u";\nvar page_name = '" + HtmlText(user.name) + u"';\n</script>\n<div id=\"page-head\"><h1>" +
                       HtmlText(user.name) + u"</h1>\n" + AlbumsLink(user) + u"</div>";
  return {HtmlDocument(u"人人网公共主页 - " + HtmlText(user.name), user.style.charset, body), "text/html", user.style};
}

SitePage AnonymousProfilePage(const QByteArray& profileName) {
  const QString body = u"<div id=\"profile\"><h1>" + HtmlText(QString::fromLatin1(profileName)) +
                       u"</h1>\n<p>该用户尚未开放个人主页</p></div>";
  return {HtmlDocument(QStringLiteral("人人网"), PageCharset::Utf8, body), "text/html", PageStyle{}};
}

}  // namespace lumvane
