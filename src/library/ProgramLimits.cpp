#include "ProgramLimits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <thread>
#include <vector>

#include "AtomicFile.h"
#include "LedError.h"
#include "ProgramStore.h"
#include "protocol/IniText.h"
#include "protocol/Limits.h"
#include "protocol/ProgramIni.h"

QString colourClassName(int colourClass) {
  switch (colourClass) {
    case 0:
      return QCoreApplication::translate("ProgramLimits", "无颜色");
    case 1:
      return QCoreApplication::translate("ProgramLimits", "红色");
    case 2:
      return QCoreApplication::translate("ProgramLimits", "绿色");
    case 3:
      return QCoreApplication::translate("ProgramLimits", "红绿双色");
    default:
      return QCoreApplication::translate("ProgramLimits", "无效(%1)").arg(colourClass);
  }
}

QString sizeLimitMessage(int controllerModel, int colourClass, int width, int height) {
  const nq::SizeVerdict v = nq::checkProgramSize(controllerModel, colourClass, width, height);
  switch (v.rule) {
    case nq::SizeRule::Fits:
      break;
    case nq::SizeRule::Height:
      return QCoreApplication::translate("ProgramLimits", "最大高度不能大于%1").arg(v.limit);
    case nq::SizeRule::Width:
      return QCoreApplication::translate("ProgramLimits", "最大宽度不能大于%1").arg(v.limit);
    case nq::SizeRule::Area:
      return QCoreApplication::translate("ProgramLimits", "超出系统最大屏宽屏高的定义");
  }
  return {};
}

QString storedPictureLimitNotice(int controllerModel, const QImage& picture) {
  const QString limit =
      sizeLimitMessage(controllerModel, colourClass(picture), picture.width(), picture.height());
  if (limit.isEmpty()) return {};
  return QCoreApplication::translate(
             "ProgramLimits", "图片 %1×%2 已保存，但控制卡不能显示：%3。发送前请改小节目的尺寸。")
      .arg(picture.width())
      .arg(picture.height())
      .arg(limit);
}

namespace {

QString refusal(const ProgramStore& store, const nq::IniText& ini, int n, int model) {
  QImage picture;
  try {
    picture = store.readPicture(n);
  } catch (const LedError& e) {
    return e.text();
  }
  const nq::ProgramSettings s = nq::readProgramSettings(ini, n);
  if (s.colourClass < 0 || s.colourClass > 3)
    return QCoreApplication::translate("ProgramLimits", "颜色值 %1 无效（应为 0 到 3）")
        .arg(s.colourClass);
  // Bit 0 red, bit 1 green: the stored class must carry every colour the pixels light.
  const int needed = colourClass(picture);
  if ((needed & ~s.colourClass) != 0) {
    return QCoreApplication::translate("ProgramLimits",
                                       "颜色值为 %1（%2），但图片含有%3，发送后标牌上会缺少颜色；"
                                       "请重新导入或保存该节目")
        .arg(s.colourClass)
        .arg(colourClassName(s.colourClass), colourClassName(needed));
  }
  const QString size = sizeLimitMessage(model, s.colourClass, picture.width(), picture.height());
  if (!size.isEmpty())
    return QCoreApplication::translate("ProgramLimits", "图片 %1×%2，%3")
        .arg(picture.width())
        .arg(picture.height())
        .arg(size);
  if (!nq::settingsInRange(s)) {
    return QCoreApplication::translate(
               "ProgramLimits", "播放方式、播放速度或停留时间超出范围（0 到 %1、0 到 %2、0 到 %3）")
        .arg(nq::kMaxPlayMode)
        .arg(nq::kMaxPlaySpeed)
        .arg(nq::kMaxDwell);
  }
  return {};
}

}  // namespace

void checkLibraryForSend(const ProgramStore& store, int count, int controllerModel) {
  const QString settings = store.settingsPath();
  if (!QFile::exists(settings)) {
    throw LedError(QCoreApplication::translate("ProgramLimits", "节目设置文件 %1 不存在")
                       .arg(QDir::toNativeSeparators(settings)));
  }
  const QByteArray bytes = readWholeFile(settings, nq::kMaxIniFileBytes);
  const nq::IniText ini =
      nq::IniText::parse(std::string_view(bytes.constData(), size_t(bytes.size())));
  // The programs are independent: they are read and scanned on every core, and the first one
  // that fails (by number) is named. Nothing escapes a thread: refusal() catches what it reads.
  std::vector<QString> why(size_t(std::max(count, 0)));
  const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
  auto work = [&](int first) {
    for (int n = first; n < count; n += threads) {
      try {
        why[size_t(n)] = refusal(store, ini, n, controllerModel);
      } catch (const std::exception&) {
        why[size_t(n)] = QCoreApplication::translate("ProgramLimits", "无法检查（内存不足）");
      }
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads && t < count; ++t) helpers.emplace_back(work, t);
  work(0);
  for (std::thread& h : helpers) h.join();
  for (int n = 0; n < count; ++n) {
    if (!why[size_t(n)].isEmpty())
      throw LedError(QCoreApplication::translate("ProgramLimits", "节目%1：%2")
                         .arg(n + 1)
                         .arg(why[size_t(n)]));
  }
}
