#pragma once

// Makes the face "宋体" resolve to an installed Song face (AR PL UMing CN, then WenQuanYi Zen Hei),
// so the windows and the programs show real Chinese glyphs.
void installFontSubstitutions();
