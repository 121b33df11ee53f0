#pragma once
// What the library commands share: the program count as the tool sees it, program numbers and
// the play-setting options.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <optional>

#include "Ctl.h"

class ProgramStore;

namespace ctl {

// The programs of the library: Program/<n>.bmp from 0 up to the first gap, at most the library's
// limit, as an import counts them.
int programCount(const ProgramStore& store);

// The program number N of a command (1-based, as the window shows it) as the store's index, or
// exit 2.
int programIndex(const QString& text, int count);

// --mode, --speed and --dwell of a command; each read only when given.
struct PlayOptions {
  QCommandLineOption mode{QStringLiteral("mode"),
                          QCoreApplication::translate("ledsignctl", "播放方式 0-15。"),
                          QStringLiteral("0-15")};
  QCommandLineOption speed{QStringLiteral("speed"),
                           QCoreApplication::translate("ledsignctl", "播放速度 0-5 (0 最快)。"),
                           QStringLiteral("0-5")};
  QCommandLineOption dwell{QStringLiteral("dwell"),
                           QCoreApplication::translate("ledsignctl", "停留时间 0-255 秒。"),
                           QStringLiteral("0-255")};
  void addTo(QCommandLineParser& parser) const;
  std::optional<int> modeOf(const QCommandLineParser& parser) const;
  std::optional<int> speedOf(const QCommandLineParser& parser) const;
  std::optional<int> dwellOf(const QCommandLineParser& parser) const;
};

// The command that appends a program (AddCommand.cpp).
Command addCommand();

}  // namespace ctl
