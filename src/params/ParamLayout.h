#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

// A page's controls above, its buttons in a row at the bottom right.
inline QVBoxLayout* layOutParamPage(QWidget* page, QLayout* controls,
                                    std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  auto* column = new QVBoxLayout(page);
  column->addLayout(controls);
  column->addStretch(1);
  column->addLayout(row);
  return column;
}
