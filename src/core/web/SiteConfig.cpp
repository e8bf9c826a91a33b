#include "web/SiteConfig.h"

#include "settings/Ini.h"

namespace lumvane {
namespace {

void Override(QString& value, const CIni& ini, const QString& key) {
  const QString configured = ini.GetString(QStringLiteral("hosts"), key);
  if (!configured.isEmpty()) value = configured;
}

bool IsPort(QStringView text) {
  if (text.isEmpty()) return true;  // curl's "any port"
  bool ok = false;
  const uint port = text.toUInt(&ok);
  return ok && port >= 1 && port <= 65535 && text.front() != u'+';
}

// Splits "NAME:PORT" off the front of `text`; NAME may be a bracketed IPv6
// address. The rest after the port's colon stays in `text`.
bool TakeNameAndPort(QStringView& text, bool last) {
  qsizetype nameEnd = 0;
  if (text.startsWith(u'[')) {
    nameEnd = text.indexOf(u']');
    if (nameEnd < 0) return false;
    ++nameEnd;
  } else {
    nameEnd = text.indexOf(u':');
    if (nameEnd < 0) return false;
  }
  if (nameEnd >= text.size() || text[nameEnd] != u':') return false;
  if (text.first(nameEnd).contains(u' ')) return false;
  text = text.sliced(nameEnd + 1);
  const qsizetype portEnd = last ? text.size() : text.indexOf(u':');
  if (portEnd < 0 || !IsPort(text.first(portEnd))) return false;
  text = last ? QStringView() : text.sliced(portEnd + 1);
  return true;
}

}  // namespace

SiteConfig SiteConfig::Load(const QString& path) {
  SiteConfig config;
  const CIni ini(path);
  if (!ini.Exists()) return config;
  Override(config.mainHost, ini, QStringLiteral("main"));
  Override(config.pageHost, ini, QStringLiteral("page"));
  Override(config.photoHost, ini, QStringLiteral("photo"));
  Override(config.zhanHost, ini, QStringLiteral("zhan"));
  Override(config.pageFragment, ini, QStringLiteral("page_fragment"));
  Override(config.zhanFragment, ini, QStringLiteral("zhan_fragment"));
  for (size_t i = 0; i < config.configEndpoints.size(); ++i) {
    config.configEndpoints[i] = ini.GetString(QStringLiteral("config"), QStringLiteral("endpoint%1").arg(i + 1));
  }
  for (const auto& [from, to] : ini.Entries(QStringLiteral("connect-to"))) config.AddConnectTo(from + u':' + to);
  return config;
}

QString SiteConfig::DefaultPath(const QString& programFolder) { return programFolder + QStringLiteral("sites.ini"); }

bool SiteConfig::AddConnectTo(const QString& mapping) {
  if (!IsConnectToMapping(mapping)) return false;
  connectTo.append(mapping);
  return true;
}

bool SiteConfig::IsConnectToMapping(const QString& mapping) {
  // HOST:PORT:ADDR:PORT; HOST and PORT may be empty, ADDR must not.
  QStringView rest(mapping);
  if (rest.contains(u'\n') || rest.contains(u'\r')) return false;
  if (!TakeNameAndPort(rest, false)) return false;
  if (rest.isEmpty() || rest.startsWith(u':')) return false;
  return TakeNameAndPort(rest, true);
}

}  // namespace lumvane
