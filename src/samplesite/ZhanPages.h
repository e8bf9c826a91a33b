#pragma once
// The pages of a Zhan site: its front page (with a selected tag), the month
// list of its archive, pages of posts as JSON-escaped HTML, and the posts.

#include <vector>

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

// "site_id=<id>\"" and "name:'<site name>'"; the tag `selectedTagId` (0 for
// none) is the one marked class="s".
SitePage ZhanFrontPage(const ZhanSite& site, int selectedTagId);

// "class=\"time_control" with one mark="<month>" per month, ended by
// "</section>".
SitePage ZhanMonthListPage(const ZhanSite& site);

// One page of posts: <div id=\"feed<id>\" … class=\"title\">…<\/ inside a
// JSON string.
SitePage ZhanPostsPage(const ZhanSite& site, const std::vector<const ZhanPost*>& posts);

// The post between id="main-wrap" and class="ccagreement">, its picture in a
// class="photo" block or in a plain <img>.
SitePage ZhanPostPage(const ZhanSite& site, const ZhanPost& post);

}  // namespace lumvane
