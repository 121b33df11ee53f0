// The editor's RTF reader on any bytes, then what the editor does with the document: render it
// on a picture and write it back as RTF, which must read again.
#include <QTextDocument>

#include "Fonts.h"
#include "FuzzQt.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextRender.h"

namespace {

// The text as RTF can carry it: control characters other than tab and line ends, DEL and object
// marks are not written, by design.
QString writable(QString text) {
  text.removeIf([](QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\n') || c.unicode() == 0x7F ||
           c == QChar::ObjectReplacementCharacter;
  });
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startHeadlessApplication();
  installFontSubstitutions();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QTextDocument document;
  readRichOrPlainText(bytes, document);
  const QImage picture = ledtext::renderRichText(document, QSize(64, 32));
  FUZZ_CHECK(picture.size() == QSize(64, 32));
  ledtext::placeTextBand(picture, static_cast<int>(size % 3));

  const QByteArray again = writeRtf(document);
  FUZZ_CHECK(looksLikeRtf(again));
  QTextDocument reread;
  readRtf(again, reread);
  FUZZ_CHECK(reread.toPlainText() == writable(document.toPlainText()));
  return 0;
}
