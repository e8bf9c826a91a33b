#include "samplesite/ZhanPages.h"

#include "samplesite/SampleHosts.h"
#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

QString SiteUrl(const ZhanSite& site, const QString& query = QString()) {
  return HostUrl(kZhanHost, u'/' + QString::fromLatin1(site.path) + query);
}

QString SiteLogo() { return QStringLiteral("<img class=\"logo\" src=\"http://s.xnimg.cn/zhan/logo.png\"/>"); }

QString MonthCaption(const QString& month) {
  // Months are written "yyyyMM".
  return month.left(4) + u"年" + month.mid(4) + u"月";
}

}  // namespace

SitePage ZhanFrontPage(const ZhanSite& site, int selectedTagId) {
  QString tags;
  for (const ZhanTag& tag : site.tags) {
    tags += u"<li><a " + (tag.id == selectedTagId ? QStringLiteral("class=\"s\" ") : QString()) + u"href=\"" +
            SiteUrl(site, u"?tagId=" + QString::number(tag.id)) + u"\">" + HtmlText(tag.name) + u"</a></li>\n";
  }
  const QString body = u"<script type=\"text/javascript\">\nvar site = {id:'" + QString::number(site.id) +
                       u"', name:'" + HtmlText(site.name) + u"', url:'" + SiteUrl(site) + u"'};\n</script>\n" +
                       u"<div class=\"site-head\">" + SiteLogo() + u"<h1>" + HtmlText(site.name) +
                       u"</h1>\n<a class=\"archive\" href=\"" +
                       HostUrl(kZhanHost, u"/archive?site_id=" + QString::number(site.id)) +
                       u"\">归档</a></div>\n<ul class=\"tag-list\">\n" + tags + u"</ul>";
  return {HtmlDocument(HtmlText(site.name) + u" - 人人小站", site.style.charset, body), "text/html", site.style};
}

SitePage ZhanMonthListPage(const ZhanSite& site) {
  QString months;
  for (const QString& month : site.months) {
    months += u"<li><a href=\"javascript:;\" mark=\"" + month + u"\">" + MonthCaption(month) + u"</a></li>\n";
  }
  const QString body = u"<section class=\"archive\">\n<div class=\"time_control\">\n<ul>\n" + months +
                       u"</ul>\n</div>\n</section>\n<div class=\"archive-list\"></div>";
  return {HtmlDocument(HtmlText(site.name) + u" - 归档", site.style.charset, body), "text/html", site.style};
}

SitePage ZhanPostsPage(const ZhanSite& site, const std::vector<const ZhanPost*>& posts) {
  QString html;
  for (const ZhanPost* post : posts) {
    html += u"<div id=\"feed" + QString::number(post->id) + u"\" class=\"feed-item\"><h3 class=\"title\">" +
            HtmlText(post->title) + u"</h3><div class=\"feed-content\"><a href=\"" +
            SiteUrl(site, u"?gid=" + QString::number(post->id)) + u"\"><img src=\"" + post->picture.UrlAs("head_") +
            u"\"/></a></div></div>";
  }
  return {u"{\"code\":0,\"msg\":\"\",\"html\":\"" + JsonText(html) + u"\"}", "application/json", site.style};
}

SitePage ZhanPostPage(const ZhanSite& site, const ZhanPost& post) {
  const QString picture = post.photoBlock ? QString(u"<div class=\"photo\"><img data-src=\"" + post.picture.Url() +
                                                    u"\" src=\"http://s.xnimg.cn/a.gif\"/></div>")
                                          : QString(u"<div class=\"post-body\"><p>" + HtmlText(post.title) +
                                                    u"</p><img src=\"" + post.picture.Url() + u"\"/></div>");
  const QString body = u"<div class=\"site-head\">" + SiteLogo() +
                       u"</div>\n<div id=\"main-wrap\">\n<div class=\"post\">\n" + u"<h2 class=\"title\">" +
                       HtmlText(post.title) + u"</h2>\n" + picture +
                       u"\n</div>\n</div>\n<div class=\"ccagreement\">本作品采用知识共享署名协议</div>";
  return {HtmlDocument(HtmlText(post.title) + u" - " + HtmlText(site.name), site.style.charset, body), "text/html",
          site.style};
}

}  // namespace lumvane
