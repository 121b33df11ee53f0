#include "Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions() {
  const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")};
  QFont::insertSubstitutions(QStringLiteral("宋体"), song);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
}
