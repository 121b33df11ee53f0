#pragma once

#include <QByteArray>

class QTextDocument;

// Reads RTF into a QTextDocument, replacing its content: everything writeRtf writes (faces,
// sizes, colours, bold, italic, underline, strike, alignment, line spacing) and the common subset
// of what word processors write. Unknown destinations ({\*...}), pictures, objects, field
// instructions and other non-text groups are skipped; \uc, \uN, \'hh in the charset of the current
// font, \par, \line, \tab, groups, \plain and \pard are honoured. Malformed input loads what it
// can: the work and the memory used are bounded by a small multiple of the input's size.
void readRtf(const QByteArray& rtf, QTextDocument& document);

// True when the bytes begin (after blanks) with "{\rtf".
bool looksLikeRtf(const QByteArray& bytes);

// The editor's file loading: RTF when the file looks like RTF, plain GBK text otherwise.
void readRichOrPlainText(const QByteArray& bytes, QTextDocument& document);
