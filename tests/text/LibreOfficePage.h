#pragma once

// A page as LibreOffice writes it: Chinese text formatted by associated properties after \dbch
// (face, size, bold, italic), Latin text by the plain ones after \loch and \hich, the ones after
// \rtlch for right-to-left scripts only. Three paragraphs, centred, left and right, in red, green
// and yellow, bold, italic and underlined, in four sizes.
inline constexpr const char* kLibreOfficePage =
    "\xEF\xBB\xBF{\\rtf1\\ansi\\deff3\\adeflang1025\n"
    "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f3\\froman\\fprq2\\fcharset0 "
    "Liberation Serif;}{\\f4\\fnil\\fprq2\\fcharset134 AR PL UMing CN;}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;"
    "\\red255\\green255\\blue0;}\n"
    "{\\stylesheet{\\s0\\snext0\\dbch\\af4\\dbch\\af4\\afs24\\loch\\f3\\fs24 Normal;}}\n"
    "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}\\formshade\\sectd\\sbknone"
    "{\\*\\ftnsep\\chftnsep}\\pgndec\n"
    "\\pard\\plain \\s0\\widctlpar\\ltrpar\\cf0\\kerning1\\dbch\\af4\\langfe2052\\dbch\\af4"
    "\\afs24\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1033\\qc{\\cf2\\rtlch\\ab\\afs36 "
    "\\ltrch\\dbch\\ab\\afs36\\loch\\fs28\\hich\\af3\\afs20\\loch\n"
    "\\u27426\\'3f\\u36814\\'3f\\u20809\\'3f\\u20020\\'3f ABC}\n"
    "\\par \\pard\\plain \\s0\\dbch\\af4\\afs24\\loch\\f3\\fs24\\ql\\sl360\\slmult1"
    "{\\cf3\\ul\\ulc0\\rtlch \\ltrch\\dbch\\ai\\loch\\i\n"
    "\\u20170\\'3f\\u26085\\'3f\\u29305\\'3f\\u20215\\'3f}{\\cf3\\rtlch \\ltrch\\loch x}\n"
    "\\par \\pard\\plain \\s0\\dbch\\af4\\afs24\\loch\\f3\\fs24\\qr{\\cf4\\dbch\\afs48"
    "\\loch\\fs48 \\u40644\\'3f}\n"
    "\\par }";

// What the page shows, as dumpDocument() writes it.
inline constexpr const char* kLibreOfficePageDump =
    "P centre lh0:0\n"
    "  [欢迎光临] AR PL UMing CN 18pt #ff0000 b\n"
    "  [ ABC] Liberation Serif 14pt #ff0000\n"
    "P left lh1:15000\n"
    "  [今日特价] AR PL UMing CN 12pt #008000 i u\n"
    "  [x] Liberation Serif 12pt #008000\n"
    "P right lh0:0\n"
    "  [黄] AR PL UMing CN 24pt #ffff00\n"
    "P right lh0:0";
