#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

class QTextDocument;

// Writes a QTextDocument as RTF that WordPad, Word and LibreOffice open: \ansicpg936, a font
// table (\fcharset134 for Chinese faces), a colour table, and per run \f \fs \cf \b \i \ul
// \strike, per paragraph \ql \qc \qr \qj \sl \slmult. Text in a Chinese face is written as GBK
// bytes (\'hh) where GBK has the character and as \uN otherwise; text in other faces as \uN.
struct RtfWriteOptions {
  // Used for runs that carry no face, size or colour of their own.
  QString defaultFace;         // empty: the document's default font's family
  qreal defaultPointSize = 0;  // 0: the document's default font's size
  QColor defaultColour{255, 0, 0};
};

QByteArray writeRtf(const QTextDocument& document, const RtfWriteOptions& options = {});

// True for faces whose text is written in GBK under \fcharset134.
bool isChineseFace(const QString& face);
