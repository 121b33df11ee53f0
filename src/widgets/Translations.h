#pragma once

// Loads Qt's own simplified Chinese texts (qtbase_zh_CN from Qt's translations folder), so the
// standard boxes and dialogs speak the UI's language: the buttons of every message box, the file,
// folder and font dialogs, the edit boxes' context menus; dates and file types in those dialogs
// follow the simplified Chinese locale, made the default. Returns false when the file is missing;
// the application then goes on with Qt's English texts for those.
bool installQtChinese();
