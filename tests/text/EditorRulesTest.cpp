#include <gtest/gtest.h>

#include "../support/ParamNames.h"
#include "EditorRules.h"
#include "TextFormat.h"

using namespace ledtext;

struct CorrectionCase {
  int w, h, screenW, screenH;
  CorrectedSize expected;
};
void PrintTo(const CorrectionCase& c, std::ostream* os) {
  *os << c.w << "x" << c.h << " on " << c.screenW << "x" << c.screenH;
}

class SaveCorrections : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(SaveCorrections, AsTabled) {
  const auto& c = GetParam();
  EXPECT_EQ(correctSaveSize(c.w, c.h, c.screenW, c.screenH), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SaveCorrections,
    ::testing::Values(CorrectionCase{100, 32, 64, 32, {112, 32, 1}},  // rounded up to 16
                      CorrectionCase{700, 32, 64, 32, {640, 32, 1}},  // 640 is a multiple of 16
                      CorrectionCase{40, 32, 50, 32, {50, 32, 2}},    // 48, then the sign's 50
                      CorrectionCase{64, 32, 64, 32, {64, 32, 0}},    // clean: no question
                      CorrectionCase{0, 0, 32, 32, {32, 32, 2}},      // spin minimum
                      CorrectionCase{641, 17, 32, 16, {640, 32, 2}},  // 641 -> 640, 17 -> 32
                      CorrectionCase{655, 300, 32, 32, {640, 304, 2}}),
    [](const auto& p) {
      const CorrectionCase& c = p.param;
      return caseName("W", c.w, "H", c.h, "On", c.screenW, "x", c.screenH);
    });

struct LimitCase {
  int model, colourClass, w, h;
  const char* expected;
};
void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << "model " << c.model << ", colour " << c.colourClass << ", " << c.w << "x" << c.h;
}

class ModelLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ModelLimits, RowByRow) {
  const auto& c = GetParam();
  EXPECT_EQ(modelLimitMessage(c.model, c.colourClass, c.w, c.h).toStdString(),
            std::string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ModelLimits,
    ::testing::Values(
        // Model 2, two colours.
        LimitCase{2, 3, 320, 272, "最大高度不能大于256"},
        LimitCase{2, 3, 336, 64, "最大宽度不能大于320"}, LimitCase{2, 3, 320, 64, ""},
        LimitCase{2, 3, 320, 80, "超出系统最大屏宽屏高的定义"},
        LimitCase{2, 3, 400, 300, "最大高度不能大于256"},  // the height test comes first
        // Model 2, one colour or none.
        LimitCase{2, 1, 640, 64, ""}, LimitCase{2, 1, 640, 80, "超出系统最大屏宽屏高的定义"},
        LimitCase{2, 2, 656, 16, "最大宽度不能大于640"},
        LimitCase{2, 0, 64, 272, "最大高度不能大于256"}, LimitCase{2, 0, 160, 256, ""},
        // Model 1.
        LimitCase{1, 1, 640, 64, ""}, LimitCase{1, 1, 640, 80, "最大高度不能大于64"},
        LimitCase{1, 3, 336, 64, "最大宽度不能大于320"}, LimitCase{1, 3, 320, 64, ""},
        LimitCase{1, 0, 656, 64, "最大宽度不能大于640"},
        // Other models: no limit.
        LimitCase{0, 3, 4000, 4000, ""}, LimitCase{3, 1, 4000, 4000, ""},
        LimitCase{-1, 3, 4000, 4000, ""}),
    [](const auto& p) {
      const LimitCase& c = p.param;
      return caseName("Model", c.model, "Colour", c.colourClass, "W", c.w, "H", c.h);
    });

TEST(ResizeDrag, ReleaseRounding) {
  EXPECT_EQ(dragReleaseSize(700, 40, 32, 32), QSize(640, 48));
  EXPECT_EQ(dragReleaseSize(17, 17, 32, 32), QSize(32, 32));
  EXPECT_EQ(dragReleaseSize(100, 64, 32, 32), QSize(112, 64));
  EXPECT_EQ(dragReleaseSize(40, 20, 50, 20), QSize(50, 32));
}

TEST(LineSpacing, ValueIsTheLeadingDigits) {
  EXPECT_EQ(lineSpacingValue(QStringLiteral("1.5")), 1);
  EXPECT_EQ(lineSpacingValue(QStringLiteral("20")), 20);
  EXPECT_EQ(lineSpacingValue(QStringLiteral("")), 0);
  EXPECT_EQ(lineSpacingValue(QStringLiteral(".5")), 0);
  EXPECT_EQ(lineSpacingValue(QStringLiteral("99999999999")), 100000);
}

TEST(LineSpacing, RulesMapOntoQtLineHeights) {
  const qreal px = layoutDpi() / 72.0;  // pixels per point
  struct {
    LineSpacingRule rule;
    int v;
    int type;
    qreal height;
  } rows[] = {{LineSpacingRule::Single, 20, QTextBlockFormat::SingleHeight, 0},
              {LineSpacingRule::OneAndHalf, 20, QTextBlockFormat::ProportionalHeight, 150},
              {LineSpacingRule::Double, 20, QTextBlockFormat::ProportionalHeight, 200},
              {LineSpacingRule::AtLeast, 30, QTextBlockFormat::MinimumHeight, 30 * px},
              {LineSpacingRule::Exactly, 20, QTextBlockFormat::FixedHeight, 20 * px},
              {LineSpacingRule::Multiple, 1, QTextBlockFormat::ProportionalHeight, 100},
              {LineSpacingRule::Multiple, 2, QTextBlockFormat::ProportionalHeight, 200},
              {LineSpacingRule::Exactly, 0, QTextBlockFormat::SingleHeight, 0}};
  for (const auto& r : rows) {
    const QTextBlockFormat f = lineSpacingFormat(r.rule, r.v);
    EXPECT_EQ(f.lineHeightType(), r.type) << int(r.rule);
    EXPECT_DOUBLE_EQ(f.lineHeight(), r.height) << int(r.rule);
  }
}

TEST(Colours, OnlyTheThreeLedColours) {
  EXPECT_TRUE(isLedColour(QColor(255, 0, 0)));
  EXPECT_TRUE(isLedColour(QColor(0, 128, 0)));
  EXPECT_TRUE(isLedColour(QColor(255, 255, 0)));
  EXPECT_FALSE(isLedColour(QColor(0, 0, 255)));
  EXPECT_FALSE(isLedColour(QColor(0, 255, 0)));
  EXPECT_FALSE(isLedColour(QColor(237, 28, 36)));
  EXPECT_FALSE(isLedColour(QColor()));
}
