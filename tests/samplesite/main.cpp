// Runs the sample site's test classes one after the other.

#include <curl/curl.h>
#include <QGuiApplication>
#include <QTest>

#include "SampleSitePagesTest.h"
#include "SampleSitePicturesTest.h"
#include "SampleSiteReadersTest.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  curl_global_init(CURL_GLOBAL_DEFAULT);
  int failures = 0;
  lumvane::SampleSitePagesTest pages;
  failures += QTest::qExec(&pages, argc, argv);
  lumvane::SampleSiteReadersTest readers;
  failures += QTest::qExec(&readers, argc, argv);
  lumvane::SampleSitePicturesTest pictures;
  failures += QTest::qExec(&pictures, argc, argv);
  curl_global_cleanup();
  return failures == 0 ? 0 : 1;
}
