// The preview part way through two transitions, "左移" and "左开", four times larger: after 32, 64
// and 96 steps, <transition>-tick<n>.png (scripts/shots.sh puts each series in one picture).

#include <gtest/gtest.h>

#include <QPainter>
#include <QTimer>

#include "Ledview.h"
#include "ScreenShot.h"
#include "Workspace.h"

namespace {

// A sign page in the three LED colours, so that the edges of a transition are easy to see.
QImage signPage(QSize size) {
  QImage page(size, QImage::Format_RGB888);
  page.fill(Qt::black);
  QPainter painter(&page);
  painter.setFont(QFont(QStringLiteral("宋体"), 12));
  const int third = size.width() / 3;
  const QColor colours[] = {Qt::red, Qt::green, Qt::yellow};
  const QString words[] = {QStringLiteral("红色"), QStringLiteral("绿色"), QStringLiteral("黄色")};
  for (int i = 0; i < 3; ++i) {
    const QRect cell(i * third, 0, third, size.height());
    painter.setPen(colours[i]);
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
    painter.drawText(cell, Qt::AlignCenter, words[i]);
  }
  return page;
}

TEST(PreviewShots, MoveLeftAndOpenFromLeftPartWay) {
  ShotHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  ws.ScreenWidth = 128;
  ws.ScreenHeight = 32;
  ws.store().append(0, 128, 32, 0, 4, QStringLiteral("5"));
  ws.programAppended(128, 32);
  ws.store().writePicture(0, signPage({128, 32}));
  TLedViewForm form(ws, prompt);

  struct Series {
    int mode;
    const char* name;
  };
  for (const Series& series : {Series{1, "move-left"}, Series{5, "open-from-left"}}) {
    form.setProgram(0, PlaySettings{series.mode, 0, 5});
    form.show();
    form.Play1Click();
    form.Timer1->stop();  // the ticks below stand in for the timer
    int done = 0;
    for (int tick : {32, 64, 96}) {
      for (; done < tick; ++done) form.Timer1Timer();
      const QImage shot = form.grab().toImage().scaled(form.size() * 4, Qt::IgnoreAspectRatio,
                                                       Qt::FastTransformation);
      const QString path = shotFile(QStringLiteral("%1-tick%2.png")
                                        .arg(QLatin1String(series.name))
                                        .arg(tick, 3, 10, QLatin1Char('0')));
      ASSERT_TRUE(shot.save(path)) << path.toStdString();
    }
    form.Exit1Click();
  }
}

}  // namespace
