#include "samplesite/StartupConfigPage.h"

#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

QString ConfigField(QString text) { return text.replace(u'\n', QStringLiteral("\\\n")); }

}  // namespace

SitePage StartupConfigPage(const StartupConfig& config) {
  QStringList sources;
  for (const QString& name : config.sourceNames) sources.append(ConfigField(name));
  return {u"LUMVANE-CONFIG 1\nfields=" + ConfigField(config.version) + u'|' + ConfigField(config.updateUrl) +
              u"\nsources=" + sources.join(u'|') + u'\n',
          "text/plain", PageStyle{}};
}

SitePage UpdatePage(const StartupConfig& config) {
  return {HtmlDocument(QStringLiteral("Lumvane 更新"), PageCharset::Utf8,
                       u"<h1>Lumvane " + HtmlText(config.version) + u"</h1>\n<p>新版本说明</p>"),
          "text/html", PageStyle{}};
}

}  // namespace lumvane
