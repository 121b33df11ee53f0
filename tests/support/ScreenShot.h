#pragma once
// Screenshots for a person to look at, taken by the opt-in shot tests under Xvfb.

#include <gtest/gtest.h>

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QWidget>
#include <algorithm>

// Writes the screen's region covering the visible `windows` (null ones are skipped) to `file`,
// as the X server has it, with ImageMagick's import.
inline void shootScreen(const QString& file, const QList<QWidget*>& windows) {
  QRect area;
  for (QWidget* w : windows)
    if (w && w->isVisible()) area |= w->frameGeometry();
  area.adjust(-8, -8, 8, 8);
  const QString crop = QStringLiteral("%1x%2+%3+%4")
                           .arg(area.width())
                           .arg(area.height())
                           .arg(std::max(0, area.x()))
                           .arg(std::max(0, area.y()));
  EXPECT_EQ(QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               QStringLiteral("-crop"), crop, file}),
            0);
}
