// The sign list is the same file in every language: a translator that rewords every text the
// program shows must not reach its sections, keys or the names given to cards found on the
// network.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "CardDiscovery.h"
#include "SignList.h"
#include "TestTranslator.h"

namespace {

TEST(FleetStoredTexts, ListFileIgnoresLanguage) {
  SignEntry hall{QStringLiteral("门厅"),         true,   {},           8000,
                 QStringLiteral("/dev/ttyUSB0"), 115200, QSize(64, 32)};
  auto write = [&](const QString& home) {
    std::vector<SignEntry> signs{hall};
    SignEntry found{{}, false, QStringLiteral("10.0.0.5")};
    for (const SignEntry& card : newCards({found}, signs)) signs.push_back(card);
    SignList::save(home, signs);
    QFile file(SignList::path(home));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  QTemporaryDir chinese, reworded;
  const QByteArray want = write(chinese.path());
  std::optional<TestTranslator> translator(
      std::in_place, [](const char*, const char*) { return QStringLiteral("reworded"); });
  const QByteArray got = write(reworded.path());
  const LoadedSignList loaded = SignList::load(reworded.path());
  translator.reset();
  EXPECT_EQ(got, want);
  ASSERT_EQ(loaded.signs.size(), 2u);
  EXPECT_EQ(loaded.signs[1].name, QStringLiteral("控制卡 10.0.0.5"));
}

}  // namespace
