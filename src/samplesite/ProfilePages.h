#pragma once
// Profile pages on the main host and public pages on the page host: the
// pages a vanity-name address leads to.

#include <QByteArray>

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

// A user's profile: "pid: '<uid>'" in its script.
SitePage ProfilePage(const SampleUser& user);
// A public page: "profile_owner = <uid>;" instead.
SitePage PublicPage(const SampleUser& user);
// A profile page that names no user at all.
SitePage AnonymousProfilePage(const QByteArray& profileName);

}  // namespace lumvane
