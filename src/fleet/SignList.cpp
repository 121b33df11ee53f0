#include "SignList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "AtomicFile.h"
#include "GbkIni.h"
#include "LedError.h"
#include "protocol/Limits.h"

namespace {

// More signs than any desk drives; a file claiming more is read up to here.
constexpr int kMaxSigns = 1024;
constexpr int kMaxNameLength = 64;
constexpr qint64 kMaxSignListBytes = 4 * 1024 * 1024;

QString section(int k) { return QStringLiteral("大屏%1").arg(k); }

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

bool hasControlCharacter(const QString& text) {
  for (const QChar c : text)
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) return true;
  return false;
}

QString text(const GbkIni& ini, const QString& s, const QString& key) {
  const std::optional<QByteArray> v = ini.value(s, key);
  return v ? GbkIni::fromGbk(*v).trimmed() : QString();
}

// One section as an entry; the reason it cannot be used otherwise.
QString readEntry(const GbkIni& ini, const QString& s, SignEntry& e) {
  e.name = text(ini, s, QStringLiteral("名称"));
  const std::optional<int> transport = ini.intValue(s, QStringLiteral("通讯方式"));
  if (!transport || (*transport != 0 && *transport != 1))
    return QCoreApplication::translate("SignList", "通讯方式应为0或1");
  e.serial = *transport == 0;
  if (e.serial) {
    e.device = text(ini, s, QStringLiteral("串口"));
    e.baud = ini.intValue(s, QStringLiteral("波特率")).value_or(0);
  } else {
    e.host = text(ini, s, QStringLiteral("LEDIP"));
    e.port = ini.intValue(s, QStringLiteral("LEDPORT")).value_or(0);
  }
  const std::optional<int> w = ini.intValue(s, QStringLiteral("屏宽"));
  const std::optional<int> h = ini.intValue(s, QStringLiteral("屏高"));
  if (w.has_value() != h.has_value())
    return QCoreApplication::translate("SignList", "屏宽和屏高应同时给出");
  if (w) e.expectedSize = QSize(*w, *h);
  return {};
}

}  // namespace

QStringList SignEntry::linkArguments() const {
  if (serial)
    return {QStringLiteral("--serial"), device, QStringLiteral("--baud"), QString::number(baud)};
  return {QStringLiteral("--net"), QStringLiteral("%1:%2").arg(host).arg(port)};
}

QString SignEntry::linkText() const {
  return serial ? QStringLiteral("%1 %2").arg(device).arg(baud)
                : QStringLiteral("%1:%2").arg(host).arg(port);
}

QString SignList::path(const QString& home) {
  return QDir(home).filePath(QStringLiteral("signs.ini"));
}

LoadedSignList SignList::load(const QString& home) {
  LoadedSignList loaded;
  const QString file = path(home);
  if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink()) {
    loaded.missing = true;
    loaded.message = tr("还没有大屏列表（%1），请添加大屏。").arg(native(file));
    return loaded;
  }
  QByteArray bytes;
  try {
    bytes = readWholeFile(file, kMaxSignListBytes);
  } catch (const LedError& e) {
    loaded.message = tr("大屏列表无法读取，列表为空，文件未改动：%1").arg(e.text());
    return loaded;
  }
  if (bytes.trimmed().isEmpty()) {
    loaded.message = tr("大屏列表 %1 是空的，请添加大屏。").arg(native(file));
    return loaded;
  }
  const GbkIni ini = GbkIni::parse(bytes);
  QStringList skipped;
  int k = 0;
  for (; k < kMaxSigns && ini.hasSection(section(k)); ++k) {
    SignEntry e;
    QString why = readEntry(ini, section(k), e);
    if (why.isEmpty()) why = validate(e, loaded.signs);
    if (why.isEmpty())
      loaded.signs.push_back(e);
    else
      skipped << tr("[%1] %2：%3").arg(section(k), e.name, why);
  }
  if (k == 0) {
    loaded.message = tr("大屏列表 %1 中没有可用的大屏（应有[大屏0]等节），列表为空，文件未改动。")
                         .arg(native(file));
  } else if (!skipped.isEmpty()) {
    loaded.message =
        tr("大屏列表 %1 中有%n个大屏无法使用，已略过（修改列表后将不再保存它们）：\n%2", nullptr,
           int(skipped.size()))
            .arg(native(file), skipped.join(QLatin1Char('\n')));
  }
  return loaded;
}

void SignList::save(const QString& home, const std::vector<SignEntry>& signs) {
  if (int(signs.size()) > kMaxSigns) throw LedError(tr("大屏不能超过%1个").arg(kMaxSigns));
  GbkIni ini = GbkIni::parse({});
  std::vector<SignEntry> before;
  for (size_t k = 0; k < signs.size(); ++k) {
    const SignEntry& e = signs[k];
    if (const QString why = validate(e, before); !why.isEmpty())
      throw LedError(tr("大屏“%1”：%2").arg(e.name, why));
    before.push_back(e);
    const QString s = section(int(k));
    ini.setValue(s, QStringLiteral("名称"), GbkIni::toGbk(e.name));
    ini.setValue(s, QStringLiteral("通讯方式"), e.serial ? 0 : 1);
    if (e.serial) {
      ini.setValue(s, QStringLiteral("串口"), GbkIni::toGbk(e.device));
      ini.setValue(s, QStringLiteral("波特率"), e.baud);
    } else {
      ini.setValue(s, QStringLiteral("LEDIP"), GbkIni::toGbk(e.host));
      ini.setValue(s, QStringLiteral("LEDPORT"), e.port);
    }
    if (e.expectedSize.isValid()) {
      ini.setValue(s, QStringLiteral("屏宽"), e.expectedSize.width());
      ini.setValue(s, QStringLiteral("屏高"), e.expectedSize.height());
    }
  }
  writeFileAtomically(path(home), ini.serialize());
}

QString SignList::validate(const SignEntry& sign, const std::vector<SignEntry>& others) {
  const QString& name = sign.name;
  if (name.trimmed().isEmpty()) return tr("名称不能为空");
  if (name != name.trimmed()) return tr("名称的首尾不能有空格");
  if (name.size() > kMaxNameLength) return tr("名称不能超过%1个字符").arg(kMaxNameLength);
  if (hasControlCharacter(name)) return tr("名称不能含控制字符");
  if (name.startsWith(QLatin1Char('-'))) return tr("名称不能以“-”开头");
  // Names are kept in GBK: a character outside it would come back as another name.
  if (GbkIni::fromGbk(GbkIni::toGbk(name)) != name) return tr("名称含有无法保存的字符");
  for (const SignEntry& o : others)
    if (o.name == name) return tr("名称“%1”已被另一个大屏使用").arg(name);
  if (sign.serial) {
    if (sign.device.trimmed().isEmpty()) return tr("串口不能为空");
    if (hasControlCharacter(sign.device) || sign.device != sign.device.trimmed())
      return tr("串口名称无效");
    if (std::find(nq::kBaudRates.begin(), nq::kBaudRates.end(), sign.baud) == nq::kBaudRates.end())
      return tr("波特率%1不是控制卡支持的波特率").arg(sign.baud);
  } else {
    if (sign.host.isEmpty()) return tr("IP地址不能为空");
    if (sign.host.size() > 253 || hasControlCharacter(sign.host) ||
        sign.host.contains(QLatin1Char(' ')) || sign.host.contains(QLatin1Char(':')))
      return tr("IP地址“%1”无效").arg(sign.host);
    if (sign.port < 1 || sign.port > 65535)
      return tr("端口应在1到65535之间，而不是%1").arg(sign.port);
  }
  if (sign.expectedSize != QSize()) {
    const QSize s = sign.expectedSize;
    if (s.width() < 1 || s.width() > nq::kMaxSignSide || s.height() < 1 ||
        s.height() > nq::kMaxSignSide)
      return tr("屏幕尺寸 %1×%2 无效，每边应在1到%3之间")
          .arg(s.width())
          .arg(s.height())
          .arg(nq::kMaxSignSide);
  }
  return {};
}
