#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "GbkIni.h"
#include "Mainface.h"
#include "Pictureimport.h"
#include "UpDown.h"
#include "WorkspaceFixture.h"

// A main window on a fresh home, driven through its controls with a scripted Prompt.
class MainWindow : public WorkspaceFixture {
 protected:
  void SetUp() override { start(); }

  void start() {
    form.reset();
    reopen();
    ws->store().wipe();  // as every run of the application starts
    form = std::make_unique<TMainForm>(*ws, prompt);
    // Pictures are decoded by the ledsignctl built beside the application.
    form->PictureImportForm->setToolDirectory(
        QFileInfo(QStringLiteral(LEDSIGN_PATH)).absolutePath());
    form->show();
  }

  QTreeWidgetItem* node(const QString& caption) {
    const auto found = form->TreeView1->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
  }

  // A mouse click on a node, as the operator makes it.
  void pick(const QString& caption) {
    QTreeWidgetItem* item = node(caption);
    ASSERT_NE(item, nullptr) << caption.toStdString();
    const QRect rect = form->TreeView1->visualItemRect(item);
    QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {}, rect.center());
    QCoreApplication::processEvents();
  }

  QStringList captions() {
    QStringList out;
    for (QTreeWidgetItemIterator it(form->TreeView1); *it; ++it) out << (*it)->text(0);
    return out;
  }

  GbkIni settings() { return GbkIni::parse(home.read("Program/set.ini")); }
  std::optional<QByteArray> key(int n, const char* k) {
    return settings().value(QStringLiteral("节目%1").arg(n), QString::fromUtf8(k));
  }

  void typeDwell(const QString& keys) { QTest::keyClicks(form->Edit4, keys); }

  std::unique_ptr<TMainForm> form;
};
